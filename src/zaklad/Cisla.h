#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one formatter and the one reader of numbers in every file of the program.
namespace lineon::cisla {

/// A number written as text into a buffer of its own: the writers put millions of them into their
/// files without a trip to the heap or the locale.
// The largest double has 309 digits before the point; no form below takes more room than this.
inline constexpr std::size_t NejvicZnakuCisla = 400;

class TCislo {
public:
    std::string_view Text() const { return {znaky_, delka_}; }
    operator std::string_view() const { return Text(); }

private:
    friend TCislo CisloF(double hodnota, int sirka, int desetin);
    friend TCislo CisloE23(double hodnota);
    char znaky_[NejvicZnakuCisla];
    std::size_t delka_ = 0;
};

/// The widest field and the most decimals a number is written with.
inline constexpr int NejvetsiSirka = 40;
inline constexpr int NejviceDesetin = 20;

/// Fixed point with `desetin` decimals (0..20), right-aligned in at least `sirka` characters
/// (up to 40), never cut; "." as separator and the sign of a negative value (a negative zero too)
/// in front; the decimals are those of the exact value of the double, rounded half to even.
/// Infinity and "not a number" have no form in any file: they throw Chyba.
TCislo CisloF(double hodnota, int sirka, int desetin);
/// The same written at `cil`, which has room for `NejvicZnakuCisla` characters (those after the
/// number may be overwritten); returns the end of the number.
char* ZapsatF(char* cil, double hodnota, int sirka, int desetin);
std::string FormatF(double hodnota, int sirka, int desetin);

/// Scientific form of 23 characters: a blank or "-", one digit, ".", 14 digits, "E", sign,
/// four exponent digits; 1.0 gives " 1.00000000000000E+0000". Infinity and "not a number" throw
/// Chyba.
TCislo CisloE23(double hodnota);
/// The same written at `cil` as `ZapsatF` does.
char* ZapsatE23(char* cil, double hodnota);
std::string FormatE23(double hodnota);

/// Whether a decimal number may carry an exponent ("1e5"); most formats have none.
enum class Exponent { Zakazan, Povolen };

/// Reads a decimal number with "." as separator: blanks (and tabs) before it, an optional sign,
/// digits with at most one point, nothing after it. "nan", "inf", hexadecimal forms and values
/// that overflow are not numbers.
std::optional<double> CtiDesetinne(std::string_view text, Exponent exponent = Exponent::Zakazan);

/// Reads a whole number in 32 bits: blanks before it allowed, an optional sign, decimal digits.
std::optional<std::int32_t> CtiCele(std::string_view text);

/// Rounds to the nearest whole number, halves to the even neighbour.
std::int64_t ZaokrouhlitCele(double x);

/// Rounds to 0.01: round(100·x)/100 with halves to the even neighbour.
double ZaokrouhlitNaSetiny(double x);

/// Rounds towards zero.
double Oriznout(double x);

} // namespace lineon::cisla
