#pragma once

#include <string>

namespace lineon {

/// Refuses a file name whose directory could not become `AdresarProjektu`: the settings file holds
/// that directory on one line in code page 1250, so a character that code page lacks or a line
/// break would keep the settings from being written (or shift every line after it). `coNelze`
/// ends the message, e.g. "projekt s takovým názvem nelze otevřít ani uložit".
void OveritNazevSouboru(const std::string& cesta, const std::string& coNelze);

} // namespace lineon
