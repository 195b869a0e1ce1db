#pragma once

#include "dxf/DxfZapis.h"

#include <optional>
#include <string_view>

// The entities of both drawings in each writer's value formats. Every x and y is written negated;
// radii, heights, angles and scales as they are.
namespace lineon::dxf {

/// The horizontal alignment (group 72) of a text whose alignment point is its insertion point:
/// centre (1), right (2) and middle (4) as given, every other value left (0), which is also what
/// tolerant readers show for a value they do not know.
int ZarovnaniVBode(int zarovnani);

/// LINE, the same in both drawings.
void Cara(DxfZapis& zapis, std::string_view vrstva, double x1, double y1, double x2, double y2);

/// TEXT of the profile; the angle group is written only when `uhel` is given.
void TextProfilu(DxfZapis& zapis, std::string_view vrstva, double x, double y, double vyska, std::string_view text,
                 std::optional<int> uhel, int zarovnani);

/// CIRCLE of the profile, always on "SIPKA".
void KruhProfilu(DxfZapis& zapis, double x, double y, double polomer);

/// TEXT of the site plan; the string comes after the alignment.
void TextSituace(DxfZapis& zapis, std::string_view vrstva, double x, double y, double vyska, double uhel,
                 int zarovnani, std::string_view text);

/// CIRCLE of the site plan.
void KruhSituace(DxfZapis& zapis, std::string_view vrstva, double x, double y, double polomer);

/// INSERT of a block of the site plan, scaled equally in both directions.
void Vlozeni(DxfZapis& zapis, std::string_view vrstva, std::string_view blok, double x, double y, double meritko);

} // namespace lineon::dxf
