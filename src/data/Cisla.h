#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one formatter and the one reader of numbers in every file of the program.
namespace lineon::cisla {

/// Fixed point with `desetin` decimals, right-aligned in at least `sirka` characters, never cut;
/// "." as separator and the sign of a negative value (a negative zero too) in front. Infinity and
/// "not a number" have no form in any file: they throw Chyba.
std::string FormatF(double hodnota, int sirka, int desetin);

/// Scientific form of 23 characters: a blank or "-", one digit, ".", 14 digits, "E", sign,
/// four exponent digits; 1.0 gives " 1.00000000000000E+0000". Infinity and "not a number" throw
/// Chyba.
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
