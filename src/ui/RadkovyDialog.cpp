#include "ui/RadkovyDialog.h"

#include "ui/HlavniOkno.h"
#include "ui/Rozlozeni.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace lineon::ui {

RadkovyDialog::RadkovyDialog(HlavniOkno& hlavniOkno, std::string nazevKroku)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), hlavniOkno_(hlavniOkno),
      nazevKroku_(std::move(nazevKroku)),
      ok_(new QPushButton(QStringLiteral("OK"), this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    // Enter moves to the next field, so it must not press a button.
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] {
        hlavniOkno_.Provest(nazevKroku_, [this] { Ulozit(); });
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void RadkovyDialog::ZobrazitRadek()
{
    hlavniOkno_.setEnabled(false);
    show();
    raise();
    activateWindow();
}

void RadkovyDialog::done(int vysledek)
{
    QDialog::done(vysledek);
    hlavniOkno_.setEnabled(true);
    hlavniOkno_.activateWindow();
}

void RadkovyDialog::keyPressEvent(QKeyEvent* udalost)
{
    if (udalost->key() == Qt::Key_Return || udalost->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(udalost);
}

void RadkovyDialog::Rozlozit(std::initializer_list<QObject*> obsah)
{
    auto* rozlozeni = new QVBoxLayout(this);
    PridatDoRozlozeni(rozlozeni, obsah);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(ok_);
    tlacitka->addWidget(cancel_);
    rozlozeni->addLayout(tlacitka);
    rozlozeni->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace lineon::ui
