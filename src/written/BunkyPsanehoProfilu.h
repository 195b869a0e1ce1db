#pragma once

#include <string>

namespace lineon {

struct TStav;

namespace psany {

/// The text of one cell of the written-profile window's table, read live from the tables and the
/// results: row r is point r; columns 0..8 are the label, stationing, Y, X, bottom (or pipe) level,
/// cover (or ground) level, the slope and length of the section ending at the point, and the
/// cover depth; numbers with 2 decimals. A row beyond the point table is empty.
std::string BunkaOkna(const TStav& stav, int r, int sloupec);

} // namespace psany
} // namespace lineon
