#include "Linie.h"
#include "TestPomoc.h"

#include "prikazy/DavkoveVystupy.h"
#include "calc/Vypocet.h"
#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

using Volani = std::vector<std::string>;

std::unique_ptr<TStav> Linie()
{
    return Stav({Sachta("Š1", 0, 0, 245.30, 247.50), Sachta("Š2", 0, 20, 245.40, 247.60)});
}

/// Outputs whose written profile fails as a full disk would, recording the cover mode it saw.
class SelhavajiciVystupy : public ZaznamVystupu {
public:
    explicit SelhavajiciVystupy(const TStav& stav) : stav_(stav) {}
    int zobrazeniKryti = -1;
    void PsanyProfil() override
    {
        ZaznamVystupu::PsanyProfil();
        zobrazeniKryti = stav_.Nastaveni.ZobrazeniKryti;
        throw Chyba("Soubor „podprof.csv“ nelze zapsat: na disku není místo.");
    }

private:
    const TStav& stav_;
};

} // namespace

TEST(Vypocet, StartsTheChosenOutputsInTheirOrder)
{
    auto stav = Linie();
    ZaznamZprav zpravy;
    ZaznamVystupu vse;
    EXPECT_TRUE(Vypocet(*stav, zpravy, vse));
    EXPECT_EQ(vse.volani, (Volani{"PsanyProfil", "Situace", "OtevritRovinu"}));

    stav->Vystupy.psancheck = false;
    ZaznamVystupu bezPsaneho;
    EXPECT_TRUE(Vypocet(*stav, zpravy, bezPsaneho));
    EXPECT_EQ(bezPsaneho.volani, (Volani{"Situace", "OtevritRovinu"}));

    stav->Vystupy.psancheck = true;
    stav->Vystupy.Sitcheck = false;
    stav->Vystupy.profcheck = false;
    ZaznamVystupu jenPsany;
    EXPECT_TRUE(Vypocet(*stav, zpravy, jenPsany));
    EXPECT_EQ(jenPsany.volani, (Volani{"PsanyProfil"}));
    EXPECT_TRUE(zpravy.zpravy.empty());

    // The GeoPackage follows the site plan, before the plane dialog.
    stav->Vystupy.Sitcheck = true;
    stav->Vystupy.profcheck = true;
    stav->Doplnky.gpkgcheck = true;
    ZaznamVystupu sGis;
    EXPECT_TRUE(Vypocet(*stav, zpravy, sGis));
    EXPECT_EQ(sGis.volani, (Volani{"PsanyProfil", "Situace", "Gis", "OtevritRovinu"}));
}

TEST(Vypocet, ConnectionMessagesDoNotStopTheOutputs)
{
    auto stav = Stav({Sachta("Š1", 0, 0, 245.30, 247.50), Sachta("Š2", 0, 20, 245.40, 247.60)}, {Pripojka(50, 50)});
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(vystupy.volani.size(), 3u);
}

TEST(Vypocet, KeepsTheRatioOfTheScales)
{
    auto stav = Linie();
    stav->Nastaveni.DelkoveMeritko = 500;
    stav->Nastaveni.VyskoveMeritko = 200;
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    Vypocet(*stav, zpravy, vystupy);
    EXPECT_EQ(stav->Rovina.PomerMeritek, 2.5);
}

TEST(Vypocet, ARoadAxisShowsNoCoverAfterItsOutputs)
{
    auto stav = Stav({Sachta("1", 0, 0, 0, 247.50, 0), Sachta("2", 0, 20, 0, 247.60, 0)});
    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    stav->Nastaveni.ZobrazeniKryti = 1;
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_EQ(stav->Nastaveni.ZobrazeniKryti, 2);

    for (int druh : {1, 2}) {
        auto jina = Linie();
        jina->Nastaveni.DruhSite = static_cast<TDruhSite>(druh);
        jina->Nastaveni.ZobrazeniKryti = 1;
        Vypocet(*jina, zpravy, vystupy);
        EXPECT_EQ(jina->Nastaveni.ZobrazeniKryti, 1) << druh;
    }
}

TEST(Vypocet, AFailingOutputEndsTheCommand)
{
    auto stav = Stav({Sachta("1", 0, 0, 0, 247.50, 0), Sachta("2", 0, 20, 0, 247.60, 0)});
    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    stav->Nastaveni.ZobrazeniKryti = 0;
    ZaznamZprav zpravy;
    SelhavajiciVystupy vystupy(*stav);
    EXPECT_THROW(Vypocet(*stav, zpravy, vystupy), Chyba);
    // No site plan and no plane dialog after the failed written profile; the outputs ran before
    // the road axis lost its cover.
    EXPECT_EQ(vystupy.volani, (Volani{"PsanyProfil"}));
    EXPECT_EQ(vystupy.zobrazeniKryti, 0);
}

TEST(DavkoveVystupy, WriteTheWrittenProfileFileAndRecordThePlaneDialog)
{
    DocasnyAdresar adresar;
    auto stav = Linie();
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_TRUE(soubor::Existuje(adresar / "podprof.csv"));
    EXPECT_TRUE(vystupy.RovinaVyzadana());
}

TEST(DavkoveVystupy, WriteNoFileWithoutTheTextFileOption)
{
    DocasnyAdresar adresar;
    auto stav = Linie();
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Vystupy.psantxtcheck = false;
    stav->Vystupy.profcheck = false;
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.csv"));
    EXPECT_FALSE(vystupy.RovinaVyzadana());
}

TEST(Vypocet, ARoadAxisKeepsNoConnectionValuesOfAnEarlierRun)
{
    auto stav = Stav({Sachta("1", 0, 0, 245.30, 247.50), Sachta("2", 0, 20, 245.40, 247.60)});
    TPripojka pripojka = Pripojka(1, 10);
    pripojka.YDS = Y0 + 5;
    pripojka.XDS = X0 + 10;
    stav->Projekt.Pripojky.Pridat(pripojka);
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    ASSERT_EQ(stav->Vysledky.Pripojky[1].Staniceni, 10.0);

    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_EQ(stav->Vysledky.Pripojky[1].Staniceni, 0.0);
    EXPECT_EQ(stav->Vysledky.Pripojky[1].ZPotrubi, 0.0);
    EXPECT_EQ(stav->Vysledky.Pripojky[1].DelkaPripojky, 0.0);
}
