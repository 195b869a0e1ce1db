#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lineon {

inline constexpr const char* NazevProgramu = "Lineon 2.11";
inline constexpr int NejvicOsob = 50;

/// The network kind of the line, stored in the settings file as 1, 2 or 3.
enum class TDruhSite : std::int32_t { Kanalizace = 1, Vodovod = 2, OsaKomunikace = 3 };

/// Every network kind in the order of its number.
inline constexpr TDruhSite DruhySite[] = {TDruhSite::Kanalizace, TDruhSite::Vodovod, TDruhSite::OsaKomunikace};

/// The program settings, in the order of the settings file "$nastav".
struct TNastaveni {
    std::int32_t DelkoveMeritko = 200;
    std::int32_t VyskoveMeritko = 100;
    std::int32_t MeritkoSituace = 100;
    double VyskaKot = 1.0;
    double VyskaPopisu = 1.0;
    double VyskaOznaceni = 2.0;
    std::int32_t PosunSR = 10;
    std::int32_t LimitSR = 170;
    std::int32_t Dx = 500;
    std::int32_t Dy = 100;
    std::int32_t UmisteniX = 5000;
    std::int32_t UmisteniY = 1000;
    std::int32_t PrumerPriImportu = 400;
    std::string KodZPoklopu = "s";
    std::string KodXY = "s";
    std::string KodZDna = "d";
    std::string KodZVtoku = "v";
    std::string KodZOdtoku = "o";
    std::string KodOznaceni = "Š";
    std::int32_t ZpusobOznaceni = 0;
    std::string NazevSite = "Kanalizace";
    TDruhSite DruhSite = TDruhSite::Kanalizace;
    std::string AdresarProjektu = VychoziAdresarProjektu();
    std::vector<std::string> Osoby = {"Novák", "Svoboda", "Dvořák"}; ///< PocetOsob is its size, at most 50
    std::string Jazyk = "CZ";
    std::int32_t ImportFilterIndex = 1;
    std::int32_t ZobrazeniKryti = 0;
    std::int32_t ZobrazeniDelek = 1;
    std::string KodKrizeni1 = "ka";
    std::string KodKrizeni2 = "kb";
    std::string KodKrizeni3 = "kc";
    std::string KodKrizeni4 = "kd";
    std::string KodKrizeni5 = "ke";
    std::string KodXYPripojky = "p";
    std::string KodXYDS = "n";
    std::string KodZPoklopuDS = "n";
    std::string KodZDnaDS = "m";
    std::string KodOznaceniDS = "DŠ";
    std::string KodOznaceniPripojky = "P";
    bool LegendaDelka = false;
    bool StaniceniDo100 = false;
    std::string KodHydrant = "hydrant";
    std::string KodSoupe = "soupe";

    int PocetOsob() const { return static_cast<int>(Osoby.size()); }

    /// The project directory of a fresh installation: the user's home directory.
    static std::string VychoziAdresarProjektu();
};

/// The display name of a network kind: "Kanalizace", "Vodovod" or "Osa komunikace".
std::string NazevDruhuSite(TDruhSite druh);

/// Sets `DruhSite` and `NazevSite` together.
void NastavitDruhSite(TNastaveni& nastaveni, TDruhSite druh);

/// The five crossing codes in order.
std::vector<std::string> KodyKrizeni(const TNastaveni& nastaveni);

/// The kind 1..5 of a crossing whose `Typ` is one of the crossing codes (the last matching code
/// gives it); 0 for a row that is no crossing.
int DruhKrizeni(const TNastaveni& nastaveni, const std::string& typ);

} // namespace lineon
