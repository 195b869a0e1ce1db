#pragma once

#include "dxf/DxfZapis.h"

#include <span>
#include <string_view>

// The fixed parts of both drawings: header, extents, tables, the site plan's blocks and the end.
namespace lineon::dxf {

/// One entry of a writer's layer table.
struct TVrstva {
    std::string_view Nazev;
    int Barva;
};

/// Start of the header: the version, the code page of the texts and the insertion base.
void Hlavicka(DxfZapis& zapis);

/// Extents and limits; (x1, y1) and (x2, y2) are written negated, so the caller passes the larger
/// coordinates first.
void Rozsah(DxfZapis& zapis, double x1, double y1, double x2, double y2);

/// Rest of the header and the tables LTYPE, LAYER (the writer's own layers), STYLE, VIEW and UCS.
void Tabulky(DxfZapis& zapis, std::span<const TVrstva> vrstvy);

/// The site plan's three symbols: hydrant "6$12", valve "6$14", manhole and connection point "6$20".
void BlokySituace(DxfZapis& zapis);

void ZacatekEntit(DxfZapis& zapis);

/// End of the entities and of the file.
void Konec(DxfZapis& zapis);

} // namespace lineon::dxf
