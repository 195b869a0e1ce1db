#pragma once

namespace lineon {

class KresbaProfilu;

/// The lines of the title block right of the end of the line: a box 185 mm wide with a row of five
/// cells at its top and a column of five rows at its right.
void KreslitCaryTabulky(KresbaProfilu& kresba);

/// The captions and values of the title block; `pocetA4` is the sheet's number of A4 widths.
void KreslitTextyTabulky(KresbaProfilu& kresba, int pocetA4);

} // namespace lineon
