#include "data/ProjektovySoubor.h"

#include "data/Chyba.h"
#include "data/CteniProjektu.h"
#include "data/Kodovani.h"
#include "data/RadekProjektu.h"
#include "data/Soubor.h"

namespace lineon {

FormatProjektu FormatPodleNazvu(const std::string& cesta)
{
    return cesta.ends_with(".dat") ? FormatProjektu::Radky : FormatProjektu::Tabulka;
}

std::string AdresarSouboru(const std::string& cesta)
{
    const std::string adresar = soubor::Adresar(cesta);
    return adresar.empty() ? "./" : adresar;
}

void OveritNazevProjektu(const std::string& cesta)
{
    if (const auto znak = kodovani::PrvniNekodovatelnyZnak(cesta))
        throw Chyba("Název souboru „" + cesta + "“ obsahuje znak „" + *znak
                    + "“, který kódová stránka 1250 nemá; projekt s takovým názvem nelze otevřít ani uložit.");
}

void OtevritProjekt(TStav& stav, const std::string& cesta, FormatProjektu format)
{
    OveritNazevProjektu(cesta);
    const auto radky = soubor::PrecistRadky(cesta);
    TProjekt novy;
    novy.Body.NastavitPocet(0);
    if (format == FormatProjektu::Tabulka)
        PrecistTabulkovyFormat(radky, cesta, novy);
    else
        PrecistRadkovyFormat(radky, cesta, novy);

    if (stav.Vystupy.CheckBox1)
        for (int i = 1; i <= novy.PocetBodu(); ++i)
            if (novy.Body[i].Prumer == 0)
                novy.Body[i].Prumer = stav.Nastaveni.PrumerPriImportu;
    novy.SouborProjektu = cesta;
    stav.Projekt = std::move(novy);
    stav.Nastaveni.AdresarProjektu = AdresarSouboru(cesta);
}

void ZapsatProjekt(const TProjekt& projekt, const std::string& cesta, FormatProjektu format)
{
    const bool tabulka = format == FormatProjektu::Tabulka;
    std::string text;
    auto pridat = [&](const auto& pole) {
        for (const auto& p : pole)
            text += p + (tabulka ? ";" : "\n");
        if (tabulka)
            text += "\n";
    };
    for (int i = 1; i <= projekt.PocetBodu(); ++i)
        pridat(PoleBodu(projekt.Body[i]));
    text += "#\n";
    for (int i = 1; i <= projekt.PocetPripojek(); ++i)
        pridat(PolePripojky(projekt.Pripojky[i]));
    soubor::ZapsatText(cesta, text);
}

} // namespace lineon
