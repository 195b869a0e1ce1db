#include "TestPomoc.h"

#include "zaklad/Chyba.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"
#include "written/NadpisyPsanehoProfilu.h"
#include "written/PsanyProfil.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lineon;
using namespace lineon::test;

namespace {

/// Four points and two connections with results filled by hand: a label with a dot, a negative
/// slope and cover, coordinates short enough to be padded, a crossing without a house manhole.
std::unique_ptr<TStav> Profil(int druh, const std::string& jazyk)
{
    auto stav = std::make_unique<TStav>();
    stav->Nastaveni.DruhSite = static_cast<TDruhSite>(druh);
    stav->Nastaveni.Jazyk = jazyk;
    auto& body = stav->Projekt.Body;
    auto& v = stav->Vysledky.Body;
    body.NastavitPocet(0);
    body.Pridat({.Oznaceni = "Š1", .Y = 744123.456, .X = 1043210.987, .ZDna = 245.30, .ZPoklopu = 247.85,
                 .ZVtoku = 245.30, .ZOdtoku = 245.32});
    body.Pridat({.Oznaceni = "Kř.2", .Y = 744140.10, .X = 1043225.50, .ZDna = 245.41, .ZPoklopu = 248.02,
                 .ZVtoku = 245.41, .ZOdtoku = 245.45});
    body.Pridat({.Oznaceni = "Š3", .Y = 744160.00, .X = 1043240.25, .ZDna = 245.10, .ZPoklopu = 247.60,
                 .ZVtoku = 245.10, .ZOdtoku = 245.10});
    body.Pridat({.Oznaceni = "4", .Y = 12.5, .X = 7.25, .ZDna = 0, .ZPoklopu = 1.5});
    v[1] = {.Staniceni = 0, .Delka = 22.15, .Spad = 5.0787, .Kryti = 2.25};
    v[2] = {.Staniceni = 22.15, .Delka = 24.80, .Spad = -12.5, .Kryti = 2.31};
    v[3] = {.Staniceni = 46.95, .Delka = 76.45, .Spad = 0.333, .Kryti = 1.90};
    v[4] = {.Staniceni = 123.40, .Kryti = -0.30};

    auto& pripojky = stav->Projekt.Pripojky;
    pripojky.Pridat({.Typ = "p", .OznaceniPripojky = "P1", .Y = 744130.98, .X = 1043217.33, .OznaceniDS = "DŠ1",
                     .YDS = 744135.5, .XDS = 1043210.25, .ZPoklopuDS = 247.95, .ZDnaDS = 246.12});
    pripojky.Pridat({.Typ = "ka", .OznaceniPripojky = "Vodovod ř.", .Y = 744150.2, .X = 1043232.8});
    stav->Vysledky.Pripojky[1] = {.Staniceni = 10.25, .ZPotrubi = 245.36, .ZTerenu = 247.93, .Kryti = 2.27,
                                  .DelkaPripojky = 8.4137};
    stav->Vysledky.Pripojky[2] = {.Staniceni = 30.5, .ZPotrubi = 245.30, .ZTerenu = 247.80, .Kryti = 2.20};
    return stav;
}

std::string Ocekavany(const std::string& nazev)
{
    return ZdrojovyAdresar() + "tests/written/golden/" + nazev;
}

} // namespace

TEST(PsanyProfil, FilesMatchTheExpectedOnesForEveryKindAndLanguage)
{
    struct Pripad {
        int druh;
        const char* jazyk;
        const char* soubor;
    };
    for (const Pripad& p : {Pripad{1, "CZ", "kanalizace_cz.csv"}, Pripad{1, "SK", "kanalizace_sk.csv"},
                            Pripad{2, "CZ", "vodovod_cz.csv"}, Pripad{2, "SK", "vodovod_sk.csv"},
                            Pripad{3, "CZ", "osa_cz.csv"}, Pripad{3, "SK", "osa_sk.csv"}}) {
        DocasnyAdresar adresar;
        auto stav = Profil(p.druh, p.jazyk);
        stav->Nastaveni.AdresarProjektu = adresar.Cesta();
        ZapsatPsanyProfil(*stav);
        const auto radky = soubor::PrecistRadky(adresar / "podprof.csv");
        const auto ocekavane = soubor::PrecistRadky(Ocekavany(p.soubor));
        ASSERT_EQ(radky.size(), ocekavane.size()) << p.soubor;
        for (std::size_t i = 0; i < radky.size(); ++i)
            EXPECT_EQ(radky[i], ocekavane[i]) << p.soubor << ", line " << i + 1;
        EXPECT_EQ(PrecistBajty(adresar / "podprof.csv"), PrecistBajty(Ocekavany(p.soubor))) << p.soubor;
    }
}

TEST(PsanyProfil, TwoPointsWithoutConnectionsGiveHeadingPointsAndAnEmptyLine)
{
    auto stav = std::make_unique<TStav>();
    stav->Projekt.Body.Pridat({.Oznaceni = "Š2", .Y = 744100, .X = 1043100, .ZDna = 245.5, .ZPoklopu = 247.5});
    stav->Projekt.Body[1] = {.Oznaceni = "Š1", .Y = 744100, .X = 1043080, .ZDna = 245.4, .ZPoklopu = 247.4};
    stav->Vysledky.Body[1] = {.Delka = 20, .Spad = 5, .Kryti = 1.7};
    stav->Vysledky.Body[2] = {.Staniceni = 20, .Kryti = 1.7};
    EXPECT_EQ(TextPsanehoProfilu(*stav),
              "Ozn.;Staničení;Y;X;Z dna;Z poklopu;Z vtoku;Z odtoku;Spád;Délka;Krytí\n"
              "Š1;0,00;744100,00;1043080,00;245,40;247,40;0,00;0,00;0,00;0,00;1,70\n"
              "Š2;20,00;744100,00;1043100,00;245,50;247,50;0,00;0,00;5,00;20,00;1,70\n"
              "\n");
}

TEST(PsanyProfil, AWaterMainWithoutConnectionRowsHasNoConnectionBlock)
{
    auto stav = Profil(2, "CZ");
    stav->Projekt.Pripojky.NastavitPocet(0);
    const std::string text = TextPsanehoProfilu(*stav);
    EXPECT_EQ(text.find("Přípojky"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

TEST(PsanyProfil, NoFileWithoutTheTextFileOption)
{
    DocasnyAdresar adresar;
    auto stav = Profil(1, "CZ");
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Vystupy.psantxtcheck = false;
    ZapsatPsanyProfil(*stav);
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.csv"));
}

TEST(PsanyProfil, TheFileGoesUnderItsNameIntoTheProjectDirectory)
{
    DocasnyAdresar adresar;
    auto stav = Profil(1, "CZ");
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Vystupy.SouborPsanehoProfilu = "stoka ř.csv";
    ZapsatPsanyProfil(*stav);
    EXPECT_EQ(PrecistBajty(adresar / "stoka ř.csv"), PrecistBajty(Ocekavany("kanalizace_cz.csv")));
}

TEST(PsanyProfil, AFileThatCannotBeWrittenIsAnErrorAndTheOldFileStays)
{
    DocasnyAdresar adresar;
    auto stav = Profil(1, "CZ");
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    ZapsatBajty(adresar / "podprof.csv", "stará data\r\n");
    const PorouchanyDisk plny = PlnyDisk(100);
    stav->Disk = &plny;
    EXPECT_THROW(ZapsatPsanyProfil(*stav), Chyba);
    EXPECT_EQ(PrecistBajty(adresar / "podprof.csv"), "stará data\r\n");
    stav->Disk = &soubor::SystemovyDisk();

    stav->Vystupy.SouborPsanehoProfilu = "";
    EXPECT_THROW(ZapsatPsanyProfil(*stav), Chyba);
    stav->Nastaveni.AdresarProjektu = adresar / "neexistuje/";
    stav->Vystupy.SouborPsanehoProfilu = "podprof.csv";
    EXPECT_THROW(ZapsatPsanyProfil(*stav), Chyba);
}

TEST(PsanyProfil, ALabelOutsideTheCodePageIsRefused)
{
    DocasnyAdresar adresar;
    auto stav = Profil(1, "CZ");
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Projekt.Body[1].Oznaceni = "Š1 €"; // the euro sign is in 1250; the next one is not
    stav->Projekt.Body[2].Oznaceni = "Ω";
    EXPECT_THROW(ZapsatPsanyProfil(*stav), Chyba);
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.csv"));
}

TEST(NadpisyPsanehoProfilu, WindowHeadingsByKindAndLanguage)
{
    using A = std::array<std::string, psany::PocetSloupcuOkna>;
    EXPECT_EQ(psany::NadpisySloupcuOkna(TDruhSite::Kanalizace, "CZ"),
              (A{"Ozn.", "Staničení", "Y", "X", "Z dna", "Z poklopu", "Spád", "Délka", "Krytí"}));
    EXPECT_EQ(psany::NadpisySloupcuOkna(TDruhSite::Vodovod, "SK"),
              (A{"Číslo", "Staničenie", "Y", "X", "Z potrubie", "Z terénu", "Spád", "Dĺžka", "Krytie"}));
    EXPECT_EQ(psany::NadpisySloupcuOkna(TDruhSite::Vodovod, "CZ")[4], "Z potrubí");
    EXPECT_EQ(psany::NadpisySloupcuOkna(TDruhSite::OsaKomunikace, "CZ"),
              (A{"Číslo", "Staničení", "Y", "X", "", "Z terénu", "Spád", "Délka", ""}));
    EXPECT_EQ(psany::NadpisOkna("CZ"), "Psaný podélný profil");
    EXPECT_EQ(psany::NadpisOkna("SK"), "Písaný pozdĺžny profil");
}

TEST(PsanyProfil, AnEntirelyEmptyConnectionRowIsNoConnection)
{
    // The row a table-format file without connections carries: no title, no header, no line.
    auto bezPripojek = Profil(1, "CZ");
    bezPripojek->Projekt.Pripojky.NastavitPocet(0);
    auto prazdna = Profil(1, "CZ");
    prazdna->Projekt.Pripojky.NastavitPocet(0);
    prazdna->Projekt.Pripojky.Pridat(TPripojka{});
    EXPECT_EQ(TextPsanehoProfilu(*prazdna), TextPsanehoProfilu(*bezPripojek));

    // Among real ones it is left out; `Poradi` alone does not make a connection.
    const auto stav = Profil(1, "CZ");
    auto sPrazdnou = Profil(1, "CZ");
    sPrazdnou->Projekt.Pripojky.OtevritMezeru(2, TPripojka{.Poradi = 3});
    sPrazdnou->Vysledky.Pripojky[3] = stav->Vysledky.Pripojky[2];
    EXPECT_EQ(TextPsanehoProfilu(*sPrazdnou), TextPsanehoProfilu(*stav));
}
