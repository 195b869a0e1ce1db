#pragma once

#include "data/Nastaveni.h"

#include <string>
#include <vector>

// The settings file "$nastav": one value a line, in the order of `PoleNastaveni()`.
namespace lineon {

/// Reads the settings file into `nastaveni`, which starts from the defaults. Every value that
/// cannot be read, and every number outside the range of the control that edits it, keeps its
/// default; the returned messages name each such line. Only the first
/// `NejvicOsob` person names are kept, further name lines are read past. Throws Chyba when the
/// file cannot be read at all (a missing file too: whether that matters is the caller's business).
std::vector<std::string> NacistNastaveni(const std::string& cesta, TNastaveni& nastaveni);

/// Writes every setting in the file's order and line formats (46 lines with three person names).
/// A text with a line break throws Chyba naming the setting, and nothing is written.
void UlozitNastaveni(const std::string& cesta, const TNastaveni& nastaveni);

} // namespace lineon
