#pragma once

#include "data/Doplnky.h"
#include "data/Nastaveni.h"
#include "data/Vystupy.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One table of every setting and every control of the outputs dialog "Nastavení": the settings
// file, the batch program's options file, the rules of the dialog and its window all work from it.
// A new setting or control is one row here (and its member of `TNastaveni` or `TVystupy`).
namespace lineon {

/// How a setting stands in the settings file.
enum class TypNastaveni {
    Zadny,   ///< not in the settings file: a dialog-only control
    Cele,    ///< whole number
    Realne,  ///< real, written in the 23-character scientific form
    Kod,     ///< survey code; the file keeps its first 5 characters
    Text16,  ///< text; the file keeps its first 16 characters
    Radek,   ///< text of one whole line
    Logicke, ///< "TRUE" or "FALSE"
    Osoby,   ///< the count of person names, then that many name lines
};

/// Where a value lives: a setting in `TNastaveni`, a dialog-only value in `TVystupy`, or a setting
/// beyond the settings file in `TDoplnky` and its limits of the checks (the file "$doplnky" has
/// its own reader).
using ClenNastaveni = std::variant<std::int32_t TNastaveni::*, TDruhSite TNastaveni::*, double TNastaveni::*, std::string TNastaveni::*,
                                   bool TNastaveni::*, std::vector<std::string> TNastaveni::*, bool TVystupy::*,
                                   std::string TVystupy::*, bool TDoplnky::*, std::string TDoplnky::*,
                                   double TLimityKontroly::*, std::vector<TMinimalniSpad> TLimityKontroly::*>;

/// The range a window control allows for a number (`Od` > `Do`: no range).
struct TMeze {
    double Od = 0;
    double Do = -1;
    int Desetin = 0; ///< decimals the control can hold

    constexpr bool Plati() const { return Od <= Do; }
    /// Whether a value lies in the range (always, when there is none).
    constexpr bool Obsahuje(double x) const { return !Plati() || (x >= Od && x <= Do); }
};

/// The page of the outputs dialog a control stands on.
enum class StrankaVystupu { Zadna, Vystupy, Situace, Profil, Rovina, Umisteni, Obsah, Kontrola };

/// Page titles in the order of `StrankaVystupu` from `Vystupy`.
inline constexpr std::array<std::string_view, 7> NazvyStranek = {
    "Výstupy", "Situace", "Podélný profil", "Srovnávací rovina", "Umístění", "Obsah kresby", "Kontrola"};

/// The kind of control of the outputs dialog.
enum class DruhOvladace {
    Zadny,        ///< not in the outputs dialog
    Zaskrtavatko, ///< check box
    Prepinac,     ///< radio button
    Text,         ///< text field
    Cislo,        ///< number field with the row's range
    Kombo,        ///< text with a drop-down list
    Adresar,      ///< directory with the directories above it as its list, and a button to choose one
    Datum,        ///< date field
    Volby,        ///< radio group; its caption holds the choices, one a line
    TabulkaSpadu, ///< the minimum slopes by diameter as a text "DN:slope;DN:slope"
};

/// When the outputs dialog takes a value into its control and gives it back.
enum class ZpusobPrevzeti {
    Hned,        ///< the control edits the value itself, at once
    PriAktivaci, ///< copied in at each activation, back on closing
    PriVytvoreni ///< copied in once at creation (when in range, else the range's start), back on closing
};

/// Network kinds (bit k-1 for the kind k) that show a control.
inline constexpr std::uint8_t VsechnyDruhy = 0b111;
inline constexpr std::uint8_t KanalizaceAVodovod = 0b011;
inline constexpr std::uint8_t JenKanalizace = 0b001;

/// One row: a setting, a control, or a setting with the control that edits it.
struct TPoleNastaveni {
    std::string_view Ovladac{}; ///< the window control's name; empty for menus and dialogs of their own
    ClenNastaveni Clen{};
    std::string_view Nazev{};                 ///< the setting's name; empty for a dialog-only control
    TypNastaveni Typ = TypNastaveni::Zadny; ///< the line format in the settings file
    int Radek = -1;                         ///< its line in the settings file, from 0
    TMeze Meze{};                             ///< numbers: the control's (or menu's) range
    int MaxZnaku = 0;                       ///< texts: length of the control's field; 0 when unlimited
    // The outputs dialog:
    StrankaVystupu Stranka = StrankaVystupu::Zadna;
    DruhOvladace Druh = DruhOvladace::Zadny;
    std::string_view Popis{};    ///< the text of a check box or radio button, the caption of a field
    std::string_view Skupina{};  ///< the titled group it stands in; rows of one group follow each other
    int Odsazeni = 0;          ///< 1: indented under the control above
    bool Vedle = false;        ///< on the line of the row before, at the field's place
    std::string_view Poznamka{}; ///< a hint after a check box
    std::string_view NazevPopisu{}; ///< the object name of the caption, when it has one
    ZpusobPrevzeti Prevzeti = ZpusobPrevzeti::Hned;
    std::string_view Protejsek{}; ///< the other of a pair of which exactly one is set
    /// The check box or radio button whose click enables or disables this control; when the last
    /// check box under it is unchecked, it is unchecked too.
    std::string_view Zavisi{};
    bool Povolen = true;                ///< enabled at start
    bool Skryty = false;                ///< hidden until a network kind is applied
    std::uint8_t Druhy = VsechnyDruhy;  ///< the network kinds that show it
    bool SeznamOsob = false;            ///< its drop-down list is `Osoby`

    /// The name in the options file: the setting's, or the control's for a dialog-only value.
    constexpr std::string_view Jmeno() const { return Nazev.empty() ? Ovladac : Nazev; }
};

namespace pole_nastaveni {

using T = TypNastaveni;
using N = TNastaveni;
using V = TVystupy;
using S = StrankaVystupu;
using D = DruhOvladace;
using P = ZpusobPrevzeti;
using L = TLimityKontroly;

inline constexpr TMeze Meritko{11, 10000};
inline constexpr TMeze VyskaTextu{0.1, 99.9, 1};
inline constexpr TMeze Posun{-32768, 32767};
inline constexpr TMeze Umisteni{0, 2147483647};
inline constexpr TMeze Promile{0, 1000, 2};
inline constexpr TMeze Metry{0, 100, 2};
inline constexpr int NazevSouboru = 16;   // the output file names
inline constexpr int Material = 30;       // matField
inline constexpr int KodPrevodu = 5;      // the first five code fields of the automatic conversion
inline constexpr int DelsiKodPrevodu = 6; // its other code fields
inline constexpr int KodZnacky = 12;      // the mark codes of the site-plan page

// The outputs dialog page by page, then the settings edited elsewhere in the order of the file.
inline constexpr auto Tabulka = std::to_array<TPoleNastaveni>({
    // page "Výstupy"
    {.Ovladac = "FolderField", .Clen = &N::AdresarProjektu, .Nazev = "AdresarProjektu", .Typ = T::Radek, .Radek = 22,
     .Stranka = S::Vystupy, .Druh = D::Adresar, .Popis = "Adresář: ", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "Sitcheck", .Clen = &V::Sitcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "Situace (do DXF)"},
    {.Ovladac = "sitField", .Clen = &V::SouborSituace, .MaxZnaku = NazevSouboru, .Stranka = S::Vystupy,
     .Druh = D::Text, .Vedle = true, .Prevzeti = P::PriAktivaci},
    {.Ovladac = "gpkgcheck", .Clen = &TDoplnky::gpkgcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "do GIS (GeoPackage)"},
    {.Ovladac = "gpkgField", .Clen = &TDoplnky::SouborGpkg, .Stranka = S::Vystupy, .Druh = D::Text, .Vedle = true,
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "profcheck", .Clen = &V::profcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "Podélný profil"},
    {.Ovladac = "profobrcheck", .Clen = &V::profobrcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "na obrazovku", .Odsazeni = 1, .Zavisi = "profcheck"},
    {.Ovladac = "profdxfcheck", .Clen = &V::profdxfcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "do DXF", .Odsazeni = 1, .Zavisi = "profcheck"},
    {.Ovladac = "profField", .Clen = &V::SouborProfilu, .MaxZnaku = NazevSouboru, .Stranka = S::Vystupy,
     .Druh = D::Text, .Vedle = true, .Prevzeti = P::PriAktivaci, .Zavisi = "profcheck"},
    {.Ovladac = "psancheck", .Clen = &V::psancheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "Psaný podélný profil"},
    {.Ovladac = "psanobrcheck", .Clen = &V::psanobrcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "na obrazovku", .Odsazeni = 1, .Zavisi = "psancheck"},
    {.Ovladac = "psantxtcheck", .Clen = &V::psantxtcheck, .Stranka = S::Vystupy, .Druh = D::Zaskrtavatko,
     .Popis = "do textového souboru", .Odsazeni = 1, .Zavisi = "psancheck"},
    {.Ovladac = "psanField", .Clen = &V::SouborPsanehoProfilu, .MaxZnaku = NazevSouboru, .Stranka = S::Vystupy,
     .Druh = D::Text, .Vedle = true, .Prevzeti = P::PriAktivaci, .Zavisi = "psancheck"},
    // page "Situace"
    {.Ovladac = "merfield", .Clen = &N::MeritkoSituace, .Nazev = "MeritkoSituace", .Typ = T::Cele, .Radek = 2,
     .Meze = Meritko, .Stranka = S::Situace, .Druh = D::Cislo, .Popis = "Měřítko situace: 1:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "vyskyField", .Clen = &N::VyskaKot, .Nazev = "VyskaKot", .Typ = T::Realne, .Radek = 3,
     .Meze = VyskaTextu, .Stranka = S::Situace, .Druh = D::Cislo, .Popis = "Výškové kóty:",
     .Skupina = "Výšky textů (v mm):", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "oznacField", .Clen = &N::VyskaOznaceni, .Nazev = "VyskaOznaceni", .Typ = T::Realne, .Radek = 5,
     .Meze = VyskaTextu, .Stranka = S::Situace, .Druh = D::Cislo, .Popis = "Označení šachty:",
     .Skupina = "Výšky textů (v mm):", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "vypocField", .Clen = &N::VyskaPopisu, .Nazev = "VyskaPopisu", .Typ = T::Realne, .Radek = 4,
     .Meze = VyskaTextu, .Stranka = S::Situace, .Druh = D::Cislo,
     .Popis = "Vypočtené hodnoty a ostatní popisy (délka, spád, průměr potrubí, materiál):",
     .Skupina = "Výšky textů (v mm):", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "stocRcheck", .Clen = &V::stocRcheck, .Stranka = S::Situace, .Druh = D::Zaskrtavatko,
     .Popis = "rovnoběžně", .Skupina = "Popisy misťovat vzhledem k ose:", .Protejsek = "stocKcheck"},
    {.Ovladac = "stocKcheck", .Clen = &V::stocKcheck, .Stranka = S::Situace, .Druh = D::Zaskrtavatko,
     .Popis = "kolmo", .Skupina = "Popisy misťovat vzhledem k ose:", .Vedle = true, .Protejsek = "stocRcheck"},
    {.Ovladac = "hydrantF", .Clen = &N::KodHydrant, .Nazev = "KodHydrant", .Typ = T::Text16, .Radek = 41,
     .MaxZnaku = KodZnacky, .Stranka = S::Situace, .Druh = D::Text, .Popis = "Hydrant:",
     .Skupina = "Kody pro umístění značek (u vodovodu):", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "soupeF", .Clen = &N::KodSoupe, .Nazev = "KodSoupe", .Typ = T::Text16, .Radek = 42,
     .MaxZnaku = KodZnacky, .Stranka = S::Situace, .Druh = D::Text, .Popis = "Šoupě:",
     .Skupina = "Kody pro umístění značek (u vodovodu):", .Prevzeti = P::PriAktivaci},
    // page "Podélný profil"
    {.Ovladac = "dmField", .Clen = &N::DelkoveMeritko, .Nazev = "DelkoveMeritko", .Typ = T::Cele, .Radek = 0,
     .Meze = Meritko, .Stranka = S::Profil, .Druh = D::Cislo, .Popis = "Délkové měřítko:  1 : ",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "vmField", .Clen = &N::VyskoveMeritko, .Nazev = "VyskoveMeritko", .Typ = T::Cele, .Radek = 1,
     .Meze = {11, 2000}, .Stranka = S::Profil, .Druh = D::Cislo, .Popis = "Výškové měřítko:  1 : ",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "dField", .Clen = &N::PrumerPriImportu, .Nazev = "PrumerPriImportu", .Typ = T::Cele, .Radek = 12,
     .Meze = {0, 5000}, .Stranka = S::Profil, .Druh = D::Cislo, .Popis = "Průměr potrubí při importu (mm)",
     .NazevPopisu = "Label1", .Prevzeti = P::PriAktivaci, .Druhy = KanalizaceAVodovod},
    {.Ovladac = "matField", .Clen = &V::matField, .MaxZnaku = Material, .Stranka = S::Profil, .Druh = D::Text,
     .Popis = "Materiál:"},
    {.Ovladac = "Stanbez", .Clen = &N::StaniceniDo100, .Nazev = "StaniceniDo100", .Typ = T::Logicke, .Radek = 40,
     .Stranka = S::Profil, .Druh = D::Zaskrtavatko, .Popis = "Staničení uvádět jen do 100 ",
     .Poznamka = "(např. 256,23 uvádět jen 56,23)", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "popdelcheck", .Clen = &N::LegendaDelka, .Nazev = "LegendaDelka", .Typ = T::Logicke, .Radek = 39,
     .Stranka = S::Profil, .Druh = D::Zaskrtavatko, .Popis = "Legenda (+Délka)", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "Krytiradio", .Clen = &N::ZobrazeniKryti, .Nazev = "ZobrazeniKryti", .Typ = T::Cele, .Radek = 26,
     .Meze = {0, 2}, .Stranka = S::Profil, .Druh = D::Volby,
     .Popis = "Zobrazovat krytí (měřit od vrchu potrubí)\nZobrazovat krytí (měřit od spodu potrubí)\n"
              "Nezobrazovat krytí",
     .Prevzeti = P::PriVytvoreni},
    {.Ovladac = "Delkaradio", .Clen = &N::ZobrazeniDelek, .Nazev = "ZobrazeniDelek", .Typ = T::Cele, .Radek = 27,
     .Meze = {0, 1}, .Stranka = S::Profil, .Druh = D::Volby, .Popis = "Délky - nahoře i dole\nDélky - pouze dole",
     .Prevzeti = P::PriVytvoreni},
    // shown for information only: the user never changes it
    {.Ovladac = "CheckBox1", .Clen = &V::CheckBox1, .Stranka = S::Profil, .Druh = D::Zaskrtavatko,
     .Popis = "Jednotný průměr potrubí", .Povolen = false, .Skryty = true, .Druhy = KanalizaceAVodovod},
    // page "Srovnávací rovina"
    {.Ovladac = "posSRField", .Clen = &N::PosunSR, .Nazev = "PosunSR", .Typ = T::Cele, .Radek = 6, .Meze = {0, 100},
     .Stranka = S::Rovina, .Druh = D::Cislo, .Popis = "Posun srovnávací roviny (m) při výškovém měřítku 1:100",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "lhSRField", .Clen = &N::LimitSR, .Nazev = "LimitSR", .Typ = T::Cele, .Radek = 7, .Meze = {0, 1000},
     .Stranka = S::Rovina, .Druh = D::Cislo, .Popis = "Limitní hodnota - max. výška od srovn. rov.(mm)",
     .Prevzeti = P::PriAktivaci},
    // page "Umístění"
    {.Ovladac = "RadioButton1", .Clen = &V::RadioButton1, .Stranka = S::Umisteni, .Druh = D::Prepinac,
     .Popis = "Souřadnice středu úseku posunuté o dX a dY", .Protejsek = "RadioButton2"},
    {.Ovladac = "dxField", .Clen = &N::Dx, .Nazev = "Dx", .Typ = T::Cele, .Radek = 8, .Meze = Posun,
     .Stranka = S::Umisteni, .Druh = D::Cislo, .Popis = "dX", .Odsazeni = 1, .Prevzeti = P::PriAktivaci,
     .Zavisi = "RadioButton1"},
    {.Ovladac = "dyField", .Clen = &N::Dy, .Nazev = "Dy", .Typ = T::Cele, .Radek = 9, .Meze = Posun,
     .Stranka = S::Umisteni, .Druh = D::Cislo, .Popis = "dY", .Odsazeni = 1, .Prevzeti = P::PriAktivaci,
     .Zavisi = "RadioButton1"},
    {.Ovladac = "RadioButton2", .Clen = &V::RadioButton2, .Stranka = S::Umisteni, .Druh = D::Prepinac,
     .Popis = "Vlastní souřadnice (X a Y)", .Protejsek = "RadioButton1"},
    {.Ovladac = "vsXField", .Clen = &N::UmisteniX, .Nazev = "UmisteniX", .Typ = T::Cele, .Radek = 10,
     .Meze = Umisteni, .Stranka = S::Umisteni, .Druh = D::Cislo, .Popis = "X", .Odsazeni = 1,
     .Prevzeti = P::PriAktivaci, .Zavisi = "RadioButton2", .Povolen = false},
    {.Ovladac = "vsYField", .Clen = &N::UmisteniY, .Nazev = "UmisteniY", .Typ = T::Cele, .Radek = 11,
     .Meze = Umisteni, .Stranka = S::Umisteni, .Druh = D::Cislo, .Popis = "Y", .Odsazeni = 1,
     .Prevzeti = P::PriAktivaci, .Zavisi = "RadioButton2", .Povolen = false},
    // page "Obsah kresby"; the title-block texts go as typed into the drawing
    {.Ovladac = "ramcheck", .Clen = &V::ramcheck, .Stranka = S::Obsah, .Druh = D::Zaskrtavatko,
     .Popis = "vytvořit okrajový rámeček"},
    {.Ovladac = "znakcheck", .Clen = &V::znakcheck, .Stranka = S::Obsah, .Druh = D::Zaskrtavatko,
     .Popis = "umisťovat značky šachet", .Druhy = JenKanalizace},
    {.Ovladac = "tabcheck", .Clen = &V::tabcheck, .Stranka = S::Obsah, .Druh = D::Zaskrtavatko,
     .Popis = "vytvořit popisovou tabulku"},
    {.Ovladac = "datumEdit", .Clen = &V::datumEdit, .Stranka = S::Obsah, .Druh = D::Datum, .Popis = "Datum:",
     .Zavisi = "tabcheck"},
    {.Ovladac = "zakEdit", .Clen = &V::zakEdit, .Stranka = S::Obsah, .Druh = D::Text, .Popis = "Zakázka č.",
     .Zavisi = "tabcheck"},
    {.Ovladac = "mercombo", .Clen = &V::mercombo, .Stranka = S::Obsah, .Druh = D::Kombo, .Popis = "Měřil:",
     .Zavisi = "tabcheck", .SeznamOsob = true},
    {.Ovladac = "vypcombo", .Clen = &V::vypcombo, .Stranka = S::Obsah, .Druh = D::Kombo, .Popis = "Vypracoval:",
     .Zavisi = "tabcheck", .SeznamOsob = true},
    {.Ovladac = "koncombo", .Clen = &V::koncombo, .Stranka = S::Obsah, .Druh = D::Kombo, .Popis = "Kontroloval:",
     .Zavisi = "tabcheck", .SeznamOsob = true},
    {.Ovladac = "soucombo", .Clen = &V::soucombo, .Stranka = S::Obsah, .Druh = D::Kombo,
     .Popis = "Souřadnicový systém:", .Zavisi = "tabcheck"},
    {.Ovladac = "vyscombo", .Clen = &V::vyscombo, .Stranka = S::Obsah, .Druh = D::Kombo, .Popis = "Výškový systém:",
     .Zavisi = "tabcheck"},
    // page "Kontrola": the limits of the checks of the line, kept in "$doplnky"
    {.Ovladac = "minSpadField", .Clen = &L::MinSpadStoky, .Stranka = S::Kontrola, .Druh = D::TabulkaSpadu,
     .Popis = "Minimální spád podle DN (DN:‰;DN:‰):", .Skupina = "Kanalizace:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "maxSpadField", .Clen = &L::MaxSpadStoky, .Meze = Promile, .Stranka = S::Kontrola, .Druh = D::Cislo,
     .Popis = "Maximální spád (‰):", .Skupina = "Kanalizace:", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "krytiStokyField", .Clen = &L::MinKrytiStoky, .Meze = Metry, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Minimální krytí nad vrchem potrubí (m):", .Skupina = "Kanalizace:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "sachtyField", .Clen = &L::VzdalenostSachet, .Meze = {0, 10000, 2}, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Největší vzdálenost šachet (m):", .Skupina = "Kanalizace:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "spadisteField", .Clen = &L::LimitSpadiste, .Meze = Metry, .Stranka = S::Kontrola, .Druh = D::Cislo,
     .Popis = "Spadiště nad rozdílem vtoku a odtoku (m):", .Skupina = "Kanalizace:", .Prevzeti = P::PriAktivaci},
    {.Ovladac = "minPripField", .Clen = &L::MinSpadPripojky, .Meze = Promile, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Minimální spád přípojky (‰):", .Skupina = "Kanalizace:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "maxPripField", .Clen = &L::MaxSpadPripojky, .Meze = Promile, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Maximální spád přípojky (‰):", .Skupina = "Kanalizace:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "krytiVodField", .Clen = &L::MinKrytiVodovodu, .Meze = Metry, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Minimální krytí nad vrchem potrubí (m):", .Skupina = "Vodovod:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "minSklonField", .Clen = &L::MinSklonKomunikace, .Meze = Promile, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Minimální podélný sklon (‰):", .Skupina = "Osa komunikace:",
     .Prevzeti = P::PriAktivaci},
    {.Ovladac = "maxSklonField", .Clen = &L::MaxSklonKomunikace, .Meze = Promile, .Stranka = S::Kontrola,
     .Druh = D::Cislo, .Popis = "Maximální podélný sklon (‰):", .Skupina = "Osa komunikace:",
     .Prevzeti = P::PriAktivaci},
    // the automatic conversion "Automatický převod"
    {.Ovladac = "ApField", .Clen = &N::KodZPoklopu, .Nazev = "KodZPoklopu", .Typ = T::Kod, .Radek = 13,
     .MaxZnaku = KodPrevodu},
    {.Ovladac = "AsField", .Clen = &N::KodXY, .Nazev = "KodXY", .Typ = T::Kod, .Radek = 14, .MaxZnaku = KodPrevodu},
    {.Ovladac = "AdField", .Clen = &N::KodZDna, .Nazev = "KodZDna", .Typ = T::Kod, .Radek = 15,
     .MaxZnaku = KodPrevodu},
    {.Ovladac = "AvField", .Clen = &N::KodZVtoku, .Nazev = "KodZVtoku", .Typ = T::Kod, .Radek = 16,
     .MaxZnaku = KodPrevodu},
    {.Ovladac = "AoField", .Clen = &N::KodZOdtoku, .Nazev = "KodZOdtoku", .Typ = T::Kod, .Radek = 17,
     .MaxZnaku = KodPrevodu},
    {.Ovladac = "AcField", .Clen = &N::KodOznaceni, .Nazev = "KodOznaceni", .Typ = T::Kod, .Radek = 18,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "RadioGroup2", .Clen = &N::ZpusobOznaceni, .Nazev = "ZpusobOznaceni", .Typ = T::Cele, .Radek = 19,
     .Meze = {0, 2}},
    // the menus and the main window
    {.Clen = &N::NazevSite, .Nazev = "NazevSite", .Typ = T::Radek, .Radek = 20},
    {.Clen = &N::DruhSite, .Nazev = "DruhSite", .Typ = T::Cele, .Radek = 21, .Meze = {1, 3}},
    {.Clen = &N::Osoby, .Nazev = "PocetOsob", .Typ = T::Osoby, .Radek = 23},
    {.Clen = &N::Jazyk, .Nazev = "Jazyk", .Typ = T::Text16, .Radek = 24},
    {.Clen = &N::ImportFilterIndex, .Nazev = "ImportFilterIndex", .Typ = T::Cele, .Radek = 25, .Meze = {1, 2}},
    // the automatic conversion's codes of crossings, connections and house manholes
    {.Ovladac = "AprField1", .Clen = &N::KodKrizeni1, .Nazev = "KodKrizeni1", .Typ = T::Kod, .Radek = 28,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField2", .Clen = &N::KodKrizeni2, .Nazev = "KodKrizeni2", .Typ = T::Kod, .Radek = 29,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField3", .Clen = &N::KodKrizeni3, .Nazev = "KodKrizeni3", .Typ = T::Kod, .Radek = 30,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField4", .Clen = &N::KodKrizeni4, .Nazev = "KodKrizeni4", .Typ = T::Kod, .Radek = 31,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField5", .Clen = &N::KodKrizeni5, .Nazev = "KodKrizeni5", .Typ = T::Kod, .Radek = 32,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField6", .Clen = &N::KodXYPripojky, .Nazev = "KodXYPripojky", .Typ = T::Kod, .Radek = 33,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField7", .Clen = &N::KodXYDS, .Nazev = "KodXYDS", .Typ = T::Kod, .Radek = 34,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField8", .Clen = &N::KodZPoklopuDS, .Nazev = "KodZPoklopuDS", .Typ = T::Kod, .Radek = 35,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField9", .Clen = &N::KodZDnaDS, .Nazev = "KodZDnaDS", .Typ = T::Kod, .Radek = 36,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField10", .Clen = &N::KodOznaceniDS, .Nazev = "KodOznaceniDS", .Typ = T::Kod, .Radek = 37,
     .MaxZnaku = DelsiKodPrevodu},
    {.Ovladac = "AprField11", .Clen = &N::KodOznaceniPripojky, .Nazev = "KodOznaceniPripojky", .Typ = T::Kod,
     .Radek = 38, .MaxZnaku = DelsiKodPrevodu},
});

constexpr std::size_t PocetVSouboru()
{
    std::size_t pocet = 0;
    for (const auto& pole : Tabulka)
        pocet += pole.Typ != TypNastaveni::Zadny;
    return pocet;
}

// The rows of the settings in the order of the settings file's lines.
inline constexpr auto RadkySouboru = [] {
    std::array<TPoleNastaveni, PocetVSouboru()> radky{};
    for (const auto& pole : Tabulka)
        if (pole.Typ != TypNastaveni::Zadny)
            radky.at(static_cast<std::size_t>(pole.Radek)) = pole;
    return radky;
}();

} // namespace pole_nastaveni

/// Every setting and control.
inline constexpr const auto& TabulkaNastaveni = pole_nastaveni::Tabulka;

/// The index in `TabulkaNastaveni` of the control of that name, or the table's size for none.
/// (Indices, not pointers: a pointer into the table compared with null is no constant expression
/// in the sanitizer builds.)
constexpr std::size_t PoradiOvladace(std::string_view ovladac)
{
    for (std::size_t i = 0; i < TabulkaNastaveni.size(); ++i)
        if (!ovladac.empty() && TabulkaNastaveni[i].Ovladac == ovladac)
            return i;
    return TabulkaNastaveni.size();
}

/// The row of the control of that name, or nullptr.
inline const TPoleNastaveni* NajitOvladac(std::string_view ovladac)
{
    const std::size_t i = PoradiOvladace(ovladac);
    return i < TabulkaNastaveni.size() ? &TabulkaNastaveni[i] : nullptr;
}

/// The index in `TabulkaNastaveni` of a control named in the sources; a name not in the table does
/// not compile.
consteval std::size_t IndexOvladace(std::string_view ovladac)
{
    const std::size_t i = PoradiOvladace(ovladac);
    if (i == TabulkaNastaveni.size())
        throw "no such control";
    return i;
}

/// The row of a control named in the sources; a name not in the table does not compile.
consteval const TPoleNastaveni& PoleOvladace(std::string_view ovladac)
{
    return TabulkaNastaveni[IndexOvladace(ovladac)];
}

/// Every setting in the order of the settings file.
inline constexpr const auto& PoleNastaveni()
{
    return pole_nastaveni::RadkySouboru;
}

/// A whole-number setting's value (`DruhSite` as its number 1, 2 or 3), and setting it.
std::int32_t CeleCislo(const TNastaveni& nastaveni, const TPoleNastaveni& pole);
void NastavitCele(TNastaveni& nastaveni, const TPoleNastaveni& pole, std::int32_t hodnota);

/// The range in words, e.g. "11 až 10000".
std::string PopisMezi(const TMeze& meze);

/// The setting or dialog-only control of that name in the options file (`Jmeno`), or nullptr.
const TPoleNastaveni* NajitPoleNastaveni(std::string_view nazev);

/// Sets a value from a text as its control would take it: numbers within the control's range,
/// a setting's boolean "TRUE"/"FALSE" or "1"/"0", a check box or radio button "1" or "0" (and the
/// other of its pair the opposite), texts within the control's length and code page 1250,
/// `DruhSite` and `NazevSite` together, `Jazyk` "CZ" or "SK". Throws Chyba saying what was
/// expected; nothing changes then. The person list is not a single value and is refused.
void NastavitHodnotu(TNastaveni& nastaveni, TVystupy& vystupy, const TPoleNastaveni& pole, std::string_view hodnota);

} // namespace lineon
