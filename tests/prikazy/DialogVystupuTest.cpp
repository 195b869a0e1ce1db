#include "zaklad/Chyba.h"
#include "prikazy/DialogVystupu.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(DialogVystupu, CreationResetsTheFileNamesAndTakesTheRadioGroupsWhenInRange)
{
    TStav stav;
    stav.Vystupy.SouborSituace = "jiná.dxf";
    stav.Nastaveni.ZobrazeniKryti = 2;
    stav.Nastaveni.ZobrazeniDelek = 0;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    EXPECT_EQ(stav.Vystupy.SouborSituace, "situace.dxf");
    EXPECT_EQ(dialog.Krytiradio, 2);
    EXPECT_EQ(dialog.Delkaradio, 0);

    stav.Nastaveni.ZobrazeniKryti = 3;
    stav.Nastaveni.ZobrazeniDelek = -1;
    dialog = VytvoritDialogVystupu(stav);
    EXPECT_EQ(dialog.Krytiradio, 0);
    EXPECT_EQ(dialog.Delkaradio, 0);
    EXPECT_EQ(dialog.Povoleno, TPovoleniVystupu());
    EXPECT_FALSE(dialog.Povoleno.vsXField);
    EXPECT_TRUE(dialog.Povoleno.datumEdit);
}

TEST(DialogVystupu, ClosingStoresTheControlsAndActivationShowsThemAgain)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    AktivovatDialogVystupu(dialog, stav);
    EXPECT_EQ(dialog.merfield, 100);
    EXPECT_EQ(dialog.oznacField, 2.0);
    EXPECT_EQ(dialog.psanField, "podprof.csv");
    EXPECT_EQ(dialog.FolderField, stav.Nastaveni.AdresarProjektu);

    dialog.merfield = 500;
    dialog.vsYField = 1200;
    dialog.hydrantF = "hydr";
    dialog.profField = "řez.dxf";
    dialog.Stanbez = true;
    dialog.Krytiradio = 1;
    dialog.Delkaradio = 0;
    dialog.FolderField = "/home/inženýr/stoky";
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
    EXPECT_EQ(znovu.merfield, 500);
    EXPECT_EQ(znovu.Krytiradio, 0); // the radio groups are not reloaded on activation
}

TEST(DialogVystupu, ActivatingAgainDropsUnclosedEdits)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    AktivovatDialogVystupu(dialog, stav);
    dialog.dmField = 1000;
    AktivovatDialogVystupu(dialog, stav);
    EXPECT_EQ(dialog.dmField, 200);
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
    PoKliknuti(dialog, stav.Vystupy, "profobrcheck");
    EXPECT_TRUE(stav.Vystupy.profcheck);
    stav.Vystupy.profdxfcheck = false;
    PoKliknuti(dialog, stav.Vystupy, "profdxfcheck");
    EXPECT_FALSE(stav.Vystupy.profcheck);
    EXPECT_FALSE(dialog.Povoleno.profobrcheck);
    EXPECT_FALSE(dialog.Povoleno.profdxfcheck);
    EXPECT_FALSE(dialog.Povoleno.profField);

    stav.Vystupy.profcheck = true;
    PoKliknuti(dialog, stav.Vystupy, "profcheck");
    EXPECT_TRUE(dialog.Povoleno.profobrcheck && dialog.Povoleno.profdxfcheck && dialog.Povoleno.profField);
    EXPECT_FALSE(stav.Vystupy.profobrcheck || stav.Vystupy.profdxfcheck);
}

TEST(DialogVystupu, UncheckingBothWrittenProfileOutputsUnchecksIt)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.psantxtcheck = false; // psanobrcheck is unchecked at start
    PoKliknuti(dialog, stav.Vystupy, "psantxtcheck");
    EXPECT_FALSE(stav.Vystupy.psancheck);
    EXPECT_FALSE(dialog.Povoleno.psanobrcheck || dialog.Povoleno.psantxtcheck || dialog.Povoleno.psanField);
    stav.Vystupy.psancheck = true;
    PoKliknuti(dialog, stav.Vystupy, "psancheck");
    EXPECT_TRUE(dialog.Povoleno.psanField);
}

TEST(DialogVystupu, ExactlyOneOfParallelAndPerpendicularIsChecked)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.stocKcheck = false; // clicking "kolmo" while it is checked
    PoKliknuti(dialog, stav.Vystupy, "stocKcheck");
    EXPECT_TRUE(stav.Vystupy.stocRcheck);
    stav.Vystupy.stocRcheck = false;
    PoKliknuti(dialog, stav.Vystupy, "stocRcheck");
    EXPECT_TRUE(stav.Vystupy.stocKcheck);
}

TEST(DialogVystupu, ThePlacementRadioButtonsEnableTheirFields)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    PoKliknuti(dialog, stav.Vystupy, "RadioButton2");
    EXPECT_TRUE(stav.Vystupy.RadioButton2);
    EXPECT_FALSE(stav.Vystupy.RadioButton1);
    EXPECT_TRUE(dialog.Povoleno.vsXField && dialog.Povoleno.vsYField);
    EXPECT_FALSE(dialog.Povoleno.dxField || dialog.Povoleno.dyField);
    PoKliknuti(dialog, stav.Vystupy, "RadioButton1");
    EXPECT_TRUE(stav.Vystupy.RadioButton1);
    EXPECT_TRUE(dialog.Povoleno.dxField && dialog.Povoleno.dyField);
    EXPECT_FALSE(dialog.Povoleno.vsXField || dialog.Povoleno.vsYField);
}

TEST(DialogVystupu, TheTitleBlockFollowsItsCheckBoxFromTheFirstClickOn)
{
    TStav stav;
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    stav.Vystupy.tabcheck = true;
    PoKliknuti(dialog, stav.Vystupy, "tabcheck");
    EXPECT_TRUE(dialog.Povoleno.mercombo && dialog.Povoleno.vyscombo);
    stav.Vystupy.tabcheck = false;
    PoKliknuti(dialog, stav.Vystupy, "tabcheck");
    const auto& p = dialog.Povoleno;
    EXPECT_FALSE(p.datumEdit || p.zakEdit || p.mercombo || p.vypcombo || p.koncombo || p.soucombo || p.vyscombo);
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
    EXPECT_EQ(MezeOvladace("merfield").Od, 11);
    EXPECT_EQ(MezeOvladace("merfield").Do, 10000);
    EXPECT_EQ(MezeOvladace("vmField").Do, 2000);
    EXPECT_EQ(MezeOvladace("dField").Do, 5000);
    EXPECT_EQ(MezeOvladace("posSRField").Do, 100);
    EXPECT_EQ(MezeOvladace("lhSRField").Do, 1000);
    EXPECT_EQ(MezeOvladace("dxField").Od, -32768);
    EXPECT_EQ(MezeOvladace("vsXField").Do, 2147483647);
    EXPECT_EQ(MezeOvladace("oznacField").Od, 0.1);
    EXPECT_EQ(MezeOvladace("oznacField").Do, 99.9);
    EXPECT_EQ(MezeOvladace("oznacField").Desetin, 1);
    EXPECT_FALSE(MezeOvladace("Sitcheck").Plati());
    EXPECT_EQ(DelkaOvladace("sitField"), 16);
    EXPECT_EQ(DelkaOvladace("matField"), 30);
    EXPECT_EQ(DelkaOvladace("soupeF"), 12);
    EXPECT_EQ(DelkaOvladace("zakEdit"), 0);
}

TEST(DialogVystupu, ADirectoryTheSettingsFileCannotHoldIsNotTaken)
{
    TStav stav;
    stav.Nastaveni.AdresarProjektu = "/home/inženýr/";
    TDialogVystupu dialog = VytvoritDialogVystupu(stav);
    AktivovatDialogVystupu(dialog, stav);
    dialog.merfield = 250;
    dialog.FolderField = "/home/用户";
    const auto zprava = ZavritDialogVystupu(dialog, stav);
    ASSERT_TRUE(zprava);
    EXPECT_EQ(*zprava, "Adresář „/home/用户“ obsahuje znak „用“, který kódová stránka 1250 nemá; platí dál adresář "
                       "„/home/inženýr/“.");
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, "/home/inženýr/");
    EXPECT_EQ(stav.Nastaveni.MeritkoSituace, 250); // the other values are taken
}
