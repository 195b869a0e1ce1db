#include "GisPomoc.h"
#include "TestPomoc.h"

#include "gis/GeoPackage.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace lineon;

namespace {

/// The names of the files in a directory, hidden ones included.
std::vector<std::string> Soubory(const std::string& adresar)
{
    std::vector<std::string> nazvy;
    for (const auto& polozka : std::filesystem::directory_iterator(adresar))
        nazvy.push_back(polozka.path().filename().string());
    return nazvy;
}

} // namespace

TEST(GeoPackage, GdalReadsBackEveryLayerInKrovakEastNorthWithTheAxesTurned)
{
    const auto stav = test::SpocitanyPriklad("kanalizace.csv");
    const auto vrstvy = VrstvyGis(*stav);
    // Kept for the readers of the build's outputs.
    const std::string cesta = test::VystupniAdresar("gis") + "kanalizace.gpkg";
    ZapsatGeoPackage(vrstvy, cesta);

    const auto precteno = test::PrecistGeoPackage(cesta);
    ASSERT_EQ(precteno.size(), vrstvy.size());
    for (std::size_t v = 0; v < vrstvy.size(); ++v) {
        const TVrstvaGis& zapsana = vrstvy[v];
        const auto& [nazev, prectena] = precteno[v];
        SCOPED_TRACE(nazev);
        EXPECT_EQ(nazev, zapsana.Nazev);
        EXPECT_EQ(prectena.Epsg, "5514");
        ASSERT_EQ(prectena.Pole.size(), zapsana.Pole.size());
        for (std::size_t k = 0; k < zapsana.Pole.size(); ++k) {
            EXPECT_EQ(prectena.Pole[k].first, zapsana.Pole[k].Nazev);
            EXPECT_EQ(prectena.Pole[k].second, zapsana.Pole[k].Typ);
        }
        ASSERT_EQ(prectena.Prvky.size(), zapsana.Prvky.size());
        for (std::size_t i = 0; i < zapsana.Prvky.size(); ++i) {
            EXPECT_EQ(prectena.Prvky[i].Hodnoty, zapsana.Prvky[i].Hodnoty) << "feature " << i;
            ASSERT_EQ(prectena.Prvky[i].Polohy.size(), zapsana.Prvky[i].Polohy.size());
            for (std::size_t k = 0; k < zapsana.Prvky[i].Polohy.size(); ++k)
                EXPECT_EQ(prectena.Prvky[i].Polohy[k],
                          (TPolohaGis{-zapsana.Prvky[i].Polohy[k].Y, -zapsana.Prvky[i].Polohy[k].X}));
        }
    }
    // The first manhole: easting −Y, northing −X, and the label with its diacritics.
    EXPECT_EQ(precteno[0].second.Prvky[0].Polohy[0], (TPolohaGis{-744210.35, -1043785.62}));
    EXPECT_EQ(precteno[0].second.Prvky[6].Hodnoty[1], HodnotaGis(std::string("Š7-Dvůr")));
}

TEST(GeoPackage, TheOutputIsWrittenOnlyWhenChecked)
{
    test::DocasnyAdresar adresar;
    auto stav = test::SpocitanyPriklad("kanalizace.csv");
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    VytvoritGeoPackage(*stav);
    EXPECT_TRUE(Soubory(adresar.Cesta()).empty());
    stav->Doplnky.gpkgcheck = true;
    stav->Doplnky.SouborGpkg = "stoka ř.gpkg";
    VytvoritGeoPackage(*stav);
    EXPECT_EQ(Soubory(adresar.Cesta()), std::vector<std::string>{"stoka ř.gpkg"});
    EXPECT_EQ(test::PrecistGeoPackage(adresar / "stoka ř.gpkg")[0].second.Prvky.size(), 12u);
}

TEST(GeoPackage, AFailureKeepsThePreviousFileAndLeavesNoTemporary)
{
    test::DocasnyAdresar adresar;
    const auto vrstvy = VrstvyGis(*test::SpocitanyPriklad("kanalizace.csv"));
    const std::string cesta = adresar / "situace.gpkg";
    test::ZapsatBajty(cesta, "předchozí");
    const test::PorouchanyDisk zamceny(test::PorouchanyDisk::Druh::Vytvoreni, 0);
    EXPECT_EQ(test::TextChyby([&] { ZapsatGeoPackage(vrstvy, cesta, zamceny); }),
              "Soubor „" + cesta + "“ nelze vytvořit: přístup odepřen.");
    EXPECT_EQ(test::TextChyby([&] { ZapsatGeoPackage(vrstvy, cesta, test::PlnyDisk(4096)); }),
              "Soubor „" + cesta + "“ nelze zapsat: na disku není místo.");
    EXPECT_EQ(test::PrecistBajty(cesta), "předchozí");
    EXPECT_EQ(Soubory(adresar.Cesta()), std::vector<std::string>{"situace.gpkg"});

    std::filesystem::create_directory(adresar / "adresář.gpkg");
    EXPECT_EQ(test::TextChyby([&] { ZapsatGeoPackage(vrstvy, adresar / "adresář.gpkg"); }),
              "Soubor „" + adresar / "adresář.gpkg" + "“ nelze zapsat: je to adresář.");
}

TEST(GeoPackage, AnUnwritableFolderKeepsThePreviousFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into any folder";
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "situace.gpkg";
    test::ZapsatBajty(cesta, "předchozí");
    std::filesystem::permissions(adresar.Cesta(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(test::TextChyby([&] { ZapsatGeoPackage(VrstvyGis(*test::SpocitanyPriklad("kanalizace.csv")), cesta); }),
              "Soubor „" + cesta + "“ nelze vytvořit: přístup odepřen.");
    EXPECT_EQ(test::PrecistBajty(cesta), "předchozí");
}
