#pragma once

#include "data/Stav.h"

#include <string>

namespace lineon {

/// The text of the written-profile file, lines ended by "\n": the heading line, one line per point
/// with the slope and length of the section ending there, an empty line, and for a sewer or a
/// water main with connection rows the connection block. Every line but the first carries decimal
/// commas, labels included.
std::string TextPsanehoProfilu(const TStav& stav);

/// The written profile into its text file `AdresarProjektu` + `SouborPsanehoProfilu` when
/// "do textového souboru" is ticked. Throws Chyba when the file cannot be written; the previous
/// file stays as it was.
void ZapsatPsanyProfil(const TStav& stav);

} // namespace lineon
