#include "convert/PrevestRadek.h"
#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "data/ImportZamereni.h"
#include "data/Stav.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

enum { Prepisovat = 0, Neprepisovat = 1, Konec = 2 };
enum { Sachta = 0, Pripojka = 1, DomovniSachta = 2 };

/// A state whose coordinate list holds the given survey lines.
TStav StavSeSeznamem(const std::vector<std::string>& radky)
{
    TStav stav;
    stav.SeznamSouradnic = test::SeznamZRadku(radky);
    return stav;
}

TStav StavSBodem()
{
    return StavSeSeznamem({ "ř15 745100.25 1043200.50 245.37 s3" });
}

TBod PlnyBod()
{
    TBod bod;
    bod.Oznaceni = "Š1";
    bod.Y = 1;
    bod.X = 2;
    bod.ZDna = 3;
    bod.ZPoklopu = 4;
    bod.ZVtoku = 5;
    bod.ZOdtoku = 6;
    bod.Prumer = 300;
    bod.Dno = false;
    return bod;
}

} // namespace

TEST(PrevestRadekSachta, OverwritingGivesEveryLevelTheMeasuredZ)
{
    TStav stav = StavSBodem();
    stav.Projekt.Body[1] = PlnyBod();
    PrevestRadek(stav, 1, 1, 0);
    const TBod& bod = stav.Projekt.Body[1];
    EXPECT_EQ(bod.Oznaceni, "ř15");
    EXPECT_EQ(bod.Y, 745100.25);
    EXPECT_EQ(bod.X, 1043200.50);
    EXPECT_EQ(bod.ZDna, 245.37);
    EXPECT_EQ(bod.ZPoklopu, 245.37);
    EXPECT_EQ(bod.ZVtoku, 245.37);
    EXPECT_EQ(bod.ZOdtoku, 245.37);
    EXPECT_EQ(bod.Prumer, 400);
    EXPECT_FALSE(bod.Dno);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
}

TEST(PrevestRadekSachta, UntickedBoxesAndTheDiameterSwitchKeepTheirFields)
{
    TStav stav = StavSBodem();
    stav.Projekt.Body[1] = PlnyBod();
    stav.RucniPrevod.Xcheck = false;
    stav.RucniPrevod.Zdcheck = false;
    stav.RucniPrevod.Zocheck = false;
    stav.Vystupy.CheckBox1 = false;
    stav.Nastaveni.ZpusobOznaceni = 2;
    PrevestRadek(stav, 1, 1, 0);
    const TBod& bod = stav.Projekt.Body[1];
    EXPECT_EQ(bod.Oznaceni, "Š1");
    EXPECT_EQ(bod.Y, 745100.25);
    EXPECT_EQ(bod.X, 2);
    EXPECT_EQ(bod.ZDna, 3);
    EXPECT_EQ(bod.ZPoklopu, 245.37);
    EXPECT_EQ(bod.ZVtoku, 245.37);
    EXPECT_EQ(bod.ZOdtoku, 6);
    EXPECT_EQ(bod.Prumer, 0);
}

TEST(PrevestRadekSachta, KeepingWritesOnlyEmptyFields)
{
    TStav stav = StavSBodem();
    stav.RucniPrevod.RadioGroup1 = Neprepisovat;
    stav.Projekt.Body.NastavitPocet(2);
    TBod& prvni = stav.Projekt.Body[1];
    prvni.X = 1043000;
    prvni.ZDna = 244.5;
    TBod& druhy = stav.Projekt.Body[2];
    druhy = PlnyBod();
    PrevestRadek(stav, 1, 1, 0);
    PrevestRadek(stav, 1, 2, 0);
    EXPECT_EQ(prvni.Oznaceni, "ř15");
    EXPECT_EQ(prvni.Y, 745100.25);
    EXPECT_EQ(prvni.X, 1043000);
    EXPECT_EQ(prvni.ZDna, 244.5);
    EXPECT_EQ(prvni.ZPoklopu, 245.37);
    EXPECT_EQ(prvni.Prumer, 400);
    EXPECT_EQ(druhy, PlnyBod());
}

TEST(PrevestRadekSachta, TheLabelComesFromNumberOrCodeAndIsCutTo12Characters)
{
    TStav stav = StavSeSeznamem({ "ř23456789012345 1 2 3 ů1", "2 1 2 3" });
    stav.Projekt.Body[1] = PlnyBod();
    PrevestRadek(stav, 1, 1, 0);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "ř23456789012");

    stav.Nastaveni.ZpusobOznaceni = 1;
    PrevestRadek(stav, 1, 1, 0);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "ů1");
    // An empty code empties the label over the row, but leaves a label of a row that keeps its values.
    stav.RucniPrevod.RadioGroup1 = Neprepisovat;
    PrevestRadek(stav, 2, 1, 0);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "ů1");
    stav.RucniPrevod.RadioGroup1 = Prepisovat;
    PrevestRadek(stav, 2, 1, 0);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "");
}

TEST(PrevestRadekSachta, AppendingAddsAFullRowWithItsBottomSwitchOn)
{
    TStav stav = StavSBodem();
    stav.RucniPrevod.RadioGroup1 = Konec;
    PrevestRadek(stav, 1, 0, 0);
    PrevestRadek(stav, 1, 0, 0);
    ASSERT_EQ(stav.Projekt.PocetBodu(), 3);
    EXPECT_EQ(stav.Projekt.Body[1], TBod());
    for (int r : { 2, 3 }) {
        EXPECT_EQ(stav.Projekt.Body[r].Oznaceni, "ř15");
        EXPECT_EQ(stav.Projekt.Body[r].ZOdtoku, 245.37);
        EXPECT_EQ(stav.Projekt.Body[r].Prumer, 400);
        EXPECT_TRUE(stav.Projekt.Body[r].Dno);
    }
}

TEST(PrevestRadekPripojka, TakesPositionAndCodeButNeverTheLabel)
{
    TStav stav = StavSeSeznamem({ "31 745200 1043300 246 ka2", "32 745210 1043310 246" });
    stav.RucniPrevod.RadioGroup3 = Pripojka;
    stav.RucniPrevod.RadioGroup1 = Konec;
    PrevestRadek(stav, 1, 1, 0);
    ASSERT_EQ(stav.Projekt.PocetPripojek(), 1);
    TPripojka& p = stav.Projekt.Pripojky[1];
    EXPECT_EQ(p.Typ, "ka2");
    EXPECT_EQ(p.OznaceniPripojky, "");
    EXPECT_EQ(p.Y, 745200);
    EXPECT_EQ(p.X, 1043300);

    stav.RucniPrevod.RadioGroup1 = Neprepisovat;
    p.X = 0;
    PrevestRadek(stav, 2, 1, 1);
    EXPECT_EQ(p.Typ, "ka2");
    EXPECT_EQ(p.Y, 745200);
    EXPECT_EQ(p.X, 1043310);

    stav.RucniPrevod.RadioGroup1 = Prepisovat;
    PrevestRadek(stav, 2, 1, 1);
    EXPECT_EQ(p.Typ, "");
    EXPECT_EQ(p.Y, 745210);
}

TEST(PrevestRadekPripojka, ItsCheckBoxGatesThePosition)
{
    TStav stav = StavSeSeznamem({ "31 745200 1043300 246 kb" });
    stav.RucniPrevod.RadioGroup3 = Pripojka;
    stav.RucniPrevod.pripcheck = false;
    stav.Projekt.Pripojky.Pridat();
    PrevestRadek(stav, 1, 1, 1);
    EXPECT_EQ(stav.Projekt.Pripojky[1].Typ, "kb");
    EXPECT_EQ(stav.Projekt.Pripojky[1].Y, 0);
    EXPECT_EQ(stav.Projekt.Pripojky[1].X, 0);
}

TEST(PrevestRadekDomovniSachta, WritesLabelTickedValuesAndType)
{
    TStav stav = StavSeSeznamem({ "41 745300 1043400 247.5 n4", "42 745301 1043401 246.2 m4" });
    stav.RucniPrevod.RadioGroup3 = DomovniSachta;
    stav.RucniPrevod.RadioGroup1 = Konec;
    stav.RucniPrevod.dsdcheck = false;
    PrevestRadek(stav, 1, 0, 0);
    TPripojka& p = stav.Projekt.Pripojky[1];
    EXPECT_EQ(p.OznaceniDS, "41");
    EXPECT_EQ(p.YDS, 745300);
    EXPECT_EQ(p.XDS, 1043400);
    EXPECT_EQ(p.ZPoklopuDS, 247.5);
    EXPECT_EQ(p.ZDnaDS, 0);
    EXPECT_EQ(p.Typ, "n4");
    EXPECT_EQ(p.Y, 0);

    // Keeping the row's values: only the empty bottom level is written, the type stays.
    stav.RucniPrevod.RadioGroup1 = Neprepisovat;
    stav.RucniPrevod.dsdcheck = true;
    PrevestRadek(stav, 2, 0, 1);
    EXPECT_EQ(p.OznaceniDS, "41");
    EXPECT_EQ(p.YDS, 745300);
    EXPECT_EQ(p.ZPoklopuDS, 247.5);
    EXPECT_EQ(p.ZDnaDS, 246.2);
    EXPECT_EQ(p.Typ, "n4");

    stav.RucniPrevod.RadioGroup1 = Prepisovat;
    PrevestRadek(stav, 2, 0, 1);
    EXPECT_EQ(p.OznaceniDS, "42");
    EXPECT_EQ(p.ZPoklopuDS, 246.2);
    EXPECT_EQ(p.Typ, "m4");
}

TEST(PrevestRadekMeze, NoRecordOrNoFocusedRowConvertsNothing)
{
    TStav stav = StavSBodem();
    stav.Projekt.Body[1] = PlnyBod();
    const TProjekt puvodni = stav.Projekt;
    for (const int k : { 0, -1, 2 })
        PrevestRadek(stav, k, 1, 1);
    PrevestRadek(stav, 1, 0, 0);
    PrevestRadek(stav, 1, 2, 0);
    stav.RucniPrevod.RadioGroup3 = Pripojka;
    PrevestRadek(stav, 1, 1, 1);
    stav.RucniPrevod.RadioGroup3 = DomovniSachta;
    PrevestRadek(stav, 1, 1, 1);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.Body[1], puvodni.Body[1]);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
}

TEST(PrevestRadekMeze, AppendingToAFullTableIsRefusedAndChangesNothing)
{
    TStav stav = StavSBodem();
    stav.RucniPrevod.RadioGroup1 = Konec;
    stav.Projekt.Body.NastavitPocet(Tabulka<TBod>::Kapacita);
    try {
        PrevestRadek(stav, 1, 1, 0);
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()), "Tabulka bodů může mít nejvýše 5000 řádků; další řádek nelze přidat.");
    }
    EXPECT_EQ(stav.Projekt.PocetBodu(), 5000);
    EXPECT_EQ(stav.Projekt.Body[5000], TBod());
    EXPECT_FALSE(stav.Projekt.Zmeneno);

    stav.RucniPrevod.RadioGroup3 = DomovniSachta;
    stav.Projekt.Pripojky.NastavitPocet(Tabulka<TPripojka>::Kapacita);
    EXPECT_THROW(PrevestRadek(stav, 1, 1, 1), Chyba);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 5000);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
}
