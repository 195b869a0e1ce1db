#pragma once

#include "data/Bod.h"
#include "data/Pripojka.h"
#include "zaklad/Tabulka.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

// One row of a project file as its fields: the table format puts them on one line, each followed
// by ";", the line format puts each on a line of its own. Both write and read them alike.
namespace lineon {

inline constexpr std::size_t PoliBodu = 9;
inline constexpr std::size_t PoliPripojky = 10;

/// The text of one field as it stands in a file, and the number (from 1) of its line.
struct TPoleSouboru {
    std::string_view Text;
    int Radek;
};

/// `Oznaceni`, `Y`, `X`, `ZDna`, `ZPoklopu`, `ZVtoku`, `ZOdtoku`, `Prumer`, "Ano"/"Ne" of `Dno`:
/// reals with 3 decimals in the widths 6 (Y), 7 (X) and 4 (levels), integers plain.
std::array<std::string, PoliBodu> PoleBodu(const TBod& bod);

/// `Typ`, `OznaceniPripojky`, `Y`, `X`, `OznaceniDS`, `YDS`, `XDS`, `ZPoklopuDS`, `ZDnaDS`, `Poradi`.
std::array<std::string, PoliPripojky> PolePripojky(const TPripojka& pripojka);

/// A point row from its fields: texts cut to 12 characters, `Dno` exactly when the text is "Ano",
/// an empty number field 0. Throws Chyba naming the file, the line and the field when a number
/// field holds something else.
TBod BodZPoli(std::span<const TPoleSouboru, PoliBodu> pole, const std::string& cesta);

TPripojka PripojkaZPoli(std::span<const TPoleSouboru, PoliPripojky> pole, const std::string& cesta);

/// Whether the fields have the shape of a connection row: every number field empty or a number.
bool MaTvarPripojky(std::span<const TPoleSouboru, PoliPripojky> pole);

/// Appends a row read from line `radek`; a table already full gives the capacity message with
/// the file and the line.
template <class Radek>
void PridatPrectenyRadek(Tabulka<Radek>& tabulka, Radek radek, const std::string& cesta, int cisloRadku)
{
    try {
        tabulka.Pridat(std::move(radek));
    } catch (const Chyba& chyba) {
        throw Chyba("Soubor „" + cesta + "“, řádek " + std::to_string(cisloRadku) + ": " + chyba.what());
    }
}

} // namespace lineon
