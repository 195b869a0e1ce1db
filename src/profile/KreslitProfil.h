#pragma once

namespace lineon {

struct TStav;
class INahledProfilu;

/// Draws the longitudinal profile of the computed line with the confirmed comparison plane into
/// `AdresarProjektu` + `SouborProfilu` (entities only with "do DXF") and into the preview list
/// (with "na obrazovku"), and keeps its extents in `RozsahProfilu` for the preview window. Without
/// either switch it draws nothing and writes no file. The preview list holds this drawing alone.
/// Throws Chyba naming the file when it cannot be written; a previous file of that name then stays
/// as it was.
void KreslitProfil(TStav& stav, INahledProfilu& nahled);

} // namespace lineon
