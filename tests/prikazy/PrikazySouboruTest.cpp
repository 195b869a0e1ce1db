#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "prikazy/PrikazySouboru.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

TStav StavSeDvemaBody()
{
    TStav stav;
    stav.Projekt.Body[1] = {.Oznaceni = "Š1", .Y = 745000.5, .ZDna = 245.3, .Prumer = 300, .Dno = true};
    stav.Projekt.Body.Pridat({.Oznaceni = "Š2", .ZDna = 245.1, .Dno = false});
    stav.Projekt.Pripojky.Pridat({.Typ = "p", .OznaceniPripojky = "P1", .Y = 1});
    stav.Vysledky.Pripojky[1].Staniceni = 12.5;
    stav.Vysledky.Pripojky[1].Kryti = 1.5;
    stav.Projekt.Zmeneno = true;
    return stav;
}

} // namespace

TEST(UlozitJako, DerivesTheNameFromTheChosenTypeCaseSensitively)
{
    EXPECT_EQ(NazevUlozenehoSouboru("b.dat", FormatProjektu::Tabulka), "b.csv");
    EXPECT_EQ(NazevUlozenehoSouboru("b", FormatProjektu::Tabulka), "b.csv");
    EXPECT_EQ(NazevUlozenehoSouboru("b.CSV", FormatProjektu::Tabulka), "b.CSV.csv");
    EXPECT_EQ(NazevUlozenehoSouboru("b.csv", FormatProjektu::Tabulka), "b.csv");
    EXPECT_EQ(NazevUlozenehoSouboru("b.csv", FormatProjektu::Radky), "b.dat");
    EXPECT_EQ(NazevUlozenehoSouboru("b", FormatProjektu::Radky), "b.dat");
    EXPECT_EQ(NazevUlozenehoSouboru("bcsv", FormatProjektu::Radky), "bdat.dat");
    EXPECT_EQ(NazevUlozenehoSouboru("b.DAT", FormatProjektu::Radky), "b.DAT.dat");

    EXPECT_EQ(NazevDoDialogu("/p/a.dat", FormatProjektu::Tabulka), "/p/a.csv");
    EXPECT_EQ(NazevDoDialogu("/p/a.csv", FormatProjektu::Radky), "/p/a.dat");
    EXPECT_EQ(NazevDoDialogu("/p/a.csv", FormatProjektu::Tabulka), "/p/a.csv");
    EXPECT_EQ(NazevDoDialogu("", FormatProjektu::Radky), "");
}

TEST(UlozitJako, WritesTheDerivedFileAndNamesTheProjectAfterIt)
{
    test::DocasnyAdresar adr;
    TStav stav = StavSeDvemaBody();
    stav.Projekt.SouborProjektu = "/jinde/stoka.csv";
    std::string nabidnuty;
    const bool ulozeno = UlozitJako(stav, FormatProjektu::Radky, [&](const std::string& nazev) {
        nabidnuty = nazev;
        return std::optional<TVolbaSouboru>({adr / "nová", FormatProjektu::Radky});
    });
    EXPECT_TRUE(ulozeno);
    EXPECT_EQ(nabidnuty, "/jinde/stoka.dat");
    EXPECT_EQ(stav.Projekt.SouborProjektu, adr / "nová.dat");
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, adr.Cesta());
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.Body[1].DnoText, "Ano");
    EXPECT_EQ(stav.Projekt.Body[2].DnoText, "Ne");
    const auto radky = soubor::PrecistRadky(adr / "nová.dat");
    ASSERT_EQ(radky.size(), 9u * 2 + 1 + 10);
    EXPECT_EQ(radky[0], "Š1");
    EXPECT_EQ(radky[1], "745000.500");
}

TEST(UlozitJako, ACancelledDialogChangesNothing)
{
    TStav stav = StavSeDvemaBody();
    stav.Projekt.SouborProjektu = "/p/a.dat";
    EXPECT_FALSE(UlozitJako(stav, FormatProjektu::Tabulka, [](const std::string&) { return std::nullopt; }));
    EXPECT_EQ(stav.Projekt.SouborProjektu, "/p/a.dat");
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(UlozitJako, ANameOutsideCodePage1250IsRefusedBeforeWriting)
{
    test::DocasnyAdresar adr;
    TStav stav = StavSeDvemaBody();
    EXPECT_THROW(UlozitProjektJako(stav, {adr / "北京", FormatProjektu::Tabulka}), Chyba);
    EXPECT_FALSE(soubor::Existuje(adr / "北京.csv"));
    EXPECT_TRUE(stav.Projekt.SouborProjektu.empty());
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(Ulozit, WritesATableFileWithoutADialogUnlessTheNameEndsInDat)
{
    test::DocasnyAdresar adr;
    TStav stav = StavSeDvemaBody();
    int dialogu = 0;
    auto ulozitJako = [&] { ++dialogu; return false; };

    EXPECT_FALSE(Ulozit(stav, ulozitJako));
    stav.Projekt.SouborProjektu = adr / "a.dat";
    EXPECT_FALSE(Ulozit(stav, ulozitJako));
    EXPECT_EQ(dialogu, 2);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    EXPECT_FALSE(soubor::Existuje(adr / "a.dat"));

    stav.Projekt.SouborProjektu = adr / "a.txt";
    EXPECT_TRUE(Ulozit(stav, ulozitJako));
    EXPECT_EQ(dialogu, 2);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    EXPECT_EQ(soubor::PrecistRadky(adr / "a.txt")[1], "Š2; 0.000;  0.000;245.100;0.000;0.000;0.000;0;Ne;");
}

TEST(Ulozit, AFailedWriteKeepsTheChangesMarkedAndTheOldFile)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "a.csv", "starý\n");
    TStav stav = StavSeDvemaBody();
    stav.Projekt.SouborProjektu = adr / "a.csv";
    const test::PorouchanyDisk disk = test::PlnyDisk(10);
    stav.Disk = &disk;
    EXPECT_THROW(Ulozit(stav, [] { return true; }), Chyba);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    EXPECT_EQ(test::PrecistBajty(adr / "a.csv"), "star\xFD\r\n");
}

TEST(PotvrditUlozeni, AsksWithYesNoCancel)
{
    TStav stav = StavSeDvemaBody();
    test::ZaznamZprav zpravy;
    int ulozeni = 0;
    auto ulozit = [&] { ++ulozeni; return ulozeni == 1; };

    zpravy.odpovediAnoNeStorno = {Odpoved::Ano, Odpoved::Ano, Odpoved::Ne, Odpoved::Storno};
    EXPECT_TRUE(PotvrditUlozeni(stav.Projekt, zpravy, ulozit));
    EXPECT_FALSE(PotvrditUlozeni(stav.Projekt, zpravy, ulozit)); // the save failed or was cancelled
    EXPECT_TRUE(PotvrditUlozeni(stav.Projekt, zpravy, ulozit));
    EXPECT_FALSE(PotvrditUlozeni(stav.Projekt, zpravy, ulozit));
    EXPECT_EQ(ulozeni, 2);
    EXPECT_EQ(zpravy.otazky[0], "Soubor  byl změněn.\n\nChcete uložit změny?");
    EXPECT_EQ(TextPotvrzeniUlozeni("/p/ř.csv"), "Soubor /p/ř.csv byl změněn.\n\nChcete uložit změny?");
}

TEST(Novy, EmptiesBothTablesToOneEmptyRowEach)
{
    for (int bodu : {0, 1, 2, 7}) {
        TStav stav = StavSeDvemaBody();
        for (int i = 3; i <= 7; ++i)
            stav.Projekt.Body.Pridat({.Oznaceni = "x"});
        stav.Projekt.Body.NastavitPocet(bodu); // rows above the count keep old data
        stav.Projekt.SouborProjektu = "/p/a.csv";
        test::ZaznamZprav zpravy;
        zpravy.odpovediAnoNeStorno = {Odpoved::Ne};
        EXPECT_TRUE(Novy(stav, zpravy, [] { return true; }));
        ASSERT_EQ(stav.Projekt.PocetBodu(), 1);
        EXPECT_EQ(stav.Projekt.Body[1], PrazdnyBod());
        ASSERT_EQ(stav.Projekt.PocetPripojek(), 1);
        EXPECT_EQ(stav.Projekt.Pripojky[1], TPripojka());
        EXPECT_EQ(stav.Vysledky.Pripojky[1].Staniceni, 0);
        EXPECT_EQ(stav.Vysledky.Pripojky[1].Kryti, 0);
        EXPECT_FALSE(stav.Projekt.Zmeneno);
        EXPECT_TRUE(stav.Projekt.SouborProjektu.empty());
    }
}

TEST(Novy, CancelAtThePromptKeepsTheProject)
{
    TStav stav = StavSeDvemaBody();
    test::ZaznamZprav zpravy;
    zpravy.odpovediAnoNeStorno = {Odpoved::Storno};
    EXPECT_FALSE(Novy(stav, zpravy, [] { return true; }));
    EXPECT_EQ(stav.Projekt.PocetBodu(), 2);
    EXPECT_TRUE(stav.Projekt.Zmeneno);

    stav.Projekt.Zmeneno = false;
    EXPECT_TRUE(Novy(stav, zpravy, [] { return true; }));
    EXPECT_EQ(zpravy.otazky.size(), 1u); // nothing unsaved, nothing asked
}

TEST(Otevrit, AsksFirstAndStopsWhenCancelled)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "b.csv", "B;1;2;3;4;5;6;300;Ano;\n#\n");
    TStav stav = StavSeDvemaBody();
    test::ZaznamZprav zpravy;
    int dialogu = 0;
    auto dialog = [&](const std::string&) {
        ++dialogu;
        return std::optional<TVolbaSouboru>({adr / "b.csv", FormatProjektu::Tabulka});
    };
    zpravy.odpovediAnoNeStorno = {Odpoved::Storno, Odpoved::Ne};
    EXPECT_FALSE(Otevrit(stav, zpravy, [] { return true; }, dialog));
    EXPECT_EQ(dialogu, 0);
    EXPECT_FALSE(Otevrit(stav, zpravy, [] { return true; }, [](const std::string&) { return std::nullopt; }));
    EXPECT_EQ(stav.Projekt.PocetBodu(), 2);
    stav.Projekt.Zmeneno = false;
    EXPECT_TRUE(Otevrit(stav, zpravy, [] { return true; }, dialog));
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "B");
    EXPECT_EQ(stav.Projekt.SouborProjektu, adr / "b.csv");
}
