#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lineon {

/// One row of the table of minimum sewer slopes: from this diameter up to the next row's.
struct TMinimalniSpad {
    std::int32_t Prumer = 0; ///< DN in mm
    double Spad = 0;         ///< per mille

    bool operator==(const TMinimalniSpad&) const = default;
};

/// The limits the checks of the line hold the computed project to. The defaults are typical
/// values; the user sets them to the standard and the operator that apply.
struct TLimityKontroly {
    /// Minimum sewer slopes by diameter; a diameter below every row (or an empty table) has 1000/DN ‰.
    std::vector<TMinimalniSpad> MinSpadStoky;
    double MaxSpadStoky = 100;        ///< ‰
    double MinKrytiStoky = 1.0;       ///< m above the top of the pipe
    double MinKrytiVodovodu = 1.2;    ///< m above the top of the pipe
    double VzdalenostSachet = 50;     ///< the longest sewer section, m
    double LimitSpadiste = 0.5;       ///< a larger drop inside a manhole, m, may need a drop manhole
    double MinSpadPripojky = 20;      ///< ‰
    double MaxSpadPripojky = 400;     ///< ‰
    double MinSklonKomunikace = 5;    ///< ‰, for the drainage
    double MaxSklonKomunikace = 120;  ///< ‰

    bool operator==(const TLimityKontroly&) const = default;
};

/// The table of minimum slopes from its text, "DN:slope" rows separated by ";" ("300:3.33;400:2.5");
/// an empty text is an empty table, a text of another form none.
std::optional<std::vector<TMinimalniSpad>> CistTabulkuSpadu(std::string_view text);

/// The text of the table, as `CistTabulkuSpadu` reads it back.
std::string TextTabulkySpadu(const std::vector<TMinimalniSpad>& tabulka);

/// A limit from its text: a decimal number, not negative.
std::optional<double> CistLimit(std::string_view text);

/// The shortest fixed-point text of a limit that reads back to the same number.
std::string TextLimitu(double hodnota);

} // namespace lineon
