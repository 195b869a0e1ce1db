#pragma once

#include <optional>
#include <string>

namespace lineon {

/// What keeps a path from becoming `AdresarProjektu`, if anything: the settings file holds that
/// directory on one line in code page 1250, so a line break or a character that code page lacks
/// would keep the settings from being written (or shift every line after it). The text continues
/// "Název souboru „…“ ", e.g. "obsahuje konec řádku".
std::optional<std::string> VadaNazvuSouboru(const std::string& cesta);

} // namespace lineon
