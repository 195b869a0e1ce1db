#include "ui/BunkaTabulky.h"

#include "zaklad/Cisla.h"

namespace lineon::ui::bunka {

QVariant Cislo(double hodnota)
{
    return QString::fromStdString(cisla::FormatF(hodnota + 0.0, 0, 2));
}

QVariant CeleCislo(std::int32_t hodnota)
{
    return QString::number(hodnota);
}

QVariant Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QVariant Zarovnani(bool cislo)
{
    return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter | (cislo ? Qt::AlignRight : Qt::AlignLeft)));
}

} // namespace lineon::ui::bunka
