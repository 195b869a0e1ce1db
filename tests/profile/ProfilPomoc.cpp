#include "ProfilPomoc.h"

#include "TestPomoc.h"
#include "prikazy/InformaceORovine.h"
#include "profile/NahledProfilu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace lineon::test {

namespace {

/// A coordinate as the file holds it, without the blanks of the fixed width; a negative zero
/// reads as zero.
std::string Souradnice(const Entita& entita, const std::string& kod)
{
    std::string hodnota = entita.Hodnota(kod);
    hodnota.erase(0, hodnota.find_first_not_of(' '));
    if (hodnota == "-0.000")
        hodnota = "0.000";
    return hodnota;
}

std::string Poloha(const Entita& entita, const std::string& kodX, const std::string& kodY)
{
    return Souradnice(entita, kodX) + "," + Souradnice(entita, kodY);
}

} // namespace

TBod SachtaNaLinii(const std::string& oznaceni, double staniceni, double zDna, double zPoklopu, int prumer)
{
    return Sachta(oznaceni, 0, staniceni, zDna, zPoklopu, prumer);
}

std::unique_ptr<TStav> LinieProProfil(const std::vector<TBod>& body, const std::vector<TPripojka>& pripojky, int druh)
{
    auto stav = Stav(body, pripojky);
    NastavitDruhSite(stav->Nastaveni, static_cast<TDruhSite>(druh));
    stav->Nastaveni.DelkoveMeritko = 200;
    stav->Nastaveni.VyskoveMeritko = 100;
    stav->Vystupy.RadioButton1 = false;
    stav->Vystupy.RadioButton2 = true;
    stav->Nastaveni.UmisteniX = 0;
    stav->Nastaveni.UmisteniY = 0;
    stav->Vystupy.psancheck = false;
    stav->Vystupy.Sitcheck = false;
    return stav;
}

std::unique_ptr<TStav> VypoctenaLinie(const std::vector<TBod>& body, const std::vector<TPripojka>& pripojky, int druh)
{
    auto stav = LinieProProfil(body, pripojky, druh);
    Vypocitat(*stav);
    return stav;
}

void Vypocitat(TStav& stav)
{
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_TRUE(Vypocet(stav, zpravy, vystupy));
    EXPECT_EQ(zpravy.zpravy.size(), 0u) << zpravy.zpravy.front().text;
}

std::vector<Entita> Nakreslit(TStav& stav, const std::string& nazev, int rovina, int posun,
                              const std::vector<int>& body)
{
    stav.Nastaveni.AdresarProjektu = VystupniAdresar("dxf");
    stav.Vystupy.SouborProfilu = "profil-" + nazev + ".dxf";
    InformaceORovine dialog;
    dialog.Naplnit(stav);
    dialog.srovField = rovina;
    dialog.posSRField = posun;
    for (std::size_t i = 0; i < dialog.poscombo.size(); ++i)
        dialog.poscombo[i].Zaskrtnut = std::find(body.begin(), body.end(), static_cast<int>(i) + 2) != body.end();
    BezNahledu nahled;
    dialog.Potvrdit(stav, nahled);

    const std::string cesta = stav.Nastaveni.AdresarProjektu + stav.Vystupy.SouborProfilu;
    const std::vector<Entita> entity = EntitySouboru(cesta);
    std::map<std::string, int> pocty;
    for (const Entita& entita : entity)
        ++pocty[entita.Typ() + ":" + entita.Vrstva()];
    OcekavatEntity(cesta, pocty);
    return entity;
}

std::vector<std::string> Cary(const std::vector<Entita>& entity, const std::string& vrstva)
{
    std::vector<std::string> cary;
    for (const Entita& entita : Vyber(entity, "LINE", vrstva))
        cary.push_back(Poloha(entita, "10", "20") + " " + Poloha(entita, "11", "21"));
    return cary;
}

std::vector<std::string> Texty(const std::vector<Entita>& entity, const std::string& vrstva)
{
    std::vector<std::string> texty;
    for (const Entita& entita : Vyber(entity, "TEXT", vrstva))
        texty.push_back(entita.Hodnota("1") + " " + Poloha(entita, "10", "20"));
    return texty;
}

std::vector<std::string> TextySPolohou(const std::vector<Entita>& entity, const std::string& vrstva)
{
    std::vector<std::string> texty;
    for (const Entita& entita : Vyber(entity, "TEXT", vrstva))
        texty.push_back(entita.Hodnota("1") + " " + Poloha(entita, "10", "20")
                        + (entita.Ma("50") ? " a" + entita.Hodnota("50") : "") + " z" + entita.Hodnota("72"));
    return texty;
}

} // namespace lineon::test
