#include "ui/Validator1250.h"

#include "zaklad/Kodovani.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace lineon::ui {

Validator1250::Validator1250(IZpravy& zpravy, QObject* rodic) : QValidator(rodic), zpravy_(zpravy) {}

QValidator::State Validator1250::validate(QString& vstup, int&) const
{
    const auto znak = kodovani::PrvniNekodovatelnyZnak(vstup.toStdString());
    if (!znak)
        return Acceptable;
    // The message waits until the key press has been handled, so that the field is not re-entered.
    IZpravy* zpravy = &zpravy_;
    QTimer::singleShot(0, parent(), [zpravy, text = Zprava(*znak)] { zpravy->Oznamit(DruhZpravy::Chyba, text); });
    return Invalid;
}

void Validator1250::Hlidat(QLineEdit* pole, IZpravy& zpravy)
{
    pole->setValidator(new Validator1250(zpravy, pole));
}

void Validator1250::Hlidat(QComboBox* pole, IZpravy& zpravy)
{
    pole->setValidator(new Validator1250(zpravy, pole));
}

std::string Validator1250::Zprava(const std::string& znak)
{
    return "Znak „" + znak + "“ nelze použít: soubory programu jsou v kódové stránce 1250, která ho neobsahuje.";
}

} // namespace lineon::ui
