#include "ui/CiselnePole.h"

#include "zaklad/Cisla.h"
#include "ui/CiselnyValidator.h"

namespace lineon::ui {

CiselnePole::CiselnePole(double nejmene, double nejvice, int desetin, QWidget* rodic)
    : QLineEdit(rodic), desetin_(desetin)
{
    setValidator(new CiselnyValidator(nejmene, nejvice, desetin, this));
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textEdited, this, &CiselnePole::PriUprave);
    NastavitHodnotu(0);
}

void CiselnePole::NastavitHodnotu(double hodnota)
{
    hodnota_ = hodnota;
    // Adding zero turns a negative zero into zero, which shows without a sign.
    setText(QString::fromStdString(cisla::FormatF(hodnota + 0.0, 0, desetin_)));
}

void CiselnePole::PriUprave(const QString& text)
{
    if (const auto hodnota = static_cast<const CiselnyValidator*>(validator())->Hodnota(text)) {
        hodnota_ = *hodnota;
        emit hodnotaZmenena(hodnota_);
    }
}

void CiselnePole::focusOutEvent(QFocusEvent* udalost)
{
    if (!hasAcceptableInput())
        NastavitHodnotu(hodnota_);
    QLineEdit::focusOutEvent(udalost);
}

} // namespace lineon::ui
