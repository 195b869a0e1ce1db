#include "convert/AutomatickyPrevod.h"
#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "data/ImportZamereni.h"
#include "data/Stav.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

/// A fresh program state whose coordinate list holds points with the given codes, numbered
/// 101, 102, ... with coordinates and levels that grow with the number.
TStav StavSKody(const std::vector<std::string>& kody, int druhSite = 1)
{
    std::vector<std::string> radky;
    for (std::size_t i = 0; i < kody.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        radky.push_back(std::to_string(100 + i + 1) + " 7450" + n + ".5 10430" + n + ".25 24" + n + ".1 " + kody[i]);
    }
    TStav stav;
    NastavitDruhSite(stav.Nastaveni, static_cast<TDruhSite>(druhSite));
    stav.SeznamSouradnic = test::SeznamZRadku(radky);
    return stav;
}

std::vector<std::string> Oznaceni(const TStav& stav)
{
    std::vector<std::string> oznaceni;
    for (int r = 1; r <= stav.Projekt.PocetBodu(); ++r)
        oznaceni.push_back(stav.Projekt.Body[r].Oznaceni);
    return oznaceni;
}

std::vector<std::string> Typy(const TStav& stav)
{
    std::vector<std::string> typy;
    for (int r = 1; r <= stav.Projekt.PocetPripojek(); ++r)
        typy.push_back(stav.Projekt.Pripojky[r].Typ + "/" + stav.Projekt.Pripojky[r].OznaceniPripojky);
    return typy;
}

using Texty = std::vector<std::string>;

} // namespace

TEST(AutomatickyPrevodSachty, CoverBottomAndPositionMeetByIndex)
{
    TStav stav = StavSKody({ "s1", "d1", "s2" });
    stav.Nastaveni.ZpusobOznaceni = 1;
    SpustitAutomatickyPrevod(stav);
    ASSERT_EQ(Oznaceni(stav), (Texty { "Š1", "Š2" }));
    const TBod& prvni = stav.Projekt.Body[1];
    EXPECT_EQ(prvni.Y, 74501.5);
    EXPECT_EQ(prvni.X, 104301.25);
    EXPECT_EQ(prvni.ZPoklopu, 241.1);
    EXPECT_EQ(prvni.ZDna, 242.1);
    EXPECT_EQ(prvni.ZVtoku, 242.1);
    EXPECT_EQ(prvni.ZOdtoku, 242.1);
    EXPECT_EQ(prvni.Prumer, 400);
    EXPECT_TRUE(prvni.Dno);
    const TBod& druhy = stav.Projekt.Body[2];
    EXPECT_EQ(druhy.ZPoklopu, 243.1);
    EXPECT_EQ(druhy.ZDna, 0);
    EXPECT_EQ(druhy.ZVtoku, 0);
    EXPECT_EQ(druhy.ZOdtoku, 0);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
}

TEST(AutomatickyPrevodSachty, SurveyedInletAndOutletStayAndTheSwitchesCanBeOff)
{
    TStav stav = StavSKody({ "s1", "d1", "v1", "s2", "d2" });
    stav.AutomatickyPrevod.AvBox = false;
    stav.Vystupy.CheckBox1 = false;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(stav.Projekt.Body[1].ZVtoku, 243.1);
    EXPECT_EQ(stav.Projekt.Body[1].ZOdtoku, 242.1);
    EXPECT_EQ(stav.Projekt.Body[2].ZVtoku, 0);
    EXPECT_EQ(stav.Projekt.Body[2].ZOdtoku, 245.1);
    EXPECT_EQ(stav.Projekt.Body[2].Prumer, 0);
}

TEST(AutomatickyPrevodSachty, RowsFollowTheIndexAndGapsLeaveNoRows)
{
    TStav stav = StavSKody({ "s5", "s2", "s1", "d3x", "s0" });
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "103", "102", "101" }));
}

TEST(AutomatickyPrevodSachty, TheLaterOfTwoPointsWins)
{
    TStav stav = StavSKody({ "s4", "s4" });
    SpustitAutomatickyPrevod(stav);
    ASSERT_EQ(stav.Projekt.PocetBodu(), 1);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "102");
    EXPECT_EQ(stav.Projekt.Body[1].Y, 74502.5);
}

TEST(AutomatickyPrevodSachty, LabelModesByNetworkKind)
{
    TStav stav = StavSKody({ "s007", "d8" });
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "101", "" }));

    stav = StavSKody({ "s007" });
    stav.Nastaveni.ZpusobOznaceni = 1;
    stav.Nastaveni.KodOznaceni = "ŘAD-";
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "ŘAD-7" }));

    stav = StavSKody({ "s007" }, 2);
    stav.Nastaveni.ZpusobOznaceni = 1;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "7" }));

    stav = StavSKody({ "s007" });
    stav.Nastaveni.ZpusobOznaceni = 2;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "" }));
}

TEST(AutomatickyPrevodIndex, SignsAndHexadecimalFormsAreWholeNumbers)
{
    TStav stav = StavSKody({ "s$A", "sx1f", "s0x0C", "s+3", "s-2", "s$", "sx", "s", "s1.5", "s5001", "s 2", "S9" });
    stav.Nastaveni.ZpusobOznaceni = 1;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "Š3", "Š10", "Š12", "Š31" }));
}

TEST(AutomatickyPrevodIndex, TheIndexTextIsCutToFiveCharacters)
{
    // "000012" keeps "00001": index 1.
    TStav stav = StavSKody({ "s000012", "p000012" });
    stav.Nastaveni.ZpusobOznaceni = 1;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "Š1" }));
    EXPECT_EQ(Typy(stav), (Texty { "p/P00001" }));
}

TEST(AutomatickyPrevodIndex, EmptyPrefixesMatchNothing)
{
    TStav stav = StavSKody({ "1", "d1", "2" });
    stav.Nastaveni.KodXY = "";
    stav.Nastaveni.KodZPoklopu = "";
    SpustitAutomatickyPrevod(stav);
    ASSERT_EQ(stav.Projekt.PocetBodu(), 1);
    EXPECT_EQ(stav.Projekt.Body[1].Y, 0);
    EXPECT_EQ(stav.Projekt.Body[1].ZDna, 242.1);
}

TEST(AutomatickyPrevodPripojky, ConnectionAndHouseManholeMeetByIndex)
{
    TStav stav = StavSKody({ "p007", "n7", "m7", "n2", "m2", "p3" });
    SpustitAutomatickyPrevod(stav);
    ASSERT_EQ(stav.Projekt.PocetPripojek(), 3);
    EXPECT_EQ(Typy(stav), (Texty { "n/", "p/P3", "p/P007" }));
    const TPripojka& dva = stav.Projekt.Pripojky[1];
    EXPECT_EQ(dva.OznaceniDS, "DŠ2");
    EXPECT_EQ(dva.Poradi, 2);
    EXPECT_EQ(dva.ZPoklopuDS, 244.1);
    EXPECT_EQ(dva.ZDnaDS, 245.1);
    const TPripojka& tri = stav.Projekt.Pripojky[2];
    EXPECT_EQ(tri.Y, 74506.5);
    EXPECT_EQ(tri.OznaceniDS, "");
    EXPECT_EQ(tri.Poradi, 0);
    const TPripojka& sedm = stav.Projekt.Pripojky[3];
    EXPECT_EQ(sedm.Y, 74501.5);
    EXPECT_EQ(sedm.X, 104301.25);
    EXPECT_EQ(sedm.OznaceniDS, "DŠ7");
    EXPECT_EQ(sedm.YDS, 74502.5);
    EXPECT_EQ(sedm.XDS, 104302.25);
    EXPECT_EQ(sedm.ZPoklopuDS, 242.1);
    EXPECT_EQ(sedm.ZDnaDS, 243.1);
    EXPECT_EQ(sedm.Poradi, 7);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 0);
}

TEST(AutomatickyPrevodPripojky, LabelsAreCutToTenCharacters)
{
    TStav stav = StavSKody({ "p12345", "n12345" });
    stav.Nastaveni.KodOznaceniPripojky = "PŘÍPOJ";
    stav.Nastaveni.KodOznaceniDS = "DOMŠAŤ";
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0); // index 12345 lies outside the staging area

    stav = StavSKody({ "p4321", "n4321" });
    stav.Nastaveni.KodOznaceniPripojky = "PŘÍPOJ";
    stav.Nastaveni.KodOznaceniDS = "DOMŠAŤ";
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(stav.Projekt.Pripojky[1].OznaceniPripojky, "PŘÍPOJ4321");
    EXPECT_EQ(stav.Projekt.Pripojky[1].OznaceniDS, "DOMŠAŤ4321");
}

TEST(AutomatickyPrevodPripojky, CrossingsFollowInListOrder)
{
    TStav stav = StavSKody({ "kb", "s1", "ka", "ka2", "p1", "ka" });
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Typy(stav), (Texty { "p/P1", "kb/kb", "ka/ka", "ka/ka" }));
    EXPECT_EQ(stav.Projekt.Pripojky[2].Y, 74501.5);
    EXPECT_EQ(stav.Projekt.Pripojky[3].X, 104303.25);
    EXPECT_EQ(stav.Projekt.Pripojky[3].OznaceniDS, "");
}

TEST(AutomatickyPrevodPripojky, AnEmptyCrossingCodeTakesEveryPointWithoutCode)
{
    TStav stav = StavSKody({ "", "s1", "" });
    stav.Nastaveni.KodKrizeni3 = "";
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Typy(stav), (Texty { "/", "/" }));
    EXPECT_EQ(stav.Projekt.Pripojky[2].Y, 74503.5);
}

TEST(AutomatickyPrevodDruhSite, ARoadAxisTakesOnlyPositionCoverAndCrossings)
{
    TStav stav = StavSKody({ "s1", "d1", "v1", "d5", "p1", "n1", "kc" }, 3);
    stav.Nastaveni.ZpusobOznaceni = 1;
    SpustitAutomatickyPrevod(stav);
    ASSERT_EQ(Oznaceni(stav), (Texty { "1" }));
    EXPECT_EQ(stav.Projekt.Body[1].ZPoklopu, 241.1);
    EXPECT_EQ(stav.Projekt.Body[1].ZDna, 0);
    EXPECT_EQ(stav.Projekt.Body[1].ZVtoku, 0);
    EXPECT_EQ(Typy(stav), (Texty { "kc/kc" }));
}

TEST(AutomatickyPrevodDruhSite, AWaterMainHasNoInletOrOutletCodes)
{
    TStav stav = StavSKody({ "s1", "d1", "v1", "o1", "p1" }, 2);
    stav.AutomatickyPrevod.AvBox = false;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(stav.Projekt.Body[1].ZDna, 242.1);
    EXPECT_EQ(stav.Projekt.Body[1].ZVtoku, 0);
    EXPECT_EQ(stav.Projekt.Body[1].ZOdtoku, 242.1);
    EXPECT_EQ(Typy(stav), (Texty { "p/P1" }));
}

TEST(AutomatickyPrevodTabulky, SingleEmptyRowsAreOverwrittenOtherRowsGetAppended)
{
    TStav stav = StavSKody({ "s1", "p1", "ka" });
    stav.Projekt.Body[1].Prumer = 250;
    stav.Projekt.Pripojky.Pridat().Poradi = 3;
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "101" }));
    EXPECT_EQ(Typy(stav), (Texty { "p/P1", "ka/ka" }));

    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "101", "101" }));
    EXPECT_EQ(Typy(stav), (Texty { "p/P1", "ka/ka", "p/P1", "ka/ka" }));

    stav = StavSKody({ "s1" });
    stav.Projekt.Body[1].Oznaceni = "Š0";
    stav.Projekt.Pripojky.Pridat().OznaceniPripojky = "ř";
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(Oznaceni(stav), (Texty { "Š0", "101" }));
    EXPECT_EQ(Typy(stav), (Texty { "/ř" }));
}

TEST(AutomatickyPrevodTabulky, ManholeCodesAloneCreateNoConnectionRows)
{
    TStav stav = StavSKody({ "s1", "d1" });
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
}

TEST(AutomatickyPrevodTabulky, AnEmptyListConvertsNothing)
{
    TStav stav = StavSKody({});
    SpustitAutomatickyPrevod(stav);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
}

TEST(AutomatickyPrevodTabulky, RowsBeyondTheCapacityAreRefusedAndNothingChanges)
{
    TStav stav = StavSKody({ "s1", "s2", "ka" });
    stav.Projekt.Body.NastavitPocet(4999);
    try {
        SpustitAutomatickyPrevod(stav);
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()), "Tabulka bodů může mít nejvýše 5000 řádků; další řádek nelze přidat.");
    }
    EXPECT_EQ(stav.Projekt.PocetBodu(), 4999);
    EXPECT_EQ(stav.Projekt.Body[5000], TBod());
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
    EXPECT_FALSE(stav.Projekt.Zmeneno);

    stav = StavSKody({ "s1", "ka" });
    stav.Projekt.Pripojky.NastavitPocet(5000);
    EXPECT_THROW(SpustitAutomatickyPrevod(stav), Chyba);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
    EXPECT_EQ(stav.Projekt.Body[1], TBod());
}

TEST(AutomatickyPrevodTabulky, FiveThousandIndexesFillTheTableExactly)
{
    std::vector<std::string> kody;
    for (int i = 5000; i >= 1; --i)
        kody.push_back("s" + std::to_string(i));
    TStav stav = StavSKody(kody);
    stav.Nastaveni.ZpusobOznaceni = 1;
    SpustitAutomatickyPrevod(stav);
    ASSERT_EQ(stav.Projekt.PocetBodu(), 5000);
    EXPECT_EQ(stav.Projekt.Body[5000].Oznaceni, "Š5000");
}
