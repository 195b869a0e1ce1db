#pragma once

#include "data/ProjektovySoubor.h"
#include "data/Stav.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Arguments that several commands of the batch program share.
namespace lineon::cli {

/// The options `compute` and `import` share.
struct TSpolecneVolby {
    std::optional<std::string> Nastaveni; ///< --settings FILE
    std::optional<std::string> Volby;     ///< --options FILE
    std::optional<TDruhSite> Druh;        ///< --kind 1|2|3
    std::optional<std::string> Jazyk;     ///< --lang CZ|SK
};

/// The value of the option at argumenty[i]; `i` moves onto it. Throws Chyba when it is missing.
const std::string& HodnotaVolby(const std::vector<std::string>& argumenty, std::size_t& i);

/// "csv" or "dat", the value of `volba` (--format, --in-format, --out-format).
FormatProjektu FormatZVolby(const std::string& volba, const std::string& hodnota);

/// Takes argumenty[i] with its value when it is one of the shared options; false when it is not.
/// A missing or bad value throws Chyba.
bool PrecistSpolecnouVolbu(const std::vector<std::string>& argumenty, std::size_t& i, TSpolecneVolby& volby);

/// Reads a settings file as the program does at start-up; here a missing file is an error, and
/// each damaged line becomes a warning on `chyby` (a file in UTF-8 an information).
void NacistNastaveniProCli(const std::string& cesta, TStav& stav, std::ostream& chyby);

/// Applies the shared options in this order: the settings file, the options file, the network
/// kind, the language.
void UplatnitSpolecneVolby(const TSpolecneVolby& volby, TStav& stav, std::ostream& chyby);

} // namespace lineon::cli
