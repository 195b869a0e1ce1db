#include "zaklad/Cisla.h"

#include "zaklad/Chyba.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lineon::cisla {

namespace {

// No file of the program has a form for infinity or "not a number"; such a value is a fault of
// the computation that produced it, and the file that would hold it is not written.
[[noreturn]] void Nekonecne(double hodnota)
{
    throw Chyba("Hodnotu „" + std::string(std::isnan(hodnota) ? "nan" : hodnota > 0 ? "inf" : "-inf")
                    + "“ nelze zapsat jako číslo; nic se nezapsalo.");
}

void OveritKonecne(double hodnota)
{
    if (!std::isfinite(hodnota)) [[unlikely]]
        Nekonecne(hodnota);
}

} // namespace

namespace {

constexpr double MocninyDeseti[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10,
                                    1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20};

/// The value times 10^desetin rounded half to even as the exact decimal value of the double is,
/// when that whole number is below 2^52; nothing otherwise. The product is split into the
/// nearest double and the exact rest (one fused multiply-add), which settles every half.
std::optional<std::int64_t> RychleZaokrouhlit(double hodnota, int desetin)
{
    constexpr double Mez = 4503599627370496.0; // 2^52: the spacing of doubles stays below 1 up to here
    const double a = std::fabs(hodnota);
    if (a < 1e-280)
        return a == 0 ? std::optional<std::int64_t>(0) : std::nullopt;
    const double nasobek = MocninyDeseti[desetin];
    const double p = a * nasobek;
    if (!(p < Mez))
        return std::nullopt;
    // Adding 2^52 leaves no bits below the units, so the sum rounds p half to even.
    double r = (p + Mez) - Mez;
    const double odchylka = p - r; // exact: p and r lie within half a unit of each other
    if (std::fabs(odchylka) == 0.5) {
        const double zbytek = std::fma(a, nasobek, -p); // a · 10^d = p + zbytek exactly
        if (zbytek != 0)
            r = zbytek > 0 ? std::ceil(p) : std::floor(p);
    }
    return static_cast<std::int64_t>(r);
}

/// Right-aligns the `delka` characters at the start of `znaky` in `sirka` characters.
std::size_t Zarovnat(char* znaky, std::size_t delka, int sirka)
{
    const auto siroko = static_cast<std::size_t>(std::clamp(sirka, 0, NejvetsiSirka));
    if (delka >= siroko)
        return delka;
    std::memmove(znaky + (siroko - delka), znaky, delka);
    std::memset(znaky, ' ', siroko - delka);
    return siroko;
}

/// "00", "01", … "99": the digits of a number go two at a time.
constexpr auto DvojiceCislic = [] {
    std::array<char, 200> dvojice{};
    for (int i = 0; i < 100; ++i) {
        dvojice[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        dvojice[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return dvojice;
}();

template <typename Cele>
char* DvojiceZprava(char* z, Cele& zbyva)
{
    z -= 2;
    std::memcpy(z, &DvojiceCislic[static_cast<std::size_t>(2 * (zbyva % 100))], 2);
    zbyva /= 100;
    return z;
}

/// Writes the digits of `zbyva` ending before `konec`: `desetin` decimals after a point, and the
/// whole part before it (at least one digit); returns the first digit written. A number that fits
/// in 32 bits goes with 32-bit arithmetic, which is quicker.
template <typename Cele>
char* CisliceZprava(char* konec, Cele zbyva, int desetin)
{
    char* z = konec;
    int pocet = desetin;
    for (; pocet >= 2; pocet -= 2)
        z = DvojiceZprava(z, zbyva);
    if (pocet == 1) {
        *--z = static_cast<char>('0' + zbyva % 10);
        zbyva /= 10;
    }
    if (desetin > 0)
        *--z = '.';
    while (zbyva >= 100)
        z = DvojiceZprava(z, zbyva);
    if (zbyva >= 10)
        return DvojiceZprava(z, zbyva);
    *--z = static_cast<char>('0' + zbyva);
    return z;
}

/// How many digits `x` has (at least one): bit_width · 1233 / 4096 is the decimal logarithm of
/// 2^bit_width rounded down, one less than the count or the count itself.
int PocetCislic(std::uint64_t x)
{
    constexpr std::uint64_t Mocniny[] = {1u,
                                         10u,
                                         100u,
                                         1000u,
                                         10000u,
                                         100000u,
                                         1000000u,
                                         10000000u,
                                         100000000u,
                                         1000000000u,
                                         10000000000u,
                                         100000000000u,
                                         1000000000000u,
                                         10000000000000u,
                                         100000000000000u,
                                         1000000000000000u,
                                         10000000000000000u,
                                         100000000000000000u,
                                         1000000000000000000u,
                                         10000000000000000000u};
    const std::uint64_t licha = x | 1; // as many digits, and 0 has one
    const auto odhad = (static_cast<unsigned>(std::bit_width(licha)) * 1233) >> 12;
    return static_cast<int>(odhad) + (licha >= Mocniny[odhad] ? 1 : 0);
}

} // namespace

char* ZapsatF(char* cil, double hodnota, int sirka, int desetin)
{
    OveritKonecne(hodnota);
    desetin = std::clamp(desetin, 0, NejviceDesetin);
    const auto siroko = static_cast<std::size_t>(std::clamp(sirka, 0, NejvetsiSirka));
    if (const auto r = RychleZaokrouhlit(hodnota, desetin)) {
        // The length first, then the digits from the right: the decimals, the point, the whole
        // part (at least "0"), the sign.
        auto zbyva = static_cast<std::uint64_t>(*r);
        const bool zaporne = std::signbit(hodnota);
        const auto delka = static_cast<std::size_t>(std::max(PocetCislic(zbyva), desetin + 1) + (desetin > 0 ? 1 : 0)
                                                    + (zaporne ? 1 : 0));
        const std::size_t mezer = siroko > delka ? siroko - delka : 0;
        if (mezer > 0)
            std::memset(cil, ' ', NejvetsiSirka);
        char* const konec = cil + mezer + delka;
        char* const z = zbyva <= UINT32_MAX ? CisliceZprava(konec, static_cast<std::uint32_t>(zbyva), desetin)
                                            : CisliceZprava(konec, zbyva, desetin);
        if (zaporne)
            z[-1] = '-';
        return konec;
    }
    const auto delka = static_cast<std::size_t>(
        std::to_chars(cil, cil + NejvicZnakuCisla - NejvetsiSirka, hodnota, std::chars_format::fixed, desetin).ptr
        - cil);
    return cil + Zarovnat(cil, delka, sirka);
}

TCislo CisloF(double hodnota, int sirka, int desetin)
{
    TCislo cislo;
    cislo.delka_ = static_cast<std::size_t>(ZapsatF(cislo.znaky_, hodnota, sirka, desetin) - cislo.znaky_);
    return cislo;
}

std::string FormatF(double hodnota, int sirka, int desetin)
{
    return std::string(CisloF(hodnota, sirka, desetin).Text());
}

char* ZapsatE23(char* cil, double hodnota)
{
    OveritKonecne(hodnota);
    char* z = cil;
    *z++ = std::signbit(hodnota) ? '-' : ' ';
    // to_chars gives d.dddddddddddddde±xx; the exponent is widened to four digits.
    char vedecky[32];
    const char* const konec =
        std::to_chars(vedecky, vedecky + sizeof vedecky, std::fabs(hodnota), std::chars_format::scientific, 14).ptr;
    const char* const e = std::find(static_cast<const char*>(vedecky), konec, 'e');
    z = std::copy(static_cast<const char*>(vedecky), e, z);
    *z++ = 'E';
    *z++ = e[1];
    const auto cisliceExponentu = konec - (e + 2);
    for (auto k = cisliceExponentu; k < 4; ++k)
        *z++ = '0';
    return std::copy(e + 2, konec, z);
}

TCislo CisloE23(double hodnota)
{
    TCislo cislo;
    cislo.delka_ = static_cast<std::size_t>(ZapsatE23(cislo.znaky_, hodnota) - cislo.znaky_);
    return cislo;
}

std::string FormatE23(double hodnota)
{
    return std::string(CisloE23(hodnota).Text());
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
