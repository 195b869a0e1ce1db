#include "zaklad/Chyba.h"
#include "prikazy/DialogVystupu.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

bool P(const TDialogVystupu& dialog, std::string_view ovladac)
{
    return dialog.Povoleno[static_cast<std::size_t>(NajitOvladac(ovladac) - TabulkaNastaveni.data())];
}

} // namespace

TEST(DialogVystupu, CreationResetsTheFileNamesAndTakesTheRadioGroupsWhenInRange)
{
    TStav stav;
    stav.Vystupy.SouborSituace = "jiná.dxf";
    stav.Nastaveni.ZobrazeniKryti = 2;
    stav.Nastaveni.ZobrazeniDelek = 0;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    EXPECT_EQ(stav.Vystupy.SouborSituace, "situace.dxf");
    EXPECT_EQ(dialog.Nastaveni.ZobrazeniKryti, 2);
    EXPECT_EQ(dialog.Nastaveni.ZobrazeniDelek, 0);

    stav.Nastaveni.ZobrazeniKryti = 3;
    stav.Nastaveni.ZobrazeniDelek = -1;
    dialog = VytvoritDialogVystupu(stav);
    EXPECT_EQ(dialog.Nastaveni.ZobrazeniKryti, 0);
    EXPECT_EQ(dialog.Nastaveni.ZobrazeniDelek, 0);
    EXPECT_FALSE(P(dialog, "vsXField"));
    EXPECT_TRUE(P(dialog, "datumEdit"));
}

TEST(DialogVystupu, ClosingStoresTheControlsAndActivationShowsThemAgain)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    AktivovatDialogVystupu(dialog, stav);
    EXPECT_EQ(dialog.Nastaveni.MeritkoSituace, 100);
    EXPECT_EQ(dialog.Nastaveni.VyskaOznaceni, 2.0);
    EXPECT_EQ(dialog.Vystupy.SouborPsanehoProfilu, "podprof.csv");
    EXPECT_EQ(dialog.Nastaveni.AdresarProjektu, stav.Nastaveni.AdresarProjektu);

    dialog.Nastaveni.MeritkoSituace = 500;
    dialog.Nastaveni.UmisteniY = 1200;
    dialog.Nastaveni.KodHydrant = "hydr";
    dialog.Vystupy.SouborProfilu = "řez.dxf";
    dialog.Nastaveni.StaniceniDo100 = true;
    dialog.Nastaveni.ZobrazeniKryti = 1;
    dialog.Nastaveni.ZobrazeniDelek = 0;
    dialog.Nastaveni.AdresarProjektu = "/home/inženýr/stoky";
    EXPECT_EQ(ZavritDialogVystupu(dialog, stav), std::nullopt);
    EXPECT_EQ(stav.Nastaveni.MeritkoSituace, 500);
    EXPECT_EQ(stav.Nastaveni.UmisteniY, 1200);
    EXPECT_EQ(stav.Nastaveni.KodHydrant, "hydr");
    EXPECT_EQ(stav.Vystupy.SouborProfilu, "řez.dxf");
    EXPECT_TRUE(stav.Nastaveni.StaniceniDo100);
    EXPECT_EQ(stav.Nastaveni.ZobrazeniKryti, 1);
    EXPECT_EQ(stav.Nastaveni.ZobrazeniDelek, 0);
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, "/home/inženýr/stoky/");

    TDialogVystupu znovu;
    AktivovatDialogVystupu(znovu, stav);
    EXPECT_EQ(znovu.Nastaveni.MeritkoSituace, 500);
    EXPECT_EQ(znovu.Nastaveni.ZobrazeniKryti, 0); // the radio groups are not reloaded on activation
}

TEST(DialogVystupu, TheLimitsOfTheChecksAreTakenOnClosing)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Doplnky.Kontrola.MaxSpadStoky = 80;
    AktivovatDialogVystupu(dialog, stav);
    EXPECT_EQ(dialog.Doplnky.Kontrola.MaxSpadStoky, 80);
    dialog.Doplnky.Kontrola.MinSpadStoky = {{300, 4}};
    dialog.Doplnky.SouborGpkg = "stoka.gpkg";
    EXPECT_EQ(ZavritDialogVystupu(dialog, stav), std::nullopt);
    EXPECT_EQ(stav.Doplnky.Kontrola.MinSpadStoky, dialog.Doplnky.Kontrola.MinSpadStoky);
    EXPECT_EQ(stav.Doplnky.SouborGpkg, "stoka.gpkg");
}

TEST(DialogVystupu, ActivatingAgainDropsUnclosedEdits)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    AktivovatDialogVystupu(dialog, stav);
    dialog.Nastaveni.DelkoveMeritko = 1000;
    AktivovatDialogVystupu(dialog, stav);
    EXPECT_EQ(dialog.Nastaveni.DelkoveMeritko, 200);
}

TEST(DialogVystupu, TheDirectoryGetsATrailingSlash)
{
    EXPECT_EQ(AdresarSLomitkem("/data/projekty"), "/data/projekty/");
    EXPECT_EQ(AdresarSLomitkem("/data/projekty/"), "/data/projekty/");
    EXPECT_EQ(AdresarSLomitkem(""), "/");
}

TEST(DialogVystupu, UncheckingBothProfileOutputsUnchecksTheProfile)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.profobrcheck = false;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("profobrcheck"));
    EXPECT_TRUE(stav.Vystupy.profcheck);
    stav.Vystupy.profdxfcheck = false;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("profdxfcheck"));
    EXPECT_FALSE(stav.Vystupy.profcheck);
    EXPECT_FALSE(P(dialog, "profobrcheck"));
    EXPECT_FALSE(P(dialog, "profdxfcheck"));
    EXPECT_FALSE(P(dialog, "profField"));

    stav.Vystupy.profcheck = true;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("profcheck"));
    EXPECT_TRUE(P(dialog, "profobrcheck") && P(dialog, "profdxfcheck") && P(dialog, "profField"));
    EXPECT_FALSE(stav.Vystupy.profobrcheck || stav.Vystupy.profdxfcheck);
}

TEST(DialogVystupu, UncheckingBothWrittenProfileOutputsUnchecksIt)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.psantxtcheck = false; // psanobrcheck is unchecked at start
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("psantxtcheck"));
    EXPECT_FALSE(stav.Vystupy.psancheck);
    EXPECT_FALSE(P(dialog, "psanobrcheck") || P(dialog, "psantxtcheck") || P(dialog, "psanField"));
    stav.Vystupy.psancheck = true;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("psancheck"));
    EXPECT_TRUE(P(dialog, "psanField"));
}

TEST(DialogVystupu, ExactlyOneOfParallelAndPerpendicularIsChecked)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.stocKcheck = false; // clicking "kolmo" while it is checked
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("stocKcheck"));
    EXPECT_TRUE(stav.Vystupy.stocRcheck);
    stav.Vystupy.stocRcheck = false;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("stocRcheck"));
    EXPECT_TRUE(stav.Vystupy.stocKcheck);
}

TEST(DialogVystupu, ThePlacementRadioButtonsEnableTheirFields)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("RadioButton2"));
    EXPECT_TRUE(stav.Vystupy.RadioButton2);
    EXPECT_FALSE(stav.Vystupy.RadioButton1);
    EXPECT_TRUE(P(dialog, "vsXField") && P(dialog, "vsYField"));
    EXPECT_FALSE(P(dialog, "dxField") || P(dialog, "dyField"));
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("RadioButton1"));
    EXPECT_TRUE(stav.Vystupy.RadioButton1);
    EXPECT_TRUE(P(dialog, "dxField") && P(dialog, "dyField"));
    EXPECT_FALSE(P(dialog, "vsXField") || P(dialog, "vsYField"));
}

TEST(DialogVystupu, TheTitleBlockFollowsItsCheckBoxFromTheFirstClickOn)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.tabcheck = true;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("tabcheck"));
    EXPECT_TRUE(P(dialog, "mercombo") && P(dialog, "vyscombo"));
    stav.Vystupy.tabcheck = false;
    PoKliknuti(dialog, stav.Vystupy, IndexOvladace("tabcheck"));
    for (const char* nazev : {"datumEdit", "zakEdit", "mercombo", "vypcombo", "koncombo", "soucombo", "vyscombo"})
        EXPECT_FALSE(P(dialog, nazev)) << nazev;
}

TEST(DialogVystupu, ANewPersonNameJoinsTheListOnce)
{
    TNastaveni nastaveni;
    EXPECT_TRUE(OpustitPoleOsoby(nastaveni, "Řehořová"));
    EXPECT_FALSE(OpustitPoleOsoby(nastaveni, "Řehořová"));
    EXPECT_FALSE(OpustitPoleOsoby(nastaveni, ""));
    EXPECT_TRUE(OpustitPoleOsoby(nastaveni, "novák"));
    EXPECT_EQ(nastaveni.Osoby, (std::vector<std::string>{"Novák", "Svoboda", "Dvořák", "Řehořová", "novák"}));
    EXPECT_THROW(OpustitPoleOsoby(nastaveni, "王"), Chyba);
    EXPECT_EQ(nastaveni.PocetOsob(), 5);
}

TEST(DialogVystupu, AFiftyFirstNameIsRefused)
{
    TNastaveni nastaveni;
    for (int i = 4; i <= 50; ++i)
        ASSERT_TRUE(OpustitPoleOsoby(nastaveni, "Kůň " + std::to_string(i)));
    EXPECT_FALSE(OpustitPoleOsoby(nastaveni, "Kůň 50"));
    try {
        OpustitPoleOsoby(nastaveni, "Kůň 51");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()),
                  "Seznam osob už má 50 jmen, víc jich pojmout nemůže; jméno „Kůň 51“ se do něj nepřidá.");
    }
    EXPECT_EQ(nastaveni.PocetOsob(), 50);
}

TEST(DialogVystupu, KnowsTheRangesAndLengthsOfItsFields)
{
    EXPECT_EQ(PoleOvladace("merfield").Meze.Od, 11);
    EXPECT_EQ(PoleOvladace("merfield").Meze.Do, 10000);
    EXPECT_EQ(PoleOvladace("vmField").Meze.Do, 2000);
    EXPECT_EQ(PoleOvladace("dField").Meze.Do, 5000);
    EXPECT_EQ(PoleOvladace("posSRField").Meze.Do, 100);
    EXPECT_EQ(PoleOvladace("lhSRField").Meze.Do, 1000);
    EXPECT_EQ(PoleOvladace("dxField").Meze.Od, -32768);
    EXPECT_EQ(PoleOvladace("vsXField").Meze.Do, 2147483647);
    EXPECT_EQ(PoleOvladace("oznacField").Meze.Od, 0.1);
    EXPECT_EQ(PoleOvladace("oznacField").Meze.Do, 99.9);
    EXPECT_EQ(PoleOvladace("oznacField").Meze.Desetin, 1);
    EXPECT_FALSE(PoleOvladace("Sitcheck").Meze.Plati());
    EXPECT_EQ(PoleOvladace("sitField").MaxZnaku, 16);
    EXPECT_EQ(PoleOvladace("matField").MaxZnaku, 30);
    EXPECT_EQ(PoleOvladace("soupeF").MaxZnaku, 12);
    EXPECT_EQ(PoleOvladace("zakEdit").MaxZnaku, 0);
}

TEST(DialogVystupu, ADirectoryTheSettingsFileCannotHoldIsNotTaken)
{
    TStav stav;
    stav.Nastaveni.AdresarProjektu = "/home/inženýr/";
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    AktivovatDialogVystupu(dialog, stav);
    dialog.Nastaveni.MeritkoSituace = 250;
    dialog.Nastaveni.AdresarProjektu = "/home/用户";
    const auto zprava = ZavritDialogVystupu(dialog, stav);
    ASSERT_TRUE(zprava);
    EXPECT_EQ(*zprava, "Adresář „/home/用户“ obsahuje znak „用“, který kódová stránka 1250 nemá; platí dál adresář "
                       "„/home/inženýr/“.");
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, "/home/inženýr/");
    EXPECT_EQ(stav.Nastaveni.MeritkoSituace, 250); // the other values are taken
}
