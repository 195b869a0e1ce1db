#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace lineon;

namespace {

TProjekt UkazkovyProjekt()
{
    TProjekt projekt;
    projekt.Body[1] = {.Oznaceni = "Š1ř", .Y = 745123.456, .X = 1045678.9, .ZDna = 245.3, .ZPoklopu = 247.125,
                       .ZVtoku = 245.31, .ZOdtoku = 245.3, .Prumer = 300, .Dno = true, .DnoText = "Ano"};
    projekt.Body.Pridat({.Oznaceni = "", .Prumer = 0, .Dno = false, .DnoText = "Ne"});
    projekt.Body.Pridat({.Oznaceni = "bod ůě", .Y = 12.5, .X = 12.5, .ZDna = -1.5, .ZPoklopu = 0.0004, .Prumer = 250,
                         .Dno = true, .DnoText = "Ano"});
    projekt.Pripojky.Pridat({.Typ = "p", .OznaceniPripojky = "P1", .Y = 745130, .X = 1045670, .OznaceniDS = "DŠ1",
                             .YDS = 745140.25, .XDS = 1045660, .ZPoklopuDS = 246, .ZDnaDS = 244.5, .Poradi = 1});
    projekt.Pripojky.Pridat({.Typ = "ka", .OznaceniPripojky = "ka", .Y = 745125, .X = 1045675});
    return projekt;
}

const char* const UkazkaCsv = "Š1ř;745123.456;1045678.900;245.300;247.125;245.310;245.300;300;Ano;\n"
                              "; 0.000;  0.000;0.000;0.000;0.000;0.000;0;Ne;\n"
                              "bod ůě;12.500; 12.500;-1.500;0.000;0.000;0.000;250;Ano;\n"
                              "#\n"
                              "p;P1;745130.000;1045670.000;DŠ1;745140.250;1045660.000;246.000;244.500;1;\n"
                              "ka;ka;745125.000;1045675.000;; 0.000;  0.000;0.000;0.000;0;\n";

const char* const UkazkaDat = "Š1ř\n745123.456\n1045678.900\n245.300\n247.125\n245.310\n245.300\n300\nAno\n"
                              "\n 0.000\n  0.000\n0.000\n0.000\n0.000\n0.000\n0\nNe\n"
                              "bod ůě\n12.500\n 12.500\n-1.500\n0.000\n0.000\n0.000\n250\nAno\n"
                              "#\n"
                              "p\nP1\n745130.000\n1045670.000\nDŠ1\n745140.250\n1045660.000\n246.000\n244.500\n1\n"
                              "ka\nka\n745125.000\n1045675.000\n\n 0.000\n  0.000\n0.000\n0.000\n0\n";

std::string CrLf1250(const std::string& utf8)
{
    std::string vysledek;
    for (const char c : kodovani::DoCp1250(utf8))
        vysledek += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return vysledek;
}

void OcekavatStejneTabulky(const TProjekt& a, const TProjekt& b)
{
    ASSERT_EQ(a.PocetBodu(), b.PocetBodu());
    ASSERT_EQ(a.PocetPripojek(), b.PocetPripojek());
    for (int i = 1; i <= a.PocetBodu(); ++i)
        EXPECT_EQ(a.Body[i], b.Body[i]) << "bod " << i;
    for (int i = 1; i <= a.PocetPripojek(); ++i)
        EXPECT_EQ(a.Pripojky[i], b.Pripojky[i]) << "přípojka " << i;
}

} // namespace

TEST(ProjektovySoubor, WritesTheTableFormatExactly)
{
    test::DocasnyAdresar adr;
    ZapsatProjekt(UkazkovyProjekt(), adr / "stoka.csv", FormatProjektu::Tabulka);
    const std::string bajty = test::PrecistBajty(adr / "stoka.csv");
    EXPECT_EQ(bajty, CrLf1250(UkazkaCsv));
    EXPECT_EQ(bajty.substr(0, 5), "\x8A" "1\xF8;7");
}

TEST(ProjektovySoubor, WritesTheLineFormatExactly)
{
    test::DocasnyAdresar adr;
    ZapsatProjekt(UkazkovyProjekt(), adr / "stoka.dat", FormatProjektu::Radky);
    EXPECT_EQ(test::PrecistBajty(adr / "stoka.dat"), CrLf1250(UkazkaDat));
}

TEST(ProjektovySoubor, TheHashLineIsWrittenAlsoForEmptyTables)
{
    test::DocasnyAdresar adr;
    TProjekt prazdny;
    prazdny.Body.NastavitPocet(0);
    ZapsatProjekt(prazdny, adr / "a.csv", FormatProjektu::Tabulka);
    ZapsatProjekt(prazdny, adr / "a.dat", FormatProjektu::Radky);
    EXPECT_EQ(test::PrecistBajty(adr / "a.csv"), "#\r\n");
    EXPECT_EQ(test::PrecistBajty(adr / "a.dat"), "#\r\n");
}

TEST(ProjektovySoubor, BothFormatsReadBackToTheSameTables)
{
    test::DocasnyAdresar adr;
    for (const auto format : {FormatProjektu::Tabulka, FormatProjektu::Radky}) {
        const std::string cesta = adr / (format == FormatProjektu::Tabulka ? "p.csv" : "p.dat");
        ZapsatProjekt(UkazkovyProjekt(), cesta, format);
        TStav stav;
        stav.Vystupy.CheckBox1 = false;
        test::Otevrit(stav, cesta, FormatPodleNazvu(cesta));
        TProjekt ocekavany = UkazkovyProjekt();
        ocekavany.Body[3].ZPoklopu = 0; // written with three decimals
        OcekavatStejneTabulky(stav.Projekt, ocekavany);
    }
}

TEST(ProjektovySoubor, WithoutConnectionsTheTableFormatReadsBackOneEmptyConnectionRow)
{
    test::DocasnyAdresar adr;
    TProjekt projekt = UkazkovyProjekt();
    projekt.Pripojky.NastavitPocet(0);
    ZapsatProjekt(projekt, adr / "p.csv", FormatProjektu::Tabulka);
    ZapsatProjekt(projekt, adr / "p.dat", FormatProjektu::Radky);
    TStav stav;
    test::Otevrit(stav, adr / "p.csv", FormatProjektu::Tabulka);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 3);
    ASSERT_EQ(stav.Projekt.PocetPripojek(), 1);
    EXPECT_EQ(stav.Projekt.Pripojky[1], TPripojka{});
    test::Otevrit(stav, adr / "p.dat", FormatProjektu::Radky);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 3);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
}

TEST(ProjektovySoubor, ReadsTheTableFormatLineByLine)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "p.csv", "A;1;2;3;4;5;6;300;Ano;\n"
                                      "\n"
                                      "Ř123456789012345;  7.5 ;8;;;;;;ano;zbytek\n"
                                      "jen;9\n"
                                      "#\n"
                                      "\n"
                                      "p;P2;1;2;DŠ2;3;4;5;6;7;\n"
                                      "\n"
                                      "ka;ka;1;2;\n"
                                      "\n");
    TStav stav;
    stav.Vystupy.CheckBox1 = false;
    test::ZaznamZprav zpravy;
    ASSERT_TRUE(OtevritProjekt(stav, adr / "p.csv", FormatProjektu::Tabulka, zpravy));
    // The lines with fewer fields than their row has are told; the empty line after "#" is the
    // table's own row of a file without connections, and is not.
    EXPECT_EQ(zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                 {DruhZpravy::Varovani,
                                  "Soubor „" + adr / "p.csv"
                                      + "“: načteny 4 body a 2 přípojky z 10 řádků; neúplné řádky (chybějící pole se "
                                        "čtou jako prázdná): 2, 4, 9."}}));
    const TProjekt& p = stav.Projekt;
    ASSERT_EQ(p.PocetBodu(), 4);
    EXPECT_EQ(p.Body[1], (TBod{.Oznaceni = "A", .Y = 1, .X = 2, .ZDna = 3, .ZPoklopu = 4, .ZVtoku = 5, .ZOdtoku = 6,
                               .Prumer = 300, .Dno = true, .DnoText = "Ano"}));
    EXPECT_EQ(p.Body[2], TBod{});
    EXPECT_EQ(p.Body[3].Oznaceni, "Ř12345678901");
    EXPECT_EQ(p.Body[3].Y, 7.5);
    EXPECT_EQ(p.Body[3].X, 8);
    EXPECT_EQ(p.Body[3].DnoText, "ano");
    EXPECT_FALSE(p.Body[3].Dno);
    EXPECT_EQ(p.Body[4].Oznaceni, "jen");
    EXPECT_EQ(p.Body[4].Y, 0); // no ";" after it: not a field
    ASSERT_EQ(p.PocetPripojek(), 3);
    EXPECT_EQ(p.Pripojky[1], TPripojka{});
    EXPECT_EQ(p.Pripojky[2], (TPripojka{.Typ = "p", .OznaceniPripojky = "P2", .Y = 1, .X = 2, .OznaceniDS = "DŠ2",
                                        .YDS = 3, .XDS = 4, .ZPoklopuDS = 5, .ZDnaDS = 6, .Poradi = 7}));
    EXPECT_EQ(p.Pripojky[3], (TPripojka{.Typ = "ka", .OznaceniPripojky = "ka", .Y = 1, .X = 2}));
}

TEST(ProjektovySoubor, AFileWithoutTheHashLineHoldsPointsOnly)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "p.csv", "A;1;2;3;4;5;6;300;Ano;\n");
    soubor::ZapsatText(adr / "p.dat", "A\n1\n2\n3\n4\n5\n6\n300\nAno\n");
    for (const char* nazev : {"p.csv", "p.dat"}) {
        TStav stav;
        test::Otevrit(stav, adr / nazev, FormatPodleNazvu(nazev));
        EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
        EXPECT_EQ(stav.Projekt.Body[1].ZOdtoku, 6);
        EXPECT_EQ(stav.Projekt.PocetPripojek(), 0);
    }
}

TEST(ProjektovySoubor, ReadsLabelsOfTheLineFormatCutToTwelveCharacters)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "p.dat", "šachta-číslo-155ř\n 1.5\n2\n3\n4\n5\n6\n  300\nAno\n#\n");
    TStav stav;
    test::Otevrit(stav, adr / "p.dat", FormatProjektu::Radky);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "šachta-číslo");
    EXPECT_EQ(stav.Projekt.Body[1].Y, 1.5);
    EXPECT_EQ(stav.Projekt.Body[1].Prumer, 300);
    EXPECT_TRUE(stav.Projekt.Body[1].Dno);
}

TEST(ProjektovySoubor, AZeroDiameterBecomesTheImportDiameterWhileUniformDiameterIsOn)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "p.csv", "A;;;;;;;0;Ne;\nB;;;;;;;250;Ne;\n#\n");
    TStav stav;
    stav.Nastaveni.PrumerPriImportu = 350;
    test::Otevrit(stav, adr / "p.csv", FormatProjektu::Tabulka);
    EXPECT_EQ(stav.Projekt.Body[1].Prumer, 350);
    EXPECT_EQ(stav.Projekt.Body[2].Prumer, 250);
    stav.Vystupy.CheckBox1 = false;
    test::Otevrit(stav, adr / "p.csv", FormatProjektu::Tabulka);
    EXPECT_EQ(stav.Projekt.Body[1].Prumer, 0);
}

TEST(ProjektovySoubor, OpeningNamesTheProjectAndItsDirectory)
{
    test::DocasnyAdresar adr;
    ZapsatProjekt(UkazkovyProjekt(), adr / "stoka.csv", FormatProjektu::Tabulka);
    TStav stav;
    stav.Projekt.Zmeneno = true;
    stav.Nastaveni.Jazyk = "SK";
    NastavitDruhSite(stav.Nastaveni, TDruhSite::Vodovod);
    test::Otevrit(stav, adr / "stoka.csv", FormatProjektu::Tabulka);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.SouborProjektu, adr / "stoka.csv");
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, adr.Cesta());
    EXPECT_EQ(stav.Nastaveni.Jazyk, "SK");
    EXPECT_EQ(stav.Nastaveni.DruhSite, TDruhSite::Vodovod);
    EXPECT_EQ(AdresarSouboru("stoka.csv"), "./");
    EXPECT_EQ(FormatPodleNazvu("a.dat"), FormatProjektu::Radky);
    EXPECT_EQ(FormatPodleNazvu("a.DAT"), FormatProjektu::Tabulka);
    EXPECT_EQ(FormatPodleNazvu("dat"), FormatProjektu::Tabulka);
}

TEST(ProjektovySoubor, BadFilesAreReportedAndTheProjectStaysAsItWas)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "useknuty.dat", "A\n1\n2\n3\n4\n5\n6\n300\nAno\nB\n1\n2\n");
    soubor::ZapsatText(adr / "useknuta-pripojka.dat", "#\np\nP1\n1\n");
    soubor::ZapsatText(adr / "carka.csv", "A;1;2;3;4;5;6;300;Ano;\nB;12,5x;2;3;4;5;6;300;Ano;\n");
    soubor::ZapsatText(adr / "prumer.dat", "A\n1\n2\n3\n4\n5\n6\n300.5\nAno\n");
    std::string mnoho;
    for (int i = 1; i <= 5001; ++i)
        mnoho += "Š" + std::to_string(i) + ";1;2;3;4;5;6;300;Ano;\n";
    soubor::ZapsatText(adr / "mnoho.csv", mnoho);
    ::mkdir((adr / "adresar.csv").c_str(), 0755);

    TStav stav;
    stav.Projekt = UkazkovyProjekt();
    stav.Projekt.Zmeneno = true;
    stav.Projekt.SouborProjektu = "/projekty/stará.csv";
    stav.Nastaveni.AdresarProjektu = "/projekty/";
    auto otevrit = [&](const std::string& nazev) {
        return test::TextChyby([&] { test::Otevrit(stav, adr / nazev, FormatPodleNazvu(nazev)); });
    };
    EXPECT_EQ(otevrit("chybi.csv"), "Soubor „" + adr / "chybi.csv" + "“ nelze otevřít: soubor nebo adresář neexistuje.");
    EXPECT_EQ(otevrit("adresar.csv"), "Soubor „" + adr / "adresar.csv" + "“ není obyčejný soubor.");
    EXPECT_EQ(otevrit("useknuty.dat"),
              "Soubor „" + adr / "useknuty.dat" + "“ končí uprostřed záznamu bodu, který začíná na řádku 10.");
    EXPECT_EQ(otevrit("useknuta-pripojka.dat"),
              "Soubor „" + adr / "useknuta-pripojka.dat" + "“ končí uprostřed záznamu přípojky, který začíná na řádku 2.");
    EXPECT_EQ(otevrit("carka.csv"), "Soubor „" + adr / "carka.csv" + "“, řádek 2: pole Y „12,5x“ není číslo.");
    EXPECT_EQ(otevrit("prumer.dat"), "Soubor „" + adr / "prumer.dat" + "“, řádek 8: pole Průměr „300.5“ není celé číslo.");
    EXPECT_EQ(otevrit("mnoho.csv"), "Soubor „" + adr / "mnoho.csv"
                                        + "“, řádek 5001: Tabulka bodů může mít nejvýše 5000 řádků; další řádek nelze "
                                          "přidat.");
    EXPECT_EQ(test::TextChyby([&] { test::Otevrit(stav, "/projekty/北京.csv", FormatProjektu::Tabulka); }),
              "Název souboru „/projekty/北京.csv“ obsahuje znak „北“, který kódová stránka 1250 nemá; projekt s takovým "
              "názvem nelze otevřít ani uložit.");

    OcekavatStejneTabulky(stav.Projekt, UkazkovyProjekt());
    EXPECT_TRUE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.SouborProjektu, "/projekty/stará.csv");
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, "/projekty/");
}

TEST(ProjektovySoubor, FiveThousandRowsAreRead)
{
    test::DocasnyAdresar adr;
    TProjekt projekt;
    for (int i = 2; i <= 5000; ++i)
        projekt.Body.Pridat({.Oznaceni = std::to_string(i), .Prumer = 300, .DnoText = "Ne"});
    projekt.Body[1].DnoText = "Ne";
    ZapsatProjekt(projekt, adr / "p.dat", FormatProjektu::Radky);
    TStav stav;
    test::Otevrit(stav, adr / "p.dat", FormatProjektu::Radky);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 5000);
    EXPECT_EQ(stav.Projekt.Body[5000].Oznaceni, "5000");
}

TEST(ProjektovySoubor, AFailedWriteKeepsThePreviousFile)
{
    test::DocasnyAdresar adr;
    ZapsatProjekt(UkazkovyProjekt(), adr / "p.csv", FormatProjektu::Tabulka);
    TProjekt zmeneny = UkazkovyProjekt();
    zmeneny.Body[1].Oznaceni = "北1";
    EXPECT_NE(test::TextChyby([&] { ZapsatProjekt(zmeneny, adr / "p.csv", FormatProjektu::Tabulka); }).find("„北“"),
              std::string::npos);
    zmeneny.Body[1].Oznaceni = "Ř1";
    EXPECT_THROW(ZapsatProjekt(zmeneny, adr / "p.csv", FormatProjektu::Tabulka, test::PlnyDisk(50)), Chyba);
    EXPECT_EQ(test::PrecistBajty(adr / "p.csv"), CrLf1250(UkazkaCsv));
}

TEST(ProjektovySoubor, TextsThatWouldReadBackAsSomethingElseAreRefusedBeforeWriting)
{
    test::DocasnyAdresar adr;
    ZapsatProjekt(UkazkovyProjekt(), adr / "p.csv", FormatProjektu::Tabulka);
    TProjekt projekt = UkazkovyProjekt();
    projekt.Body[2].Oznaceni = "ř;2";
    EXPECT_EQ(test::TextChyby([&] { ZapsatProjekt(projekt, adr / "p.csv", FormatProjektu::Tabulka); }),
              "Soubor „" + adr / "p.csv" + "“ nelze uložit: text „ř;2“ v řádku 2 tabulky bodů obsahuje středník, "
              "který v tabulkovém formátu (.csv) odděluje pole; opravte jej, nebo projekt uložte v řádkovém formátu "
              "(.dat).");
    EXPECT_EQ(test::PrecistBajty(adr / "p.csv"), CrLf1250(UkazkaCsv));

    // The line format holds the semicolon.
    ZapsatProjekt(projekt, adr / "p.dat", FormatProjektu::Radky);
    TStav stav;
    test::Otevrit(stav, adr / "p.dat", FormatProjektu::Radky);
    EXPECT_EQ(stav.Projekt.Body[2].Oznaceni, "ř;2");

    TProjekt pripojka = UkazkovyProjekt();
    pripojka.Pripojky[2].OznaceniDS = "dš;ů";
    EXPECT_NE(test::TextChyby([&] { ZapsatProjekt(pripojka, adr / "p.csv", FormatProjektu::Tabulka); })
                  .find("text „dš;ů“ v řádku 2 tabulky přípojek"),
              std::string::npos);

    TProjekt mrizka = UkazkovyProjekt();
    mrizka.Body[3].Oznaceni = "#";
    EXPECT_NE(test::TextChyby([&] { ZapsatProjekt(mrizka, adr / "m.dat", FormatProjektu::Radky); })
                  .find("text „#“ v řádku 3 tabulky bodů by se v řádkovém formátu (.dat) četl jako konec"),
              std::string::npos);
    EXPECT_FALSE(soubor::Existuje(adr / "m.dat"));
    ZapsatProjekt(mrizka, adr / "m.csv", FormatProjektu::Tabulka);
    test::Otevrit(stav, adr / "m.csv", FormatProjektu::Tabulka);
    EXPECT_EQ(stav.Projekt.Body[3].Oznaceni, "#");

    TProjekt radek = UkazkovyProjekt();
    radek.Pripojky[1].Typ = "p\nř";
    for (const auto format : {FormatProjektu::Tabulka, FormatProjektu::Radky})
        EXPECT_NE(test::TextChyby([&] { ZapsatProjekt(radek, adr / "r.txt", format); }).find("obsahuje konec řádku"),
                  std::string::npos);
    EXPECT_FALSE(soubor::Existuje(adr / "r.txt"));
}

TEST(ProjektovySoubor, SixThousandRowsOfEitherTableInEitherFormatAreRefusedAndTheProjectStays)
{
    test::DocasnyAdresar adr;
    std::string bodyCsv, bodyDat, pripojkyCsv = "#\n", pripojkyDat = "#\n";
    for (int i = 1; i <= 6000; ++i) {
        bodyCsv += "Ř" + std::to_string(i) + ";1;2;3;4;5;6;300;Ano;\n";
        bodyDat += "Ř" + std::to_string(i) + "\n1\n2\n3\n4\n5\n6\n300\nAno\n";
        pripojkyCsv += "p;P" + std::to_string(i) + ";1;2;DŠ;3;4;5;6;7;\n";
        pripojkyDat += "p\nP" + std::to_string(i) + "\n1\n2\nDŠ\n3\n4\n5\n6\n7\n";
    }
    soubor::ZapsatText(adr / "body.csv", bodyCsv);
    soubor::ZapsatText(adr / "body.dat", bodyDat);
    soubor::ZapsatText(adr / "pripojky.csv", pripojkyCsv);
    soubor::ZapsatText(adr / "pripojky.dat", pripojkyDat);
    TStav stav;
    stav.Projekt = UkazkovyProjekt();
    const std::vector<std::pair<std::string, std::string>> pripady = {
        {"body.csv", "řádek 5001: Tabulka bodů"},
        {"body.dat", "řádek 45001: Tabulka bodů"},
        {"pripojky.csv", "řádek 5002: Tabulka přípojek"},
        {"pripojky.dat", "řádek 50002: Tabulka přípojek"},
    };
    for (const auto& [nazev, zacatek] : pripady) {
        EXPECT_EQ(test::TextChyby([&] { test::Otevrit(stav, adr / nazev, FormatPodleNazvu(nazev)); }),
                  "Soubor „" + adr / nazev + "“, " + zacatek + " může mít nejvýše 5000 řádků; další řádek nelze přidat.");
        OcekavatStejneTabulky(stav.Projekt, UkazkovyProjekt());
    }
}
