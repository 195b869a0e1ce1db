#include "ProfilPomoc.h"
#include "TestPomoc.h"

#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"
#include "profile/KreslitProfil.h"
#include "profile/NahledProfilu.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// Records what the drawing asks of the preview window.
class ZaznamNahledu : public INahledProfilu {
public:
    std::vector<std::string> volani;
    void Zobrazit(bool zobrazit) override { volani.push_back(zobrazit ? "zobrazit" : "skryt"); }
    void Prekreslit() override { volani.push_back("prekreslit"); }
};

/// A sewer of three manholes 10 m apart under the plane 240, drawn into a fresh directory.
std::unique_ptr<TStav> Linie(const DocasnyAdresar& adresar)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 10, 241.50, 243.50),
                                SachtaNaLinii("Ř3", 20, 242.00, 244.00)});
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Rovina.SrovnavaciRovina = 240;
    return stav;
}

} // namespace

TEST(KreslitProfil, OnScreenOnlyTheFileHoldsNoEntities)
{
    DocasnyAdresar adresar;
    auto stav = Linie(adresar);
    stav->Vystupy.profdxfcheck = false;
    ZaznamNahledu nahled;
    KreslitProfil(*stav, nahled);
    // The extents: −76 mm − 10 = −25.2, 20 m + 230 mm + 10 = 76, −37 mm − 10 = −17.4, 250 mm + 10 = 60.
    EXPECT_EQ(PrecistBajty(adresar / "podprof.dxf"),
              OcekavanaHlavicka() + OcekavanyRozsah("-25.200", "-17.400", " 76.000", " 60.000")
                  + OcekavaneTabulky(VrstvyProfilu()) + Radky({"  0", "SECTION", "  2", "ENTITIES"})
                  + Radky({"0", "ENDSEC", "0", "EOF"}));
    EXPECT_FALSE(stav->SeznamKresby.empty());
    EXPECT_EQ(nahled.volani, (std::vector<std::string>{"zobrazit", "prekreslit"}));
}

TEST(KreslitProfil, NeitherOnScreenNorIntoTheFileDrawsNothing)
{
    DocasnyAdresar adresar;
    auto stav = Linie(adresar);
    stav->Vystupy.profdxfcheck = false;
    stav->Vystupy.profobrcheck = false;
    ZaznamNahledu nahled;
    KreslitProfil(*stav, nahled);
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.dxf"));
    EXPECT_EQ(nahled.volani, (std::vector<std::string>{"skryt"}));
}

TEST(KreslitProfil, ThePreviewHoldsTheLastDrawingOnly)
{
    DocasnyAdresar adresar;
    auto stav = Linie(adresar);
    BezNahledu nahled;
    KreslitProfil(*stav, nahled);
    // Every entity but the numbers turned across the bands.
    const auto entity = EntitySouboru(adresar / "podprof.dxf");
    const auto svislych = std::count_if(entity.begin(), entity.end(), [](const Entita& entita) {
        return entita.Typ() == "TEXT" && entita.Hodnota("50") == "90";
    });
    EXPECT_EQ(stav->SeznamKresby.size(), entity.size() - static_cast<std::size_t>(svislych));
    const TSeznamKresby prvni = stav->SeznamKresby;
    KreslitProfil(*stav, nahled);
    EXPECT_EQ(stav->SeznamKresby, prvni);

    // Without the preview the list is emptied and stays empty.
    stav->Vystupy.profobrcheck = false;
    KreslitProfil(*stav, nahled);
    EXPECT_TRUE(stav->SeznamKresby.empty());
}

TEST(KreslitProfil, AFailedWriteKeepsThePreviousFile)
{
    DocasnyAdresar adresar;
    auto stav = Linie(adresar);
    ZapsatBajty(adresar / "podprof.dxf", "předchozí výkres");
    BezNahledu nahled;
    for (const auto druh : {PorouchanyDisk::Druh::Vytvoreni, PorouchanyDisk::Druh::Zapis}) {
        const PorouchanyDisk disk(druh, 2000);
        stav->Disk = &disk;
        try {
            KreslitProfil(*stav, nahled);
            ADD_FAILURE() << "the drawing was reported as written";
        } catch (const Chyba& chyba) {
            EXPECT_NE(std::string(chyba.what()).find(adresar / "podprof.dxf"), std::string::npos) << chyba.what();
        }
    }
    EXPECT_EQ(PrecistBajty(adresar / "podprof.dxf"), "předchozí výkres");
}
