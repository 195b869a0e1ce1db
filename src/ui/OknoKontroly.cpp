#include "ui/OknoKontroly.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

QString Druh(DruhNalezu druh)
{
    switch (druh) {
    case DruhNalezu::Chyba: return QString::fromUtf8("Chyba");
    case DruhNalezu::Varovani: return QString::fromUtf8("Varování");
    case DruhNalezu::Informace: break;
    }
    return QString::fromUtf8("Informace");
}

QString Radek(const TNalez& nalez)
{
    const QString cislo = QString::number(nalez.Radek);
    switch (nalez.Misto) {
    case MistoNalezu::Bod: return QString::fromUtf8("bod ") + cislo;
    case MistoNalezu::Usek: return QString::fromUtf8("úsek ") + cislo;
    case MistoNalezu::Pripojka: break;
    }
    return QString::fromUtf8("přípojka ") + cislo;
}

} // namespace

OknoKontroly::OknoKontroly() : QWidget(nullptr, Qt::Tool), seznam_(new QTableWidget(this))
{
    setWindowTitle(QString::fromUtf8("Kontrola linie"));
    seznam_->setColumnCount(3);
    seznam_->setHorizontalHeaderLabels({QString::fromUtf8("Druh"), QString::fromUtf8("Řádek"), QString::fromUtf8("Nález")});
    seznam_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    seznam_->setSelectionBehavior(QAbstractItemView::SelectRows);
    seznam_->setSelectionMode(QAbstractItemView::SingleSelection);
    seznam_->verticalHeader()->hide();
    seznam_->horizontalHeader()->setStretchLastSection(true);
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->addWidget(seznam_);
    resize(640, 240);
    connect(seznam_, &QTableWidget::cellDoubleClicked, this, [this](int radek, int) {
        const TNalez& nalez = nalezy_.at(static_cast<std::size_t>(radek));
        emit ukazatRadek(nalez.Misto == MistoNalezu::Pripojka, nalez.Radek);
    });
}

void OknoKontroly::Ukazat(const std::vector<TNalez>& nalezy)
{
    nalezy_ = nalezy;
    if (nalezy_.empty()) {
        close();
        return;
    }
    seznam_->setRowCount(static_cast<int>(nalezy_.size()));
    for (int i = 0; i < seznam_->rowCount(); ++i) {
        const TNalez& nalez = nalezy_[static_cast<std::size_t>(i)];
        seznam_->setItem(i, 0, new QTableWidgetItem(Druh(nalez.Druh)));
        seznam_->setItem(i, 1, new QTableWidgetItem(Radek(nalez)));
        seznam_->setItem(i, 2, new QTableWidgetItem(QString::fromStdString(nalez.Text)));
    }
    seznam_->resizeColumnToContents(0);
    seznam_->resizeColumnToContents(1);
    show();
    raise();
}

} // namespace lineon::ui
