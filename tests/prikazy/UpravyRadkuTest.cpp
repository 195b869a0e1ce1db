#include "prikazy/UpravyRadku.h"

#include "TestPomoc.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

// A point table with the given labels and bottom levels, saved and unchanged.
TStav StavSBody(std::initializer_list<TBod> body)
{
    TStav stav;
    stav.Projekt.Body.NastavitPocet(0);
    for (const TBod& bod : body)
        stav.Projekt.Body.Pridat(bod);
    return stav;
}

std::string Oznaceni(const TStav& stav)
{
    std::string vysledek;
    for (int i = 1; i <= stav.Projekt.PocetBodu(); ++i)
        vysledek += stav.Projekt.Body[i].Oznaceni + (i < stav.Projekt.PocetBodu() ? "," : "");
    return vysledek;
}

} // namespace

TEST(VlozitRadek, BeforeTheCursorOnRowOnePutsTheEmptyRowFirst)
{
    TStav stav = StavSBody({{.Oznaceni = "Ř1", .Y = 1}, {.Oznaceni = "Ř2", .Y = 2}});
    VlozitRadek(stav, 1, MistoVlozeni::Pred);
    EXPECT_EQ(Oznaceni(stav), ",Ř1,Ř2");
    EXPECT_EQ(stav.Projekt.Body[1], PrazdnyBod(400)) << "the uniform diameter is on at start";
    EXPECT_TRUE(stav.Projekt.Body[1].Dno);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(VlozitRadek, AfterTheCursorOnTheLastRowAppends)
{
    TStav stav = StavSBody({{.Oznaceni = "Ř1"}, {.Oznaceni = "Ř2"}});
    stav.Vystupy.CheckBox1 = false;
    VlozitRadek(stav, 2, MistoVlozeni::Za);
    EXPECT_EQ(Oznaceni(stav), "Ř1,Ř2,");
    EXPECT_EQ(stav.Projekt.Body[3].Prumer, 0);
}

TEST(VlozitRadek, AfterTheCursorInAnEmptyTableMakesRowOne)
{
    TStav stav = StavSBody({});
    VlozitRadek(stav, 0, MistoVlozeni::Za);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
    VlozitRadek(stav, 0, MistoVlozeni::Pred);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 2);
}

TEST(VlozitRadek, AFullTableRefusesTheRowWithTheCapacityMessage)
{
    TStav stav;
    stav.Projekt.Body.NastavitPocet(5000);
    stav.Projekt.Body[5000].Oznaceni = "poslední";
    EXPECT_THROW(VlozitRadek(stav, 1, MistoVlozeni::Pred), Chyba);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 5000);
    EXPECT_EQ(stav.Projekt.Body[5000].Oznaceni, "poslední");
    EXPECT_FALSE(stav.Projekt.Zmeneno);
}

TEST(OdstranitRadek, ARowWithOnlyADiameterGoesWithoutAQuestion)
{
    TStav stav = StavSBody({{.Oznaceni = "Ř1"}, {.Prumer = 300}, {.Oznaceni = "Ř3"}});
    test::ZaznamZprav zpravy;
    OdstranitRadek(stav, 2, zpravy);
    EXPECT_TRUE(zpravy.otazky.empty());
    EXPECT_EQ(Oznaceni(stav), "Ř1,Ř3");
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(OdstranitRadek, ALabelOrANumberAsksAndCancelKeepsTheRow)
{
    TStav stav = StavSBody({{.Oznaceni = "Ř1"}, {.ZOdtoku = 0.01}});
    test::ZaznamZprav zpravy;
    zpravy.odpovediOkStorno = {false, false};
    OdstranitRadek(stav, 1, zpravy);
    OdstranitRadek(stav, 2, zpravy);
    EXPECT_EQ(zpravy.otazky, (std::vector<std::string>(2, "Řádek obsahuje data. Mají se zrušit?")));
    EXPECT_EQ(stav.Projekt.PocetBodu(), 2);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    zpravy.odpovediOkStorno = {true};
    OdstranitRadek(stav, 1, zpravy);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
    EXPECT_EQ(stav.Projekt.Body[1].ZOdtoku, 0.01);
}

TEST(OdstranitRadek, TheOnlyRowLeavesAnEmptyTableAndNothingMoreIsDeleted)
{
    TStav stav;
    test::ZaznamZprav zpravy;
    OdstranitRadek(stav, 1, zpravy);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 0);
    OdstranitRadek(stav, 1, zpravy);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 0);
}

TEST(Schranka, CutLeavesAnEmptyRowAndPastingElsewhereMovesTheRow)
{
    const TBod radek{.Oznaceni = "Šů", .Y = 1, .X = 2, .ZDna = 3, .ZPoklopu = 4, .ZVtoku = 5, .ZOdtoku = 6, .Prumer = 250, .Dno = false};
    TStav stav = StavSBody({radek, {.Oznaceni = "jen text"}});
    test::ZaznamZprav zpravy;
    VyjmoutRadek(stav, 1);
    EXPECT_EQ(stav.Projekt.Body[1], PrazdnyBod());
    EXPECT_EQ(stav.Projekt.PocetBodu(), 2);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    VlozitZeSchranky(stav, 2, zpravy);
    EXPECT_TRUE(zpravy.otazky.empty()) << "a label alone is overwritten without asking";
    EXPECT_EQ(stav.Projekt.Body[2], radek);
    VlozitZeSchranky(stav, 1, zpravy);
    EXPECT_EQ(stav.Projekt.Body[1], radek) << "the clipboard keeps its row";
}

TEST(Schranka, CopyDoesNotMarkTheProjectChanged)
{
    TStav stav = StavSBody({{.Oznaceni = "ř"}});
    EXPECT_FALSE(stav.SchrankaRadku);
    KopirovatRadek(stav, 1);
    EXPECT_EQ(stav.SchrankaRadku->Oznaceni, "ř");
    EXPECT_FALSE(stav.Projekt.Zmeneno);
}

TEST(Schranka, PastingOntoValuesAsksAndCancelStillMarksTheProjectChanged)
{
    TStav stav = StavSBody({{.Oznaceni = "A"}, {.Oznaceni = "B", .ZDna = 241.5}});
    KopirovatRadek(stav, 1);
    test::ZaznamZprav zpravy;
    zpravy.odpovediOkStorno = {false};
    VlozitZeSchranky(stav, 2, zpravy);
    EXPECT_EQ(zpravy.otazky, std::vector<std::string>{"Řádek obsahuje data. Mají se přepsat?"});
    EXPECT_EQ(stav.Projekt.Body[2].Oznaceni, "B");
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    zpravy.odpovediOkStorno = {true};
    VlozitZeSchranky(stav, 2, zpravy);
    EXPECT_EQ(stav.Projekt.Body[2].Oznaceni, "A");
}

TEST(OdstranitPripojku, TheRowsBelowMoveUpWithTheirNumbers)
{
    TStav stav;
    for (int i = 1; i <= 3; ++i)
        stav.Projekt.Pripojky.Pridat(TPripojka{.Typ = "p" + std::to_string(i), .Poradi = 10 * i});
    test::ZaznamZprav zpravy;
    zpravy.odpovediOkStorno = {false, true};
    OdstranitPripojku(stav, 2, zpravy);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 3);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    OdstranitPripojku(stav, 2, zpravy);
    EXPECT_EQ(zpravy.otazky.size(), 2u);
    ASSERT_EQ(stav.Projekt.PocetPripojek(), 2);
    EXPECT_EQ(stav.Projekt.Pripojky[2].Typ, "p3");
    EXPECT_EQ(stav.Projekt.Pripojky[2].Poradi, 30);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(OdstranitPripojku, AnEmptyRowGoesWithoutAQuestionEvenWithANumber)
{
    TStav stav;
    stav.Projekt.Pripojky.Pridat(TPripojka{.Poradi = 7});
    test::ZaznamZprav zpravy;
    OdstranitPripojku(stav, 1, zpravy);
    EXPECT_TRUE(zpravy.otazky.empty());
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
}

TEST(SeraditPodleZDna, OrdersAscending)
{
    TStav stav = StavSBody({{.Oznaceni = "a", .ZDna = 243.1}, {.Oznaceni = "b", .ZDna = 241.0}, {.Oznaceni = "c", .ZDna = 242.5}});
    SeraditPodleZDna(stav);
    EXPECT_EQ(Oznaceni(stav), "b,c,a");
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(SeraditPodleZDna, EqualLevelsMaySwapBecauseTheSortIsNotStable)
{
    TStav stav = StavSBody({{.Oznaceni = "A", .ZDna = 3}, {.Oznaceni = "B", .ZDna = 3}, {.Oznaceni = "C", .ZDna = 1}});
    SeraditPodleZDna(stav);
    EXPECT_EQ(Oznaceni(stav), "C,B,A");
}

TEST(SeraditPodleZDna, RowsOfARoadAxisKeepTheirOrder)
{
    TStav stav = StavSBody({{.Oznaceni = "ř1", .ZPoklopu = 5}, {.Oznaceni = "ř2", .ZPoklopu = 1}, {.Oznaceni = "ř3"}});
    SeraditPodleZDna(stav);
    EXPECT_EQ(Oznaceni(stav), "ř1,ř2,ř3");
}
