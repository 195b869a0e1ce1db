#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"

// The row editing commands of the "Úpravy" menu. Each works on the active row r of its table
// (1-based; 0 when the table has no active row) and leaves redrawing to the window.
namespace lineon {

/// Where "Vložit prázdný řádek" puts the new row: before or after the cursor.
enum class MistoVlozeni { Pred, Za };

/// Inserts an empty point row before or after row r; after the cursor in an empty table it
/// becomes row 1. A full table throws the capacity message and nothing changes.
void VlozitRadek(TStav& stav, int r, MistoVlozeni misto);

/// Deletes point row r, asking first when it holds data.
void OdstranitRadek(TStav& stav, int r, IZpravy& zpravy);

/// Copies point row r into the row clipboard.
void KopirovatRadek(TStav& stav, int r);

/// Copies point row r into the row clipboard and empties the row in place.
void VyjmoutRadek(TStav& stav, int r);

/// Overwrites point row r with the row clipboard, asking first when the row has values.
void VlozitZeSchranky(TStav& stav, int r, IZpravy& zpravy);

/// Deletes connection row r, asking first when it holds data.
void OdstranitPripojku(TStav& stav, int r, IZpravy& zpravy);

/// Sorts the point rows ascending by `ZDna` (selection sort, so rows of equal levels may swap).
void SeraditPodleZDna(TStav& stav);

/// The question asked before a row with data is deleted.
inline constexpr const char* OtazkaZrusit = "Řádek obsahuje data. Mají se zrušit?";
/// The question asked before the clipboard overwrites a row with values.
inline constexpr const char* OtazkaPrepsat = "Řádek obsahuje data. Mají se přepsat?";

} // namespace lineon
