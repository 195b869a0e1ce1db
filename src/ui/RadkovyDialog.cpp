#include "ui/RadkovyDialog.h"

#include <QKeyEvent>
#include <QPushButton>

namespace lineon::ui {

RadkovyDialog::RadkovyDialog(QWidget* hlavniOkno)
    : QDialog(hlavniOkno, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ok_(new QPushButton(QStringLiteral("OK"), this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowModality(Qt::WindowModal);
    // Enter moves to the next field, so it must not press a button.
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] {
        Ulozit();
        accept();
        emit ulozeno();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void RadkovyDialog::keyPressEvent(QKeyEvent* udalost)
{
    if (udalost->key() == Qt::Key_Return || udalost->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(udalost);
}

} // namespace lineon::ui
