#include "prikazy/PrikazySouboru.h"

#include <algorithm>
#include <cctype>

namespace lineon {

namespace {

std::string KonecNazvu(FormatProjektu typ) { return typ == FormatProjektu::Radky ? "dat" : "csv"; }

std::string JinyKonecNazvu(FormatProjektu typ) { return typ == FormatProjektu::Radky ? "csv" : "dat"; }

// Saving first brings the stored text of every "Dno" up to date.
void NastavitDnoText(TProjekt& projekt)
{
    for (int i = 1; i <= projekt.PocetBodu(); ++i)
        projekt.Body[i].DnoText = projekt.Body[i].Dno ? "Ano" : "Ne";
}

} // namespace

std::string TextPotvrzeniUlozeni(const std::string& souborProjektu)
{
    return "Soubor " + souborProjektu + " byl změněn.\n\nChcete uložit změny?";
}

bool PotvrditUlozeni(const TProjekt& projekt, IZpravy& zpravy, const KrokUlozeni& ulozit)
{
    switch (zpravy.DotazAnoNeStorno(TextPotvrzeniUlozeni(projekt.SouborProjektu))) {
    case Odpoved::Ano: return ulozit();
    case Odpoved::Ne: return true;
    case Odpoved::Storno: return false;
    }
    return false;
}

void VyprazdnitProjekt(TStav& stav)
{
    TProjekt& projekt = stav.Projekt;
    for (int i = 1; i <= std::max(projekt.PocetBodu(), 1); ++i)
        projekt.Body[i] = PrazdnyBod();
    projekt.Body.NastavitPocet(1);
    for (int i = 1; i <= std::max(projekt.PocetPripojek(), 1); ++i) {
        projekt.Pripojky[i] = TPripojka();
        auto& vysledek = stav.Vysledky.Pripojky[static_cast<std::size_t>(i)];
        vysledek.Staniceni = 0;
        vysledek.ZPotrubi = 0;
        vysledek.ZTerenu = 0;
        vysledek.Kryti = 0;
    }
    projekt.Pripojky.NastavitPocet(1);
    projekt.Zmeneno = false;
    projekt.SouborProjektu.clear();
}

bool Novy(TStav& stav, IZpravy& zpravy, const KrokUlozeni& ulozit)
{
    if (stav.Projekt.Zmeneno && !PotvrditUlozeni(stav.Projekt, zpravy, ulozit))
        return false;
    VyprazdnitProjekt(stav);
    return true;
}

bool Otevrit(TStav& stav, IZpravy& zpravy, const KrokUlozeni& ulozit, const DialogSouboru& dialog)
{
    if (stav.Projekt.Zmeneno && !PotvrditUlozeni(stav.Projekt, zpravy, ulozit))
        return false;
    const auto volba = dialog("");
    if (!volba)
        return false;
    return OtevritProjekt(stav, volba->Cesta, volba->Format, zpravy);
}

DruhSouboru DruhSouboruPodleNazvu(const std::string& cesta)
{
    std::string konec = cesta.size() >= 4 ? cesta.substr(cesta.size() - 4) : "";
    std::ranges::transform(konec, konec.begin(), [](unsigned char znak) { return std::tolower(znak); });
    if (konec == ".csv")
        return DruhSouboru::Tabulka;
    if (konec == ".dat")
        return DruhSouboru::Radky;
    return konec == ".txt" || konec == ".stx" ? DruhSouboru::Zamereni : DruhSouboru::Jiny;
}

std::string TextCizihoSouboru(const std::string& cesta)
{
    return "Soubor „" + cesta + "“ nelze otevřít: projekt má příponu .csv nebo .dat, zaměření .txt nebo .stx.";
}

bool Ulozit(TStav& stav, const KrokUlozeni& ulozitJako)
{
    TProjekt& projekt = stav.Projekt;
    if (projekt.SouborProjektu.empty() || projekt.SouborProjektu.ends_with("dat"))
        return ulozitJako();
    NastavitDnoText(projekt);
    ZapsatProjekt(projekt, projekt.SouborProjektu, FormatProjektu::Tabulka, *stav.Disk);
    projekt.Zmeneno = false;
    return true;
}

std::string NazevDoDialogu(const std::string& souborProjektu, FormatProjektu typ)
{
    std::string nazev = souborProjektu;
    if (nazev.ends_with(JinyKonecNazvu(typ)))
        nazev.replace(nazev.size() - 3, 3, KonecNazvu(typ));
    return nazev;
}

std::string NazevUlozenehoSouboru(const std::string& zvoleny, FormatProjektu typ)
{
    std::string nazev = NazevDoDialogu(zvoleny, typ);
    if (!nazev.ends_with("." + KonecNazvu(typ)))
        nazev += "." + KonecNazvu(typ);
    return nazev;
}

void UlozitProjektJako(TStav& stav, const TVolbaSouboru& volba)
{
    const std::string nazev = NazevUlozenehoSouboru(volba.Cesta, volba.Format);
    NastavitDnoText(stav.Projekt);
    ZapsatProjekt(stav.Projekt, nazev, volba.Format, *stav.Disk);
    stav.Projekt.SouborProjektu = nazev;
    stav.Projekt.Zmeneno = false;
    stav.Nastaveni.AdresarProjektu = AdresarSouboru(volba.Cesta);
}

bool UlozitJako(TStav& stav, FormatProjektu typVDialogu, const DialogSouboru& dialog)
{
    const auto volba = dialog(NazevDoDialogu(stav.Projekt.SouborProjektu, typVDialogu));
    if (!volba)
        return false;
    UlozitProjektJako(stav, *volba);
    return true;
}

} // namespace lineon
