#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lineon {

/// A caption of the profile drawing in its Czech and Slovak forms.
struct TPopisek {
    std::string_view CZ;
    std::string_view SK;
};

/// The form of the caption in the language `Jazyk`. Another language gets the caption only where
/// both forms are the same; where they differ, the caption is left out.
std::optional<std::string_view> PopisekVJazyce(const TPopisek& popisek, const std::string& jazyk);

// The captions of the bands, from the top of the drawing down, and of the title block.
namespace popisky {
inline constexpr TPopisek KatastralniUzemi{"KATASTRÁLNÍ ÚZEMÍ", "KATASTRÁLNE ÚZEMIE"};
inline constexpr TPopisek DruhPovrchu{"DRUH POVRCHU", "DRUH POVRCHU"};
inline constexpr TPopisek VzdalenostSachet{"VZDÁLENOST ŠACHET", "VZDIALENOSŤ ŠÁCHT"};
inline constexpr TPopisek Vzdalenost{"VZDÁLENOST", "VZDIALENOSŤ"};
inline constexpr TPopisek OznaceniSachet{"OZNAČENÍ ŠACHET", "OZNAČENIE ŠÁCHT"};
inline constexpr TPopisek CislaBodu{"ČÍSLA BODŮ", "ČÍSLA BODOV"};
inline constexpr TPopisek Teren{"TERÉN", "TERÉN"};
inline constexpr TPopisek Potrubi{"POTRUBÍ", "POTRUBIE"};
inline constexpr TPopisek Kryti{"KRYTÍ", "HĹBKA VÝKOPU"};
inline constexpr TPopisek KotaPoklopu{"KÓTA POKLOPU", "KÓTA POKLOPU"};
inline constexpr TPopisek KotaTerenu{"KÓTA TERÉNU", "KÓTA TERÉNU"};
inline constexpr TPopisek KotaDna{"KÓTA DNA", "KÓTA DNA"};
inline constexpr TPopisek KotaPotrubi{"KÓTA POTRUBÍ", "KÓTA POTRUBIE"};
inline constexpr TPopisek SrovnavaciRovina{"SROVNÁVACÍ ROVINA", "ZROVNÁVACIA ROVINA"};
inline constexpr TPopisek Staniceni{"STANIČENÍ v km, m", "STANIČENIE v km, m"};
inline constexpr TPopisek DelkaSpad{"DÉLKA m - SPÁD ‰", "DĹŽKA m - SKLON ‰"};
inline constexpr TPopisek ProfilMaterialDelka{"PROFIL mm - MATERIÁL - DÉLKA m", "PROFIL mm - MATERIÁL - DĹŽKA m"};
inline constexpr TPopisek ProfilMaterial{"PROFIL mm - MATERIÁL", "PROFIL mm - MATERIÁL"};

inline constexpr TPopisek SouradnicovySystem{"SOUŘ. SYSTÉM", "SÚR. SYSTÉM"};
inline constexpr TPopisek VyskovySystem{"VÝŠK. SYSTÉM", "VÝŠK. SYSTÉM"};
inline constexpr TPopisek Meril{"MĚŘIL", "MERAL"};
inline constexpr TPopisek Vypracoval{"VYPRACOVAL", "VYPRACOVAL"};
inline constexpr TPopisek Kontroloval{"KONTROLOVAL", "KONTROLOVAL"};
inline constexpr TPopisek Zakazka{"ZAK. č.", "ZAK. č."};
inline constexpr TPopisek Datum{"DATUM", "DÁTUM"};
inline constexpr TPopisek Vykres{"VÝKRES č.", "VÝKRES č."};
inline constexpr TPopisek Format{"FORMÁT", "FORMÁT"};
inline constexpr TPopisek Meritko{"MĚŘÍTKO", "MIERKA"};
} // namespace popisky

} // namespace lineon
