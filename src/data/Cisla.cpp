#include "data/Cisla.h"

#include "data/Chyba.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lineon::cisla {

namespace {

// No file of the program has a form for infinity or "not a number"; such a value is a fault of
// the computation that produced it, and the file that would hold it is not written.
void OveritKonecne(double hodnota)
{
    if (!std::isfinite(hodnota))
        throw Chyba("Hodnotu „" + std::string(std::isnan(hodnota) ? "nan" : hodnota > 0 ? "inf" : "-inf")
                    + "“ nelze zapsat jako číslo; nic se nezapsalo.");
}

} // namespace

std::string FormatF(double hodnota, int sirka, int desetin)
{
    OveritKonecne(hodnota);
    // The largest double has 309 digits before the point.
    char buf[400];
    const auto [konec, chyba] = std::to_chars(buf, buf + sizeof buf, hodnota, std::chars_format::fixed, desetin);
    std::string text = chyba == std::errc() ? std::string(buf, konec) : std::string("0");
    if (static_cast<int>(text.size()) < sirka)
        text.insert(0, static_cast<std::size_t>(sirka) - text.size(), ' ');
    return text;
}

std::string FormatE23(double hodnota)
{
    OveritKonecne(hodnota);
    char buf[64];
    const auto [konec, chyba] = std::to_chars(buf, buf + sizeof buf, std::fabs(hodnota), std::chars_format::scientific, 14);
    std::string text = chyba == std::errc() ? std::string(buf, konec) : std::string("0.00000000000000e+00");
    // to_chars gives d.dddddddddddddde±xx; the exponent is widened to four digits.
    const auto e = text.find('e');
    const char znamenko = text[e + 1];
    std::string exponent = text.substr(e + 2);
    exponent.insert(0, 4 - std::min<std::size_t>(4, exponent.size()), '0');
    return std::string(std::signbit(hodnota) ? "-" : " ") + text.substr(0, e) + "E" + znamenko + exponent;
}

namespace {

std::string_view BezMezerPred(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return text.substr(i);
}

bool JeCislice(char c) { return c >= '0' && c <= '9'; }

/// The power of ten of the first non-zero digit of digits with at most one point ("0.003" gives
/// −3, "120.5" gives 2); 0 when all digits are zero.
long RadPrvniCislice(std::string_view mantisa)
{
    const std::size_t tecka = std::min(mantisa.find('.'), mantisa.size());
    const std::size_t prvni = mantisa.find_first_of("123456789");
    if (prvni == std::string_view::npos)
        return 0;
    return prvni < tecka ? static_cast<long>(tecka - prvni - 1) : -static_cast<long>(prvni - tecka);
}

} // namespace

std::optional<double> CtiDesetinne(std::string_view text, Exponent exponent)
{
    text = BezMezerPred(text);
    std::size_t i = 0;
    bool zaporne = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        zaporne = text[i++] == '-';
    const std::size_t zacatek = i;
    std::size_t cislic = 0;
    while (i < text.size() && JeCislice(text[i]))
        ++i, ++cislic;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && JeCislice(text[i]))
            ++i, ++cislic;
    }
    if (cislic == 0)
        return std::nullopt;
    const std::string_view mantisa = text.substr(zacatek, i - zacatek);
    long rad = 0; // the power of ten written after "e"
    if (exponent == Exponent::Povolen && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool zapornyRad = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t cisliceExponentu = j;
        for (; j < text.size() && JeCislice(text[j]); ++j)
            rad = std::min(rad * 10 + (text[j] - '0'), 100000L);
        if (j == cisliceExponentu)
            return std::nullopt;
        rad = zapornyRad ? -rad : rad;
        i = j;
    }
    if (i != text.size())
        return std::nullopt;
    double hodnota = 0;
    const auto vysledek = std::from_chars(text.data() + zacatek, text.data() + i, hodnota,
                                          exponent == Exponent::Povolen ? std::chars_format::general
                                                                        : std::chars_format::fixed);
    if (vysledek.ec == std::errc::result_out_of_range && RadPrvniCislice(mantisa) + rad < 0)
        hodnota = 0; // too small for a double: it is 0 to every precision a survey has
    else if (vysledek.ec != std::errc() || vysledek.ptr != text.data() + i || !std::isfinite(hodnota))
        return std::nullopt;
    return zaporne ? -hodnota : hodnota;
}

std::optional<std::int32_t> CtiCele(std::string_view text)
{
    text = BezMezerPred(text);
    std::size_t i = 0;
    if (!text.empty() && text[0] == '+')
        i = 1;
    if (i >= text.size() || (text[i] == '-' && i == 1))
        return std::nullopt;
    std::int32_t hodnota = 0;
    const auto vysledek = std::from_chars(text.data() + i, text.data() + text.size(), hodnota);
    if (vysledek.ec != std::errc() || vysledek.ptr != text.data() + text.size())
        return std::nullopt;
    return hodnota;
}

std::int64_t ZaokrouhlitCele(double x)
{
    // Values beyond the 64-bit range (or not numbers at all) are held at its ends.
    constexpr double Mez = 9.2e18;
    if (!(x > -Mez))
        return x != x ? 0 : -static_cast<std::int64_t>(Mez);
    if (x >= Mez)
        return static_cast<std::int64_t>(Mez);
    return static_cast<std::int64_t>(std::nearbyint(x));
}

double ZaokrouhlitNaSetiny(double x)
{
    // A whole number has no sign of its own: −0.001 rounds to 0, not to −0 (which would be written "-0.00").
    return std::nearbyint(x * 100.0) / 100.0 + 0.0;
}

double Oriznout(double x)
{
    return std::trunc(x);
}

} // namespace lineon::cisla
