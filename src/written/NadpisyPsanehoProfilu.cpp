#include "written/NadpisyPsanehoProfilu.h"

namespace lineon::psany {

namespace {

/// 0 Kanalizace, 1 Vodovod, 2 Osa komunikace.
int Druh(TDruhSite druhSite)
{
    return static_cast<int>(druhSite) - 1;
}

/// 0 Czech, 1 Slovak.
int Jazyk(const std::string& jazyk)
{
    return jazyk == "SK" ? 1 : 0;
}

using Texty = std::array<const char*, 2>; // Czech, Slovak

constexpr std::array<Texty, 3> HlavickyBodu = {{
    {"Ozn.;Staničení;Y;X;Z dna;Z poklopu;Z vtoku;Z odtoku;Spád;Délka;Krytí",
     "Ozn.;Staničenie;Y;X;Z dna;Z poklopu;Z vtoku;Z odtoku;Spád;Dĺžka;Krytie"},
    {"Ozn.;Staničení;Y;X;Z potrubí;Z terénu;Spád;Délka;Krytí",
     "Ozn.;Staničenie;Y;X;Z potrubie;Z terénu;Spád;Dĺžka;Krytie"},
    {"Ozn.;Staničení;Y;X;Z terénu;Spád;Délka", "Ozn.;Staničenie;Y;X;Z terénu;Spád;Dĺžka"},
}};

constexpr Texty NadpisyPripojek = {"Přípojky a křížení sítí:", "Pripojky a križovanie sietí:"};

constexpr Texty HlavickyPripojek = {
    "Typ;Označení;Staničení;Y;X;Z potrubí;Z terénu;Krytí;Y dom.šachty;X dom.šachty;Z dna dš;Z poklopu dš;"
    "Výška dš;Délka př",
    "Typ;Označenie;Staničenie;Y;X;Z potrubie;Z terénu;Krytie;Y dš;X dš;Z dna dš;Z poklopu dš;Výška dš;Dĺžka pr",
};

constexpr Texty NadpisyOkna = {"Psaný podélný profil", "Písaný pozdĺžny profil"};

// Columns: label, stationing, Y, X, bottom or pipe, cover or ground, slope, length, cover depth.
constexpr std::array<std::array<Texty, PocetSloupcuOkna>, 3> SloupceOkna = {{
    {{{"Ozn.", "Ozn."}, {"Staničení", "Staničenie"}, {"Y", "Y"}, {"X", "X"}, {"Z dna", "Z dna"},
      {"Z poklopu", "Z poklopu"}, {"Spád", "Spád"}, {"Délka", "Dĺžka"}, {"Krytí", "Krytie"}}},
    {{{"Číslo", "Číslo"}, {"Staničení", "Staničenie"}, {"Y", "Y"}, {"X", "X"}, {"Z potrubí", "Z potrubie"},
      {"Z terénu", "Z terénu"}, {"Spád", "Spád"}, {"Délka", "Dĺžka"}, {"Krytí", "Krytie"}}},
    {{{"Číslo", "Číslo"}, {"Staničení", "Staničenie"}, {"Y", "Y"}, {"X", "X"}, {"", ""},
      {"Z terénu", "Z terénu"}, {"Spád", "Spád"}, {"Délka", "Dĺžka"}, {"", ""}}},
}};

} // namespace

std::string HlavickaBodu(TDruhSite druhSite, const std::string& jazyk)
{
    return HlavickyBodu[Druh(druhSite)][Jazyk(jazyk)];
}

std::string NadpisPripojek(const std::string& jazyk)
{
    return NadpisyPripojek[Jazyk(jazyk)];
}

std::string HlavickaPripojek(const std::string& jazyk)
{
    return HlavickyPripojek[Jazyk(jazyk)];
}

std::string NadpisOkna(const std::string& jazyk)
{
    return NadpisyOkna[Jazyk(jazyk)];
}

std::array<std::string, PocetSloupcuOkna> NadpisySloupcuOkna(TDruhSite druhSite, const std::string& jazyk)
{
    std::array<std::string, PocetSloupcuOkna> nadpisy;
    for (int s = 0; s < PocetSloupcuOkna; ++s)
        nadpisy[s] = SloupceOkna[Druh(druhSite)][s][Jazyk(jazyk)];
    return nadpisy;
}

} // namespace lineon::psany
