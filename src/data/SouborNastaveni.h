#pragma once

#include "data/Nastaveni.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/RadkovyVystup.h"
#include "zaklad/Zpravy.h"

#include <string>
#include <vector>

// The settings file "$nastav": one value a line, in the order of `PoleNastaveni()`.
namespace lineon {

/// Reads the settings file into `nastaveni`, which starts from the defaults. Every value that
/// cannot be read, and every number outside the range of the control that edits it, keeps its
/// default; the returned warnings name each such line (a file read as UTF-8 gives an information
/// first). Only the first `NejvicOsob` person names are kept, further name lines are read past;
/// lines after the last setting are not read. Throws Chyba when the file cannot be read at all (a
/// missing file too: whether that matters is the caller's business) and at a line whose bytes or
/// characters code page 1250 cannot hold.
std::vector<TZprava> NacistNastaveni(const std::string& cesta, TNastaveni& nastaveni);

/// The same over lines of a file or of memory.
std::vector<TZprava> NacistNastaveni(soubor::CteniRadku& cteni, TNastaveni& nastaveni);

/// Writes every setting in the file's order and line formats (46 lines with three person names).
/// A text with a line break throws Chyba naming the setting, and nothing is written.
void UlozitNastaveni(const std::string& cesta, const TNastaveni& nastaveni);

/// The same into an output (its name stands for the path), which it ends.
void UlozitNastaveni(RadkovyVystup& vystup, const TNastaveni& nastaveni);

} // namespace lineon
