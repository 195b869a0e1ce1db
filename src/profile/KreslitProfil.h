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
/// A line longer than `NejdelsiLinieProfilu` throws Chyba before anything is drawn or written.
void KreslitProfil(TStav& stav, INahledProfilu& nahled);

/// The longest line (its last stationing, in metres) a profile is drawn for. The drawing grows
/// with the length: a hectometre mark every 100 m, a fold mark every A4 width of paper (2.31 m at
/// 1:11); beyond this the file and the preview would grow without bound.
inline constexpr double NejdelsiLinieProfilu = 100000;

} // namespace lineon
