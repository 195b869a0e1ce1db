#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"
#include "data/SouborNastaveni.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

// The file of a fresh installation whose project directory is /home/inženýr/stoky/, line by line.
std::vector<std::string> VychoziRadky()
{
    return {"200", "100", "100", " 1.00000000000000E+0000", " 1.00000000000000E+0000", " 2.00000000000000E+0000",
            "10", "170", "500", "100", "5000", "1000", "400", "s", "s", "d", "v", "o", "Š", "0", "Kanalizace", "1",
            "/home/inženýr/stoky/", "3", "Novák", "Svoboda", "Dvořák", "CZ", "1", "0", "1", "ka", "kb", "kc", "kd",
            "ke", "p", "n", "n", "m", "DŠ", "P", "FALSE", "FALSE", "hydrant", "soupe"};
}

std::string Spojit(const std::vector<std::string>& radky)
{
    std::string text;
    for (const auto& radek : radky)
        text += radek + "\n";
    return text;
}

TNastaveni Vychozi()
{
    TNastaveni nastaveni;
    nastaveni.AdresarProjektu = "/home/inženýr/stoky/";
    return nastaveni;
}

} // namespace

TEST(SouborNastaveni, WritesFortySixLinesInFileOrder)
{
    test::DocasnyAdresar adr;
    UlozitNastaveni(adr / "$nastav", Vychozi());
    std::string ocekavane;
    for (const auto& radek : VychoziRadky())
        ocekavane += kodovani::DoCp1250(radek) + "\r\n";
    EXPECT_EQ(test::PrecistBajty(adr / "$nastav"), ocekavane);
    EXPECT_NE(ocekavane.find("\r\nDvo\xF8\xE1k\r\nCZ\r\n"), std::string::npos);
}

TEST(SouborNastaveni, WritesTheRealsInTwentyThreeCharacters)
{
    test::DocasnyAdresar adr;
    TNastaveni nastaveni = Vychozi();
    nastaveni.VyskaKot = 2.5;
    nastaveni.VyskaPopisu = -0.125;
    nastaveni.VyskaOznaceni = 12345.678;
    UlozitNastaveni(adr / "$nastav", nastaveni);
    const auto radky = soubor::PrecistRadky(adr / "$nastav");
    EXPECT_EQ(radky[3], " 2.50000000000000E+0000");
    EXPECT_EQ(radky[4], "-1.25000000000000E-0001");
    EXPECT_EQ(radky[5], " 1.23456780000000E+0004");
}

TEST(SouborNastaveni, ReadsBackWhatItWrote)
{
    test::DocasnyAdresar adr;
    TNastaveni nastaveni = Vychozi();
    nastaveni.DelkoveMeritko = 500;
    nastaveni.Dx = -250;
    nastaveni.VyskaKot = 1.7;
    nastaveni.KodOznaceni = "Šř";
    NastavitDruhSite(nastaveni, TDruhSite::Vodovod);
    nastaveni.Osoby = {"Řehoř", "Kůrka", "Běla", "Šťastný", "Žák"};
    nastaveni.Jazyk = "SK";
    nastaveni.ZobrazeniKryti = 2;
    nastaveni.LegendaDelka = true;
    nastaveni.StaniceniDo100 = true;
    nastaveni.KodSoupe = "šoupě";
    UlozitNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(soubor::PrecistRadky(adr / "$nastav").size(), 48u);

    TNastaveni precteno;
    EXPECT_TRUE(NacistNastaveni(adr / "$nastav", precteno).empty());
    EXPECT_EQ(precteno.DelkoveMeritko, 500);
    EXPECT_EQ(precteno.Dx, -250);
    EXPECT_EQ(precteno.VyskaKot, 1.7);
    EXPECT_EQ(precteno.KodOznaceni, "Šř");
    EXPECT_EQ(precteno.DruhSite, TDruhSite::Vodovod);
    EXPECT_EQ(precteno.NazevSite, "Vodovod");
    EXPECT_EQ(precteno.AdresarProjektu, "/home/inženýr/stoky/");
    EXPECT_EQ(precteno.Osoby, nastaveni.Osoby);
    EXPECT_EQ(precteno.Jazyk, "SK");
    EXPECT_EQ(precteno.ZobrazeniKryti, 2);
    EXPECT_TRUE(precteno.LegendaDelka);
    EXPECT_TRUE(precteno.StaniceniDo100);
    EXPECT_EQ(precteno.KodSoupe, "šoupě");
    EXPECT_EQ(precteno.KodHydrant, "hydrant");
}

TEST(SouborNastaveni, CutsCodesToFiveAndText16ToSixteenCharacters)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[13] = "řřřřřěě";                    // KodZPoklopu
    radky[24] = "Jméno delší než šestnáct znaků"; // a person name: a whole line
    radky[27] = "ČŠŘŽÝÁÍÉĚŮÚŤĎŇÓřx";         // Jazyk
    radky[44] = "hydrant-podzemní-starý";     // KodHydrant
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    EXPECT_TRUE(NacistNastaveni(adr / "$nastav", nastaveni).empty());
    EXPECT_EQ(nastaveni.KodZPoklopu, "řřřřř");
    EXPECT_EQ(nastaveni.Osoby[0], "Jméno delší než šestnáct znaků");
    EXPECT_EQ(nastaveni.Jazyk, "ČŠŘŽÝÁÍÉĚŮÚŤĎŇÓř");
    EXPECT_EQ(nastaveni.KodHydrant, "hydrant-podzemní");
}

TEST(SouborNastaveni, ReadsNumbersInAnyNotationAndSkipsTheRestOfTheLine)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[0] = "  250 měřítko";
    radky[3] = "2.5";
    radky[4] = ".75";
    radky[5] = "1.5e1";
    radky[8] = "-40";
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    EXPECT_TRUE(NacistNastaveni(adr / "$nastav", nastaveni).empty());
    EXPECT_EQ(nastaveni.DelkoveMeritko, 250);
    EXPECT_EQ(nastaveni.VyskaKot, 2.5);
    EXPECT_EQ(nastaveni.VyskaPopisu, 0.75);
    EXPECT_EQ(nastaveni.VyskaOznaceni, 15.0);
    EXPECT_EQ(nastaveni.Dx, -40);
}

TEST(SouborNastaveni, ABooleanOtherThanTrueOrFalseKeepsItsDefaultAndIsReported)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[42] = "true";
    radky[43] = "TRUE";
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    EXPECT_FALSE(nastaveni.LegendaDelka);
    EXPECT_TRUE(nastaveni.StaniceniDo100);
    ASSERT_EQ(zpravy.size(), 1u);
    EXPECT_EQ(zpravy[0].Text, "Soubor nastavení „" + adr / "$nastav"
                             + "“, řádek 43 (LegendaDelka): „true“ není TRUE ani FALSE; platí výchozí hodnota.");
}

TEST(SouborNastaveni, ADamagedNumberKeepsItsDefaultAndTheLaterLinesTheirMeaning)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[2] = "1:500";
    radky[3] = "jedna";
    radky[10] = "99999999999";
    radky[11] = "7000";
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    nastaveni.MeritkoSituace = 0;
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(nastaveni.MeritkoSituace, 100);
    EXPECT_EQ(nastaveni.VyskaKot, 1.0);
    EXPECT_EQ(nastaveni.UmisteniX, 5000);
    EXPECT_EQ(nastaveni.UmisteniY, 7000);
    EXPECT_EQ(nastaveni.Osoby[2], "Dvořák");
    ASSERT_EQ(zpravy.size(), 3u);
    EXPECT_NE(zpravy[0].Text.find("řádek 3 (MeritkoSituace): „1:500“ není celé číslo; platí výchozí hodnota."), std::string::npos);
    EXPECT_NE(zpravy[1].Text.find("řádek 4 (VyskaKot): „jedna“ není číslo"), std::string::npos);
    EXPECT_NE(zpravy[2].Text.find("řádek 11 (UmisteniX)"), std::string::npos);
}

TEST(SouborNastaveni, AFileCutInTheMiddleGivesDefaultsForTheRest)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[0] = "300";
    radky[21] = "3";
    radky.resize(22);
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    nastaveni.AdresarProjektu = "";
    nastaveni.Osoby.clear();
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(nastaveni.DelkoveMeritko, 300);
    EXPECT_EQ(nastaveni.DruhSite, TDruhSite::OsaKomunikace);
    EXPECT_EQ(nastaveni.AdresarProjektu, TNastaveni::VychoziAdresarProjektu());
    EXPECT_EQ(nastaveni.Osoby, TNastaveni().Osoby);
    EXPECT_EQ(nastaveni.KodSoupe, "soupe");
    ASSERT_EQ(zpravy.size(), 1u);
    EXPECT_EQ(zpravy[0].Text, "Soubor nastavení „" + adr / "$nastav"
                             + "“, řádek 23 (AdresarProjektu): soubor zde končí; toto a všechna další nastavení mají "
                               "výchozí hodnoty.");
}

TEST(SouborNastaveni, KeepsFiftyOfSixtyPersonNamesAndReadsPastTheOthers)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    std::vector<std::string> jmena;
    for (int i = 1; i <= 60; ++i)
        jmena.push_back("Kůň " + std::to_string(i));
    radky[23] = "60";
    radky.erase(radky.begin() + 24, radky.begin() + 27);
    radky.insert(radky.begin() + 24, jmena.begin(), jmena.end());
    radky[24 + 60] = "SK";
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    ASSERT_EQ(nastaveni.PocetOsob(), 50);
    EXPECT_EQ(nastaveni.Osoby.back(), "Kůň 50");
    EXPECT_EQ(nastaveni.Jazyk, "SK");
    EXPECT_EQ(nastaveni.KodSoupe, "soupe");
    ASSERT_EQ(zpravy.size(), 1u);
    EXPECT_NE(zpravy[0].Text.find("řádek 24 (PocetOsob): 60 jmen osob je víc než 50; ponechává se jich prvních 50."),
              std::string::npos);

    UlozitNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(soubor::PrecistRadky(adr / "$nastav").size(), 93u);
}

TEST(SouborNastaveni, ADamagedPersonCountLeavesTheRestAtDefaults)
{
    test::DocasnyAdresar adr;
    for (const char* pocet : {"tři", "-2"}) {
        auto radky = VychoziRadky();
        radky[0] = "333";
        radky[23] = pocet;
        radky[27] = "SK";
        soubor::ZapsatText(adr / "$nastav", Spojit(radky));
        TNastaveni nastaveni;
        const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
        EXPECT_EQ(nastaveni.DelkoveMeritko, 333);
        EXPECT_EQ(nastaveni.Osoby, TNastaveni().Osoby);
        EXPECT_EQ(nastaveni.Jazyk, "CZ");
        ASSERT_EQ(zpravy.size(), 1u);
        EXPECT_NE(zpravy[0].Text.find("řádek 24 (PocetOsob)"), std::string::npos);
    }
}

TEST(SouborNastaveni, AFileEndingAmongTheNamesKeepsTheNamesRead)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky.resize(26);
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(nastaveni.Osoby, (std::vector<std::string>{"Novák", "Svoboda"}));
    ASSERT_EQ(zpravy.size(), 1u);
    EXPECT_NE(zpravy[0].Text.find("řádek 27 (jméno osoby 3): soubor zde končí"), std::string::npos);
}

TEST(SouborNastaveni, AFileThatCannotBeReadThrows)
{
    test::DocasnyAdresar adr;
    TNastaveni nastaveni;
    EXPECT_THROW(NacistNastaveni(adr / "$nastav", nastaveni), Chyba);
    EXPECT_THROW(NacistNastaveni(adr.Cesta(), nastaveni), Chyba);
    test::ZapsatBajty(adr / "$nastav", "200\r\n\x98\r\n");
    EXPECT_THROW(NacistNastaveni(adr / "$nastav", nastaveni), Chyba);
}

TEST(SouborNastaveni, AUtf8FileIsReadAsUtf8WithAnInformation)
{
    // A byte order mark would have made the first number "ď»ż200"; "ř" in UTF-8 would be "Ĺ™".
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[24] = "Jan Dvořák";
    const std::string utf8 = Spojit(radky);
    for (const std::string bom : {"\xEF\xBB\xBF", ""}) {
        test::ZapsatBajty(adr / "$nastav", bom + utf8);
        TNastaveni nastaveni;
        const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
        ASSERT_EQ(zpravy.size(), 1u);
        EXPECT_EQ(zpravy[0].Druh, DruhZpravy::Informace);
        EXPECT_EQ(zpravy[0].Text, "Soubor „" + adr / "$nastav" + "“ je v kódování UTF-8; uloží se ve Windows-1250.");
        EXPECT_EQ(nastaveni.DelkoveMeritko, 200);
        EXPECT_EQ(nastaveni.Osoby[0], "Jan Dvořák");
    }
    // A character code page 1250 lacks could not be written back: the file is refused, naming it.
    test::ZapsatBajty(adr / "$nastav", "200\r\nř\r\n日\r\n");
    TNastaveni nastaveni;
    EXPECT_EQ(test::TextChyby([&] { NacistNastaveni(adr / "$nastav", nastaveni); }),
              "Soubor „" + adr / "$nastav" + "“, řádek 3: znak „日“ kódová stránka 1250 nemá.");
}

TEST(SouborNastaveni, ALineLongerThanAnyValueKeepsItsDefault)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[0] = std::string(100'000, '7');
    radky[22] = std::string(100'000, 'x');
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(nastaveni.DelkoveMeritko, Vychozi().DelkoveMeritko);
    EXPECT_EQ(nastaveni.AdresarProjektu, TNastaveni().AdresarProjektu);
    ASSERT_EQ(zpravy.size(), 2u);
    EXPECT_EQ(zpravy[0].Text, "Soubor nastavení „" + adr / "$nastav"
                                  + "“, řádek 1 (DelkoveMeritko): řádek je delší než 65 536 bajtů; platí výchozí "
                                    "hodnota.");
}

TEST(SouborNastaveni, AFailedWriteKeepsThePreviousFile)
{
    test::DocasnyAdresar adr;
    UlozitNastaveni(adr / "$nastav", Vychozi());
    const std::string predtim = test::PrecistBajty(adr / "$nastav");
    TNastaveni zmenene = Vychozi();
    zmenene.DelkoveMeritko = 1000;
    {
        const test::PorouchanyDisk plny = test::PlnyDisk(100);
        soubor::ZapisTextu zapis(adr / "$nastav", plny);
        EXPECT_THROW(UlozitNastaveni(zapis, zmenene), Chyba);
    }
    zmenene.Osoby.push_back("李");
    EXPECT_THROW(UlozitNastaveni(adr / "$nastav", zmenene), Chyba);
    EXPECT_EQ(test::PrecistBajty(adr / "$nastav"), predtim);
}

TEST(SouborNastaveni, AValueNoControlCouldHoldKeepsItsDefaultAndIsReported)
{
    test::DocasnyAdresar adr;
    auto radky = VychoziRadky();
    radky[1] = "0";    // a vertical scale of 0 would divide by zero
    radky[3] = "-2.5"; // a negative text height
    radky[21] = "7";   // no such network kind
    soubor::ZapsatText(adr / "$nastav", Spojit(radky));
    TNastaveni nastaveni;
    const auto zpravy = NacistNastaveni(adr / "$nastav", nastaveni);
    EXPECT_EQ(nastaveni.VyskoveMeritko, 100);
    EXPECT_EQ(nastaveni.VyskaKot, 1.0);
    EXPECT_EQ(nastaveni.DruhSite, TDruhSite::Kanalizace);
    EXPECT_EQ(nastaveni.Osoby.size(), 3u);
    ASSERT_EQ(zpravy.size(), 3u);
    EXPECT_NE(zpravy[0].Text.find("řádek 2 (VyskoveMeritko): „0“ leží mimo rozsah 11 až 2000; platí výchozí hodnota."),
              std::string::npos);
    EXPECT_NE(zpravy[1].Text.find("řádek 4 (VyskaKot)"), std::string::npos);
    EXPECT_NE(zpravy[2].Text.find("řádek 22 (DruhSite)"), std::string::npos);
}

TEST(SouborNastaveni, ATextWithALineBreakIsRefusedSoNoLineShifts)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "$nastav", Spojit(VychoziRadky()));
    TNastaveni nastaveni = Vychozi();
    nastaveni.AdresarProjektu = "/home/ř\nstoky/";
    EXPECT_EQ(test::TextChyby([&] { UlozitNastaveni(adr / "$nastav", nastaveni); }),
              "Soubor nastavení „" + adr / "$nastav"
                  + "“ nelze zapsat: nastavení AdresarProjektu „/home/ř\nstoky/“ obsahuje konec řádku.");
    nastaveni = Vychozi();
    nastaveni.Osoby[1] = "Svo\nboda";
    EXPECT_THROW(UlozitNastaveni(adr / "$nastav", nastaveni), Chyba);
    EXPECT_EQ(soubor::PrecistRadky(adr / "$nastav"), VychoziRadky());
}
