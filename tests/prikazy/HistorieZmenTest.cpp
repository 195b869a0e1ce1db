#include "prikazy/HistorieZmen.h"

#include <gtest/gtest.h>

#include <functional>

using namespace lineon;

namespace {

struct Historie {
    TStav stav;
    HistorieZmen historie;

    void Krok(const std::string& nazev, const std::function<void(TProjekt&)>& zmena,
              ZmenaRadku druh = ZmenaRadku::Hodnoty)
    {
        historie.Zacit(stav);
        zmena(stav.Projekt);
        historie.Dokoncit(stav, nazev, druh);
    }
    void Upravit(const std::string& oznaceni)
    {
        Krok("Úprava", [&](TProjekt& p) {
            p.Body[1].Oznaceni = oznaceni;
            p.Zmeneno = true;
        });
    }
    void Otevrit(const std::string& soubor)
    {
        Krok("Otevřít", [&](TProjekt& p) {
            p = TProjekt();
            p.SouborProjektu = soubor;
            stav.Nastaveni.AdresarProjektu = soubor + "/";
        }, ZmenaRadku::Projekt);
    }
    std::string Oznaceni() const { return stav.Projekt.Body[1].Oznaceni; }
};

} // namespace

TEST(HistorieZmen, AProjectStepTakesTheNameAndDirectoryBackTheOthersKeepThem)
{
    Historie h;
    h.Upravit("A");
    h.Otevrit("b.csv");
    h.Upravit("B");
    h.stav.Projekt.SouborProjektu = "c.csv"; // "Uložit jako"
    h.historie.Zpet(h.stav);
    EXPECT_EQ(h.stav.Projekt.SouborProjektu, "c.csv");
    EXPECT_EQ(h.historie.Zpet(h.stav), ZmenaRadku::Projekt);
    EXPECT_EQ(h.stav.Projekt.SouborProjektu, "");
    EXPECT_EQ(h.Oznaceni(), "A");
    EXPECT_TRUE(h.stav.Projekt.Zmeneno);
    h.historie.Znovu(h.stav);
    EXPECT_EQ(h.stav.Projekt.SouborProjektu, "c.csv");
    EXPECT_EQ(h.stav.Nastaveni.AdresarProjektu, "b.csv/");
}

TEST(HistorieZmen, ASaveMarksTheOtherStatesOfItsProjectOnly)
{
    Historie h;
    h.Otevrit("a.csv");
    h.Upravit("A1");
    h.Upravit("A2");
    h.historie.Zpet(h.stav);
    h.stav.Projekt.Zmeneno = false;
    h.historie.Ulozeno(h.stav);
    h.historie.Znovu(h.stav);
    EXPECT_TRUE(h.stav.Projekt.Zmeneno);
    h.historie.Zpet(h.stav);
    EXPECT_FALSE(h.stav.Projekt.Zmeneno);
    h.historie.Zpet(h.stav);
    EXPECT_TRUE(h.stav.Projekt.Zmeneno); // as opened, but the file holds A1 now
    h.historie.Zpet(h.stav);
    EXPECT_FALSE(h.stav.Projekt.Zmeneno); // the fresh project before "Otevřít"
}

TEST(HistorieZmen, ASaveInsideAStepIsWhereTheStepStarts)
{
    Historie h;
    h.Upravit("A");
    h.historie.Zacit(h.stav);
    // "Otevřít" asks first; Yes saves.
    h.stav.Projekt.Zmeneno = false;
    h.stav.Projekt.SouborProjektu = "a.csv";
    h.historie.Ulozeno(h.stav);
    h.stav.Projekt = TProjekt();
    h.stav.Projekt.SouborProjektu = "b.csv";
    h.historie.Dokoncit(h.stav, "Otevřít", ZmenaRadku::Projekt);
    h.historie.Zpet(h.stav);
    EXPECT_EQ(h.stav.Projekt.SouborProjektu, "a.csv");
    EXPECT_FALSE(h.stav.Projekt.Zmeneno);
}
