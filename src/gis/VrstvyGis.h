#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lineon {

struct TStav;

enum class TypPoleGis { Cele, Realne, Text, Logicke };

/// One attribute of a layer: its name (Czech without diacritics) and its type.
struct TPoleGis {
    std::string_view Nazev;
    TypPoleGis Typ;
};

/// A value of an attribute; empty where the network kind has no such value.
using HodnotaGis = std::variant<std::monostate, std::int32_t, double, std::string, bool>;

/// A position in the national grid as the rows hold it: Y, X.
struct TPolohaGis {
    double Y = 0;
    double X = 0;
    bool operator==(const TPolohaGis&) const = default;
};

/// One feature: a point (one position) or a line string, and one value for each attribute of its layer.
struct TPrvekGis {
    std::vector<TPolohaGis> Polohy;
    std::vector<HodnotaGis> Hodnoty;
};

enum class GeometrieGis { Bod, Linie };

struct TVrstvaGis {
    std::string_view Nazev;
    GeometrieGis Geometrie;
    std::vector<TPoleGis> Pole;
    std::vector<TPrvekGis> Prvky;
};

/// The computed line as GIS layers: `body` (the points), `useky` (section i from point i to
/// point i + 1), `pripojky` (from the connection point on the line to the house manhole, for the
/// rows that have one) and `krizeni` (the rows typed with a crossing code). An empty connection
/// row is no feature.
std::vector<TVrstvaGis> VrstvyGis(const TStav& stav);

} // namespace lineon
