#pragma once

#include "data/ProjektovySoubor.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <functional>
#include <optional>
#include <string>

// The commands of the "Soubor" menu over the project and the unsaved-changes prompt. The file
// dialogs belong to the window; they come in as functions. Redrawing and the caption are left to
// the window too. File errors are thrown as Chyba; nothing of the state changes then.
namespace lineon {

/// A save step of the window, e.g. its "Uložit" that may open the save dialog; true when written.
using KrokUlozeni = std::function<bool()>;

/// The file and the file type chosen in an open or save dialog.
struct TVolbaSouboru {
    std::string Cesta;
    FormatProjektu Format;
};

/// Shows a file dialog offering `nabidnutyNazev`; nothing when it is cancelled.
using DialogSouboru = std::function<std::optional<TVolbaSouboru>(const std::string& nabidnutyNazev)>;

/// "Soubor " + name + " byl změněn." + two line breaks + "Chcete uložit změny?"
std::string TextPotvrzeniUlozeni(const std::string& souborProjektu);

/// The unsaved-changes prompt: Yes runs `ulozit` and returns its result, No returns true without
/// saving, Cancel (or closing the box) returns false. True means the calling command may go on.
bool PotvrditUlozeni(const TProjekt& projekt, IZpravy& zpravy, const KrokUlozeni& ulozit);

/// Empties the project as "Nový" does: one empty row in each table, `Zmeneno` false, unnamed.
/// Rows above the old counts are emptied too, so the new row never shows stale data.
void VyprazdnitProjekt(TStav& stav);

/// "Nový": asks about unsaved changes, then empties the project; false when it stopped.
bool Novy(TStav& stav, IZpravy& zpravy, const KrokUlozeni& ulozit);

/// "Otevřít": asks about unsaved changes, shows the dialog, opens the chosen file in the chosen
/// format; false when it stopped before reading or the file yielded nothing (the project stays).
bool Otevrit(TStav& stav, IZpravy& zpravy, const KrokUlozeni& ulozit, const DialogSouboru& dialog);

/// What a file given from outside the program (on the command line, dropped on the window) is,
/// by the end of its name in either case: a project in one of its formats, or a survey file.
enum class DruhSouboru { Tabulka, Radky, Zamereni, Jiny };
DruhSouboru DruhSouboruPodleNazvu(const std::string& cesta);

/// What is told about a file of another kind.
std::string TextCizihoSouboru(const std::string& cesta);

/// "Uložit": an unnamed project, or one whose name ends in "dat", goes through `ulozitJako`;
/// any other is written in the table format under its name, whatever its extension.
bool Ulozit(TStav& stav, const KrokUlozeni& ulozitJako);

/// The name "Uložit jako" offers for the file type selected in the dialog: a final "csv" becomes
/// "dat" for the line format, a final "dat" becomes "csv" for the table format (case-sensitive).
std::string NazevDoDialogu(const std::string& souborProjektu, FormatProjektu typ);

/// The name "Uložit jako" writes: the same replacement, then ".csv" or ".dat" appended when the
/// name does not already end so (b.dat → b.csv, b → b.csv, b.CSV → b.CSV.csv for the table format).
std::string NazevUlozenehoSouboru(const std::string& zvoleny, FormatProjektu typ);

/// "Uložit jako" after its dialog: writes the project under the derived name in the chosen format,
/// then names the project so, `Zmeneno` false, `AdresarProjektu` the directory of the file.
void UlozitProjektJako(TStav& stav, const TVolbaSouboru& volba);

/// "Uložit jako": the dialog offers `NazevDoDialogu` for the type it starts with; false when it
/// was cancelled. A cancelled dialog leaves the project's name as it was.
bool UlozitJako(TStav& stav, FormatProjektu typVDialogu, const DialogSouboru& dialog);

} // namespace lineon
