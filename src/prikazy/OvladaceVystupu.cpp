#include "prikazy/OvladaceVystupu.h"

#include "data/HodnotaOvladace.h"

#include <array>

namespace lineon {

namespace {

using V = TVystupy;

constexpr int NazevSouboru = 16;
constexpr int Material = 30;

const std::array<TOvladacVystupu, 26> Tabulka = {{
    // page "Výstupy"
    {"Sitcheck", &V::Sitcheck},
    {"sitField", &V::SouborSituace, NazevSouboru},
    {"profcheck", &V::profcheck},
    {"profobrcheck", &V::profobrcheck},
    {"profdxfcheck", &V::profdxfcheck},
    {"profField", &V::SouborProfilu, NazevSouboru},
    {"psancheck", &V::psancheck},
    {"psanobrcheck", &V::psanobrcheck},
    {"psantxtcheck", &V::psantxtcheck},
    {"psanField", &V::SouborPsanehoProfilu, NazevSouboru},
    // page "Situace"
    {"stocRcheck", &V::stocRcheck, 0, &V::stocKcheck},
    {"stocKcheck", &V::stocKcheck, 0, &V::stocRcheck},
    // page "Podélný profil"
    {"matField", &V::matField, Material},
    {"CheckBox1", &V::CheckBox1},
    // page "Umístění"
    {"RadioButton1", &V::RadioButton1, 0, &V::RadioButton2},
    {"RadioButton2", &V::RadioButton2, 0, &V::RadioButton1},
    // page "Obsah kresby"; the title-block texts go as typed into the drawing
    {"ramcheck", &V::ramcheck},
    {"znakcheck", &V::znakcheck},
    {"tabcheck", &V::tabcheck},
    {"datumEdit", &V::datumEdit},
    {"zakEdit", &V::zakEdit},
    {"mercombo", &V::mercombo},
    {"vypcombo", &V::vypcombo},
    {"koncombo", &V::koncombo},
    {"soucombo", &V::soucombo},
    {"vyscombo", &V::vyscombo},
}};

} // namespace

std::span<const TOvladacVystupu> OvladaceVystupu()
{
    return Tabulka;
}

const TOvladacVystupu* NajitOvladacVystupu(std::string_view nazev)
{
    for (const auto& ovladac : Tabulka)
        if (ovladac.Nazev == nazev)
            return &ovladac;
    return nullptr;
}

void NastavitOvladac(TVystupy& vystupy, const TOvladacVystupu& ovladac, std::string_view hodnota)
{
    if (const auto zaskrtnuti = std::get_if<bool TVystupy::*>(&ovladac.Clen)) {
        if (hodnota != "1" && hodnota != "0")
            OdmitnoutHodnotu(ovladac.Nazev, "1 nebo 0", hodnota);
        vystupy.**zaskrtnuti = hodnota == "1";
        if (ovladac.Protejsek)
            vystupy.*ovladac.Protejsek = hodnota == "0";
        return;
    }
    vystupy.*std::get<std::string TVystupy::*>(ovladac.Clen) = TextOvladace(ovladac.Nazev, hodnota, ovladac.MaxZnaku);
}

} // namespace lineon
