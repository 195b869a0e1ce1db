#pragma once

#include "data/Nastaveni.h"

#include <array>
#include <string>

// The Czech and Slovak headings of the written profile, for its file and its window. A language
// other than "SK" is written in Czech; a network kind other than 2 (Vodovod) and 3 (Osa
// komunikace) is a sewer.
namespace lineon::psany {

inline constexpr int PocetSloupcuOkna = 9;

/// The first line of the file: the names of the point columns.
std::string HlavickaBodu(TDruhSite druhSite, const std::string& jazyk);

/// The title line of the connection block, e.g. "Přípojky a křížení sítí:".
std::string NadpisPripojek(const std::string& jazyk);

/// The names of the 14 fields of a connection line.
std::string HlavickaPripojek(const std::string& jazyk);

/// The heading above the window's table: "Psaný podélný profil" or "Písaný pozdĺžny profil".
std::string NadpisOkna(const std::string& jazyk);

/// The headings of the window's columns 0..8; a column that the network kind hides has an empty one.
std::array<std::string, PocetSloupcuOkna> NadpisySloupcuOkna(TDruhSite druhSite, const std::string& jazyk);

} // namespace lineon::psany
