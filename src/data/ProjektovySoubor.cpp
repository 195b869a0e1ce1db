#include "data/ProjektovySoubor.h"

#include "zaklad/Chyba.h"
#include "data/CteniProjektu.h"
#include "zaklad/NazevSouboru.h"
#include "data/RadekProjektu.h"
#include "zaklad/Soubor.h"

namespace lineon {

namespace {

// A text the format would read back as something else: a line break in either format, a ";" in
// the table format, and a point label "#" in the line format (it ends the point records there).
void OveritText(const std::string& text, const char* tabulka, int radek, bool bod, const std::string& cesta,
                FormatProjektu format)
{
    const bool tabulkovy = format == FormatProjektu::Tabulka;
    const char* vada = nullptr;
    if (text.find('\n') != std::string::npos)
        vada = "obsahuje konec řádku";
    else if (tabulkovy && text.find(';') != std::string::npos)
        vada = "obsahuje středník, který v tabulkovém formátu (.csv) odděluje pole; opravte jej, nebo projekt "
               "uložte v řádkovém formátu (.dat)";
    else if (!tabulkovy && bod && text == "#")
        vada = "by se v řádkovém formátu (.dat) četl jako konec tabulky bodů; opravte jej, nebo projekt uložte v "
               "tabulkovém formátu (.csv)";
    if (vada)
        throw Chyba("Soubor „" + cesta + "“ nelze uložit: text „" + text + "“ v řádku " + std::to_string(radek) + " "
                    + tabulka + " " + vada + ".");
}

void OveritTexty(const TProjekt& projekt, const std::string& cesta, FormatProjektu format)
{
    for (int i = 1; i <= projekt.PocetBodu(); ++i)
        OveritText(projekt.Body[i].Oznaceni, "tabulky bodů", i, true, cesta, format);
    for (int i = 1; i <= projekt.PocetPripojek(); ++i) {
        const TPripojka& p = projekt.Pripojky[i];
        for (const std::string* text : {&p.Typ, &p.OznaceniPripojky, &p.OznaceniDS})
            OveritText(*text, "tabulky přípojek", i, false, cesta, format);
    }
}

} // namespace

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
    if (const auto vada = VadaNazvuSouboru(cesta))
        throw Chyba("Název souboru „" + cesta + "“ " + *vada + "; projekt s takovým názvem nelze otevřít ani uložit.");
}

namespace {

/// "Soubor „…“: načteno 12 bodů a 3 přípojky z 17 řádků; …": empty connection rows are no
/// connections and are not counted.
std::string ZpravaOProjektu(const std::string& cesta, const TProjekt& projekt, std::size_t radku,
                            const TPrehledProjektu& prehled)
{
    // A file that yields nothing gives no row.
    std::size_t bodu = 0;
    std::size_t pripojek = 0;
    if (prehled.DrziData) {
        bodu = static_cast<std::size_t>(projekt.PocetBodu());
        for (int j = 1; j <= projekt.PocetPripojek(); ++j)
            pripojek += DrziData(projekt.Pripojky[j]) ? 1 : 0;
    }
    std::string text = "Soubor „" + cesta + "“: " + Nacteno(bodu) + " " + PocetSlovy(bodu, "bod", "body", "bodů")
                       + " a " + PocetSlovy(pripojek, "přípojka", "přípojky", "přípojek") + " " + ZRadku(radku);
    if (!prehled.Neuplne.Prazdne())
        text += "; neúplné řádky (chybějící pole se čtou jako prázdná): " + prehled.Neuplne.Text();
    return text + (prehled.DrziData ? "." : "; jiný typ souboru?");
}

} // namespace

bool OtevritProjekt(TStav& stav, const std::string& cesta, FormatProjektu format, IZpravy& zpravy)
{
    OveritNazevProjektu(cesta);
    soubor::CteniRadku cteni(cesta);
    return OtevritProjekt(stav, cteni, format, zpravy);
}

bool OtevritProjekt(TStav& stav, soubor::CteniRadku& cteni, FormatProjektu format, IZpravy& zpravy)
{
    const std::string& cesta = cteni.Cesta();
    TProjekt novy;
    novy.Body.NastavitPocet(0);
    TPrehledProjektu prehled;
    if (format == FormatProjektu::Tabulka)
        PrecistTabulkovyFormat(cteni, novy, prehled);
    else
        PrecistRadkovyFormat(cteni, novy, prehled);

    if (prehled.DrziData && cteni.Utf8())
        zpravy.Oznamit(DruhZpravy::Informace, soubor::ZpravaOUtf8(cesta));
    if (!prehled.DrziData || !prehled.Neuplne.Prazdne())
        zpravy.Oznamit(DruhZpravy::Varovani, ZpravaOProjektu(cesta, novy, cteni.PocetRadku(), prehled));
    if (!prehled.DrziData)
        return false;

    if (stav.Vystupy.CheckBox1)
        for (int i = 1; i <= novy.PocetBodu(); ++i)
            if (novy.Body[i].Prumer == 0)
                novy.Body[i].Prumer = stav.Nastaveni.PrumerPriImportu;
    novy.SouborProjektu = cesta;
    stav.Projekt = std::move(novy);
    stav.Nastaveni.AdresarProjektu = AdresarSouboru(cesta);
    return true;
}

void ZapsatProjekt(const TProjekt& projekt, const std::string& cesta, FormatProjektu format, const soubor::Disk& disk)
{
    OveritNazevProjektu(cesta);
    soubor::ZapisTextu zapis(cesta, disk);
    ZapsatProjekt(projekt, zapis, format);
}

void ZapsatProjekt(const TProjekt& projekt, RadkovyVystup& vystup, FormatProjektu format)
{
    const std::string& cesta = vystup.Nazev();
    OveritTexty(projekt, cesta, format);
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
    vystup.Text(text);
    vystup.Dokoncit();
}

} // namespace lineon
