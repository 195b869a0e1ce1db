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
/// A sheet of more than `NejvicA4Profilu` A4 widths throws Chyba before anything is drawn or written.
void KreslitProfil(TStav& stav, INahledProfilu& nahled);

/// The most A4 widths of paper a profile's sheet may have: 210 m of paper, 1000 fold marks (a line
/// of 2.3 km at 1:11, of 42 km at 1:200, of 2100 km at 1:10000). It bounds every part of the
/// drawing that grows with the line: the fold marks and the hectometre marks.
inline constexpr int NejvicA4Profilu = 1000;

} // namespace lineon
