#pragma once

#include "zaklad/CteniRadku.h"
#include "zaklad/PrehledCteni.h"
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

/// The coordinate list built from the lines of a survey file one at a time, and what was left out.
class SestaveniSeznamu {
public:
    explicit SestaveniSeznamu(TypZamereni typ) : typ_(typ) {}

    /// Takes line `cislo`: a record when it has two numeric coordinates, else a line left out
    /// (unless it is empty). False when the list is full and the line was not read.
    bool Radek(std::string_view radek, std::size_t cislo);

    /// A line that gives no text: its bytes or characters have no place in the program's files.
    void Vadny(const soubor::TRadekSouboru& radek);

    /// The list is full: the lines from `cislo` on were not read.
    void Plny(std::size_t cislo) { plnyOdRadku_ = cislo; }

    const TSeznamSouradnic& Seznam() const { return seznam_; }
    TSeznamSouradnic&& VzitSeznam() { return std::move(seznam_); }

    /// Whether the reading has something to tell: no record, or lines left out.
    bool MaZpravu() const;
    /// "Soubor „…“: načteno 46 bodů z 48 řádků; vynechané řádky bez dvou číselných souřadnic: 1, 2."
    std::string Zprava(const std::string& cesta, std::size_t radku) const;

private:
    TypZamereni typ_;
    TSeznamSouradnic seznam_;
    VybraneRadky bezSouradnic_;
    VybraneRadky sBajtem_;
    VybraneRadky seZnakem_;
    VybraneRadky neniUtf8_;
    std::size_t plnyOdRadku_ = 0;
};

/// "Import": the project directory becomes the file's directory (unless the settings file could
/// not hold it: a line break, a character code page 1250 lacks), and the coordinate list is
/// rebuilt from the file, read line by line up to the list's capacity (the lines after it are only
/// counted). A file read as UTF-8 is told as an information; lines left out, the capacity or a file
/// without one point get one warning with the counts. A file without one point keeps the old list
/// and gives false. A file that cannot be read throws Chyba and leaves the old list.
bool Importovat(TStav& stav, const std::string& cesta, TypZamereni typ, IZpravy& zpravy);

/// The coordinate list rebuilt from lines of a file or of memory, as `Importovat` does after it
/// set the directory.
bool Importovat(TStav& stav, soubor::CteniRadku& cteni, TypZamereni typ, IZpravy& zpravy);

} // namespace lineon
