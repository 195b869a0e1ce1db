#pragma once

#include "data/ZamerenyBod.h"

#include <string>
#include <string_view>
#include <vector>

namespace lineon {

class IZpravy;
struct TStav;

/// The two line layouts of survey files, as the import dialog offers them.
enum class TypZamereni {
    Textovy = 1, ///< "textový soubor (*.txt,*.stx)": number, Y, X, level, code
    Specialni = 2 ///< "speciální textový soubor (*.txt)": three characters of prefix, then Y, X, level
};

/// One item of a line and the text after it.
struct TPolozka {
    std::string Polozka;
    std::string Zbytek;
};

/// Strips blanks, tabs and every other character with a code up to 32 at both ends.
std::string_view Orezat(std::string_view text);

/// Splits off the first item of a stripped text: it runs to the next blank or tab, and the rest
/// starts after that one separator.
TPolozka DalsiPolozka(std::string_view text);

/// Builds the coordinate list from the lines of a survey file. Lines without two numeric
/// coordinates fall out; at the capacity of the list the reading stops with a warning.
TSeznamSouradnic NacistSeznamSouradnic(const std::vector<std::string>& radky, TypZamereni typ, IZpravy& zpravy);

/// "Import": the project directory becomes the file's directory (unless the settings file could
/// not hold it: a line break, a character code page 1250 lacks), and the coordinate list is
/// rebuilt from the file. A file that cannot be read throws Chyba and leaves the old list.
void Importovat(TStav& stav, const std::string& cesta, TypZamereni typ, IZpravy& zpravy);

} // namespace lineon
