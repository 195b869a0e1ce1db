#pragma once

#include "data/Projekt.h"
#include "data/Stav.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/RadkovyVystup.h"
#include "zaklad/Zpravy.h"

#include <string>

// The two formats of the project files and opening and writing them.
namespace lineon {

enum class FormatProjektu {
    Tabulka, ///< ".csv", "tabulková data": one row a line, every field followed by ";"
    Radky,   ///< ".dat", "vstupní/původní data": one field a line
};

/// The format "Otevřít" takes when none is chosen: a name ending in ".dat" the line format,
/// anything else the table format.
FormatProjektu FormatPodleNazvu(const std::string& cesta);

/// The directory of a file, ending with "/" ("./" for a bare name).
std::string AdresarSouboru(const std::string& cesta);

/// The one rule for the names of the files the program opens and writes: a name that code page
/// 1250 cannot hold or that has a line break is refused, since the program could not open it again
/// (the project's directory goes into the settings file, which could then no longer be written).
void OveritNazevProjektu(const std::string& cesta);

/// "Otevřít" after its dialog: reads the file into fresh tables and only after a complete read
/// replaces the project (`Dno` from "Ano", a zero diameter becomes `PrumerPriImportu` while
/// `CheckBox1` is on), `Zmeneno` false, `SouborProjektu` the path, `AdresarProjektu` its
/// directory. A file that cannot be read, a line-format file that ends inside a record, a number
/// field that is not a number, a connection row among the points (the "#" line missing) or more
/// than 5000 rows throw Chyba naming the file and the line, and the project stays as it was.
/// A file read as UTF-8 is told as an information; a file with incomplete lines, or without one
/// complete row that holds data, gets one warning with the counts. Such a file yields nothing: the
/// project stays as it was and the result is false.
bool OtevritProjekt(TStav& stav, const std::string& cesta, FormatProjektu format, IZpravy& zpravy);

/// The same over lines of a file or of memory, whose name stands for the path.
bool OtevritProjekt(TStav& stav, soubor::CteniRadku& cteni, FormatProjektu format, IZpravy& zpravy);

/// Writes the project's tables in the format (through a temporary file renamed over the target).
/// A name the program could not open again is refused first, as `OveritNazevProjektu` does.
/// A text that the format would read back as something else (a ";" in the table format, a point
/// label "#" in the line format, a line break in either) throws Chyba naming the file, the row and
/// the text, and nothing is written.
void ZapsatProjekt(const TProjekt& projekt, const std::string& cesta, FormatProjektu format,
                   const soubor::Disk& disk = soubor::SystemovyDisk());

/// The same into an output (its name stands for the path), which it ends.
void ZapsatProjekt(const TProjekt& projekt, RadkovyVystup& vystup, FormatProjektu format);

} // namespace lineon
