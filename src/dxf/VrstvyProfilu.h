#pragma once

#include "dxf/DxfDokument.h"

#include <array>
#include <string_view>

// The layers of the longitudinal profile. The drawing passes layers as indices into the list of
// the operation it calls; the constants name them.
namespace lineon {

/// Layers of the profile's lines.
namespace VrstvaCaryProfilu {
inline constexpr int Cary = 0;
inline constexpr int Potrubi = 1;
inline constexpr int Teren = 2;
inline constexpr int Rovina = 3;
inline constexpr int Rez = 4;
inline constexpr int KotovaciCary = 5;
inline constexpr int Sipka = 6;
inline constexpr int Krizeni1 = 7;
inline constexpr int Krizeni2 = 8;
inline constexpr int Krizeni3 = 9;
inline constexpr int Krizeni4 = 10;
inline constexpr int Krizeni5 = 11;
inline constexpr int Pripojka = 12;
} // namespace VrstvaCaryProfilu

/// Layers of the profile's texts.
namespace VrstvaTextuProfilu {
inline constexpr int Texty = 0;
inline constexpr int Oznaceni = 1;
inline constexpr int PopisPotrubi = 2;
inline constexpr int PopisTabulky = 3;
inline constexpr int Rovina = 4;
inline constexpr int KotaKrizeni1 = 5;
inline constexpr int KotaKrizeni2 = 6;
inline constexpr int KotaKrizeni3 = 7;
inline constexpr int KotaKrizeni4 = 8;
inline constexpr int KotaKrizeni5 = 9;
inline constexpr int KotaPripojky = 10;
} // namespace VrstvaTextuProfilu

/// Layers of the profile's numbers.
namespace VrstvaCislaProfilu {
inline constexpr int Cisla = 0;
inline constexpr int Koty = 1;
inline constexpr int Staniceni = 2;
inline constexpr int Delka = 3;
inline constexpr int Rovina = 4;
inline constexpr int KotaKrizeni1 = 5;
inline constexpr int KotaKrizeni2 = 6;
inline constexpr int KotaKrizeni3 = 7;
inline constexpr int KotaKrizeni4 = 8;
inline constexpr int KotaKrizeni5 = 9;
inline constexpr int KotaPripojky = 10;
} // namespace VrstvaCislaProfilu

inline constexpr std::array<std::string_view, 13> VrstvyCarProfilu = {
    "CARY", "POTRUBI", "TEREN", "ROVINA", "REZ", "KOTOVACI_CARY", "SIPKA",
    "KRIZENI1", "KRIZENI2", "KRIZENI3", "KRIZENI4", "KRIZENI5", "PRIPOJKA"};

inline constexpr std::array<std::string_view, 11> VrstvyTextuProfilu = {
    "TEXTY", "OZNACENI", "POPIS_POTRUBI", "POPIS_TABULKY", "ROVINA", "KOTA_KRIZENI1",
    "KOTA_KRIZENI2", "KOTA_KRIZENI3", "KOTA_KRIZENI4", "KOTA_KRIZENI5", "KOTA_PRIPOJKY"};

inline constexpr std::array<std::string_view, 11> VrstvyCiselProfilu = {
    "CISLA", "KOTY", "STANICENI", "DELKA", "ROVINA", "KOTA_KRIZENI1",
    "KOTA_KRIZENI2", "KOTA_KRIZENI3", "KOTA_KRIZENI4", "KOTA_KRIZENI5", "KOTA_PRIPOJKY"};

/// The layer table of the profile file; "ROVINA" stands in it twice, for lines and for texts.
inline constexpr std::array<dxf::TVrstva, 28> TabulkaVrstevProfilu = {{
    {"CARY", 1}, {"POTRUBI", 2}, {"TEREN", 3}, {"ROVINA", 4}, {"REZ", 5}, {"KOTOVACI_CARY", 6},
    {"SIPKA", 7}, {"KRIZENI1", 31}, {"KRIZENI2", 32}, {"KRIZENI3", 33}, {"KRIZENI4", 34},
    {"KRIZENI5", 35}, {"PRIPOJKA", 36}, {"CISLA", 21}, {"KOTY", 22}, {"STANICENI", 23},
    {"DELKA", 24}, {"ROVINA", 25}, {"KOTA_KRIZENI1", 31}, {"KOTA_KRIZENI2", 32},
    {"KOTA_KRIZENI3", 33}, {"KOTA_KRIZENI4", 34}, {"KOTA_KRIZENI5", 35}, {"KOTA_PRIPOJKY", 36},
    {"TEXTY", 11}, {"OZNACENI", 12}, {"POPIS_POTRUBI", 13}, {"POPIS_TABULKY", 14},
}};

} // namespace lineon
