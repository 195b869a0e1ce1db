#include "ui/CiselnyValidator.h"

#include "zaklad/Cisla.h"

namespace lineon::ui {

CiselnyValidator::CiselnyValidator(double nejmene, double nejvice, int desetin, QObject* rodic)
    : QValidator(rodic), nejmene_(nejmene), nejvice_(nejvice), desetin_(desetin)
{
}

QValidator::State CiselnyValidator::validate(QString& vstup, int&) const
{
    vstup.replace(QLatin1Char(','), QLatin1Char('.'));
    const QString text = vstup.trimmed();
    const bool zaporne = text.startsWith(QLatin1Char('-'));
    if (zaporne && nejmene_ >= 0)
        return Invalid;
    const QString cislice = zaporne ? text.mid(1) : text;
    const qsizetype tecka = cislice.indexOf(QLatin1Char('.'));
    for (qsizetype i = 0; i < cislice.size(); ++i)
        if (!cislice[i].isDigit() && i != tecka)
            return Invalid;
    if (tecka >= 0 && (desetin_ == 0 || cislice.size() - tecka - 1 > desetin_))
        return Invalid;
    const auto hodnota = cisla::CtiDesetinne(text.toStdString());
    if (!hodnota)
        return Intermediate;
    // More digits only move a value away from zero: a positive value below the range can still
    // reach it, a value beyond it cannot.
    if (*hodnota >= 0 && *hodnota < nejmene_)
        return Intermediate;
    return *hodnota > nejvice_ || *hodnota < nejmene_ ? Invalid : Acceptable;
}

std::optional<double> CiselnyValidator::Hodnota(const QString& text) const
{
    QString kopie = text;
    int pozice = 0;
    if (validate(kopie, pozice) != Acceptable)
        return std::nullopt;
    return cisla::CtiDesetinne(kopie.trimmed().toStdString());
}

} // namespace lineon::ui
