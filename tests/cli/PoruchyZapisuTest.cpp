// A write that fails at any byte, a directory that is missing or read-only, a full disk: the
// previous file of that name stays as it was, no temporary file stays behind, the user gets one
// message naming the file, and the command stops where it failed.
#include "TestPomoc.h"
#include "calc/Linie.h"

#include "prikazy/DavkoveVystupy.h"
#include "calc/Vypocet.h"
#include "cli/Cli.h"
#include "zaklad/Chyba.h"
#include "prikazy/PrikazySouboru.h"
#include "zaklad/Soubor.h"
#include "data/SouborNastaveni.h"
#include "dxf/Situace.h"
#include "prikazy/InformaceORovine.h"
#include "profile/NahledProfilu.h"
#include "written/PsanyProfil.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/mount.h>
#include <unistd.h>

using namespace lineon;
using namespace lineon::test;

namespace {

using Soubory = std::map<std::string, std::string>;

/// Every file of a directory by name, with its bytes (temporary files included).
Soubory ObsahAdresare(const std::string& adresar)
{
    Soubory soubory;
    for (const auto& polozka : std::filesystem::directory_iterator(adresar))
        soubory[polozka.path().filename().string()] = PrecistBajty(polozka.path().string());
    return soubory;
}

#if defined(__SANITIZE_ADDRESS__)
// Under the sanitizers every byte costs several times as much: past the first kilobyte every 13th.
constexpr std::size_t KrokZaKilobajtem = 13;
#else
constexpr std::size_t KrokZaKilobajtem = 1;
#endif

/// Sweeps a full disk over every byte of the file that `zapsat` writes onto the disk it is given:
/// each try throws a Chyba naming the file and leaves the directory as it was; on a disk with room
/// the file is written. Returns the number of bytes of the complete file.
std::size_t ProjitVsechnyBajty(const std::string& adresar, const std::string& cesta,
                               const std::function<void(const soubor::Disk&)>& zapsat)
{
    const Soubory predtim = ObsahAdresare(adresar);
    const std::string zprava = "Soubor „" + cesta + "“ nelze zapsat: na disku není místo.";
    std::size_t n = 0;
    std::size_t posledniChybny = 0;
    for (;; n += n < 1024 ? 1 : KrokZaKilobajtem) {
        const std::string text = TextChyby([&] { zapsat(PlnyDisk(n)); });
        if (text == "(žádná chyba)")
            break;
        posledniChybny = n;
        EXPECT_EQ(text, zprava) << "po " << n << " bajtech";
        EXPECT_EQ(ObsahAdresare(adresar), predtim) << "po " << n << " bajtech";
        if (::testing::Test::HasFailure())
            break;
    }
    const std::size_t velikost = PrecistBajty(cesta).size();
    EXPECT_GT(velikost, posledniChybny);
    EXPECT_LE(velikost, n);
    return velikost;
}

std::unique_ptr<TStav> MalaStoka(const std::string& adresar)
{
    auto stav = Stav({Sachta("Š1ř", 0, 0, 245.30, 247.50), Sachta("Š2ů", 3, 20, 245.40, 247.60),
                      Sachta("Š3ě", 10, 35, 245.55, 247.90)},
                     {TPripojka{.Typ = "p", .OznaceniPripojky = "Př1", .Y = Y0 + 1, .X = X0 + 10, .OznaceniDS = "DŠ1",
                                .YDS = Y0 + 8, .XDS = X0 + 12, .ZPoklopuDS = 247.2, .ZDnaDS = 245.9}});
    stav->Nastaveni.AdresarProjektu = adresar;
    return stav;
}

/// The small sewer computed, with its written profile and site plan written into `adresar`.
std::unique_ptr<TStav> VypoctenaMalaStoka(const std::string& adresar)
{
    auto stav = MalaStoka(adresar);
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    return stav;
}

/// The batch outputs, recording whether the comparison-plane dialog was asked for.
class ZaznamDavky : public DavkoveVystupy {
public:
    using DavkoveVystupy::DavkoveVystupy;
    std::vector<std::string> volani;
    void PsanyProfil() override
    {
        volani.push_back("PsanyProfil");
        DavkoveVystupy::PsanyProfil();
    }
    void Situace() override
    {
        volani.push_back("Situace");
        DavkoveVystupy::Situace();
    }
    void OtevritRovinu() override
    {
        volani.push_back("OtevritRovinu");
        DavkoveVystupy::OtevritRovinu();
    }
};

} // namespace

TEST(PoruchaZapisu, SavingAProjectInEitherFormatKeepsThePreviousFileAtEveryByte)
{
    DocasnyAdresar adr;
    auto stav = MalaStoka(adr.Cesta());
    ZapsatBajty(adr / "p.csv", "stará data\r\n");
    ZapsatBajty(adr / "p.dat", "stará data\r\n");
    stav->Projekt.SouborProjektu = adr / "p.csv";
    stav->Projekt.Zmeneno = true;
    ProjitVsechnyBajty(adr.Cesta(), adr / "p.csv", [&](const soubor::Disk& disk) {
        stav->Disk = &disk;
        Ulozit(*stav, [] { return false; });
    });
    EXPECT_FALSE(stav->Projekt.Zmeneno);

    stav->Projekt.Zmeneno = true;
    ProjitVsechnyBajty(adr.Cesta(), adr / "p.dat", [&](const soubor::Disk& disk) {
        stav->Disk = &disk;
        EXPECT_EQ(stav->Projekt.SouborProjektu, adr / "p.csv");
        EXPECT_TRUE(stav->Projekt.Zmeneno);
        UlozitProjektJako(*stav, {adr / "p", FormatProjektu::Radky});
    });
    EXPECT_EQ(stav->Projekt.SouborProjektu, adr / "p.dat");
}

TEST(PoruchaZapisu, TheSettingsFileKeepsItsPreviousContentAtEveryByte)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "$nastav", "200\r\n");
    TNastaveni nastaveni;
    nastaveni.Osoby = {"Řehoř", "Dvořák"};
    const std::size_t bajtu =
        ProjitVsechnyBajty(adr.Cesta(), adr / "$nastav", [&](const soubor::Disk& disk) {
            soubor::ZapisTextu zapis(adr / "$nastav", disk);
            UlozitNastaveni(zapis, nastaveni);
        });
    EXPECT_GT(bajtu, 200u);
}

TEST(PoruchaZapisu, TheWrittenProfileAndTheSitePlanKeepTheirPreviousFilesAtEveryByte)
{
    DocasnyAdresar adr;
    auto stav = VypoctenaMalaStoka(adr.Cesta());
    ZapsatBajty(adr / "podprof.csv", "starý profil\r\n");
    ZapsatBajty(adr / "situace.dxf", "stará situace\r\n");
    ProjitVsechnyBajty(adr.Cesta(), adr / "podprof.csv", [&](const soubor::Disk& disk) {
        stav->Disk = &disk;
        ZapsatPsanyProfil(*stav);
    });
    ProjitVsechnyBajty(adr.Cesta(), adr / "situace.dxf", [&](const soubor::Disk& disk) {
        stav->Disk = &disk;
        VytvoritSituaci(*stav);
    });
}

TEST(PoruchaZapisu, AFailedOutputEndsTheCalculationBeforeTheNextOne)
{
    DocasnyAdresar adr;
    auto stav = VypoctenaMalaStoka(adr.Cesta());
    ZaznamZprav zpravy;
    const std::size_t profil = PrecistBajty(adr / "podprof.csv").size();
    const std::size_t situace = PrecistBajty(adr / "situace.dxf").size();
    ASSERT_LT(profil, situace);

    struct Pripad {
        std::size_t poBajtech;
        std::vector<std::string> volani;
        std::string soubor;
    };
    for (const Pripad& pripad : {Pripad{0, {"PsanyProfil"}, "podprof.csv"},
                                 Pripad{profil - 1, {"PsanyProfil"}, "podprof.csv"},
                                 Pripad{profil, {"PsanyProfil", "Situace"}, "situace.dxf"},
                                 Pripad{situace - 1, {"PsanyProfil", "Situace"}, "situace.dxf"}}) {
        ZapsatBajty(adr / "podprof.csv", "starý profil\r\n");
        ZapsatBajty(adr / "situace.dxf", "stará situace\r\n");
        ZaznamDavky vystupy(*stav);
        const PorouchanyDisk disk = PlnyDisk(pripad.poBajtech);
        stav->Disk = &disk;
        EXPECT_EQ(TextChyby([&] { Vypocet(*stav, zpravy, vystupy); }),
                  "Soubor „" + adr / pripad.soubor + "“ nelze zapsat: na disku není místo.");
        EXPECT_EQ(vystupy.volani, pripad.volani) << pripad.poBajtech;
        EXPECT_FALSE(vystupy.RovinaVyzadana());
        EXPECT_EQ(PrecistBajty(adr / "situace.dxf"), "stará situace\r\n");
        if (pripad.soubor == "podprof.csv")
            EXPECT_EQ(PrecistBajty(adr / "podprof.csv"), "starý profil\r\n");
        else
            EXPECT_EQ(PrecistBajty(adr / "podprof.csv").size(), profil);
    }
}

TEST(PoruchaZapisu, TheBatchProgramShowsOneMessageNamingTheFile)
{
    DocasnyAdresar adr;
    const std::string projekt = ZdrojovyAdresar() + "examples/kanalizace.csv";
    const VysledekCli vysledek = SpustitCli({"compute", projekt, "--out", adr.Cesta()}, PlnyDisk(100));
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby, "information: Souřadnice přípojky 7 přepočteny do linie - 5.20 m\n"
                              "error: Soubor „" + adr / "podprof.csv" + "“ nelze zapsat: na disku není místo.\n");
    EXPECT_TRUE(std::filesystem::is_empty(adr.Cesta()));
}

namespace {

/// A small memory file system mounted on a directory for the time of a test, where the system
/// lets the test mount one (a root user's tests do).
class MalyDisk {
public:
    explicit MalyDisk(const std::string& adresar, const char* velikost = "size=64k") : adresar_(adresar)
    {
        pripojen_ = ::mount("tmpfs", adresar.c_str(), "tmpfs", 0, velikost) == 0;
    }
    ~MalyDisk()
    {
        if (pripojen_)
            ::umount2(adresar_.c_str(), MNT_DETACH);
    }
    MalyDisk(const MalyDisk&) = delete;
    MalyDisk& operator=(const MalyDisk&) = delete;

    bool Pripojen() const { return pripojen_; }
    bool JenProCteni() { return ::mount("tmpfs", adresar_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0; }

private:
    std::string adresar_;
    bool pripojen_ = false;
};

/// Fills a file system until it has no room left.
void Zaplnit(const std::string& cesta)
{
    FILE* soubor = std::fopen(cesta.c_str(), "wb");
    ASSERT_NE(soubor, nullptr);
    const std::string blok(4096, 'x');
    while (std::fwrite(blok.data(), 1, blok.size(), soubor) == blok.size() && std::fflush(soubor) == 0)
        ;
    std::fclose(soubor);
}

std::string Projekt()
{
    return ZdrojovyAdresar() + "examples/kanalizace.csv";
}

const std::string Informace = "information: Souřadnice přípojky 7 přepočteny do linie - 5.20 m\n";

} // namespace

TEST(PoruchaDisku, AMissingOutputDirectoryIsNamedAndNothingIsWritten)
{
    DocasnyAdresar adr;
    const VysledekCli vysledek = SpustitCli({"compute", Projekt(), "--out", adr / "chybí/"});
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby, Informace + "error: Soubor „" + adr / "chybí/podprof.csv"
                                  + "“ nelze vytvořit: soubor nebo adresář neexistuje.\n");
    EXPECT_TRUE(std::filesystem::is_empty(adr.Cesta()));
}

TEST(PoruchaDisku, AReadOnlyDirectoryKeepsItsFiles)
{
    DocasnyAdresar adr;
    std::filesystem::create_directory(adr / "vystup");
    const std::string vystup = adr / "vystup/";
    MalyDisk disk(vystup);
    ZapsatBajty(vystup + "podprof.csv", "starý profil\r\n");
    ZapsatBajty(vystup + "situace.dxf", "stará situace\r\n");
    std::string duvod;
    if (disk.Pripojen() && disk.JenProCteni()) {
        duvod = "disk je jen pro čtení";
    } else if (::geteuid() != 0) {
        duvod = "přístup odepřen";
        std::filesystem::permissions(vystup, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    } else {
        GTEST_SKIP() << "a root user who may not mount writes into any directory";
    }
    const Soubory predtim = ObsahAdresare(vystup);
    const VysledekCli vysledek = SpustitCli({"compute", Projekt(), "--out", vystup});
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby, Informace + "error: Soubor „" + vystup + "podprof.csv“ nelze vytvořit: " + duvod + ".\n");
    EXPECT_EQ(ObsahAdresare(vystup), predtim);
}

TEST(PoruchaDisku, AFullDiskKeepsThePreviousFiles)
{
    DocasnyAdresar adr;
    std::filesystem::create_directory(adr / "vystup");
    const std::string vystup = adr / "vystup/";
    MalyDisk disk(vystup);
    if (!disk.Pripojen())
        GTEST_SKIP() << "no memory file system can be mounted here; the injected write faults stand for a full disk";
    ZapsatBajty(vystup + "podprof.csv", "starý profil\r\n");
    ZapsatBajty(vystup + "situace.dxf", "stará situace\r\n");
    Zaplnit(vystup + "výplň");
    const Soubory predtim = ObsahAdresare(vystup);
    const VysledekCli vysledek = SpustitCli({"compute", Projekt(), "--out", vystup});
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby, Informace + "error: Soubor „" + vystup + "podprof.csv“ nelze zapsat: na disku není místo.\n");
    EXPECT_EQ(ObsahAdresare(vystup), predtim);

    // Four free pages of 4 KiB hold the new written profile (2 KB) but not the site plan (25 KB):
    // the site plan fails, and the written profile stays new.
    std::filesystem::remove(vystup + "výplň");
    ZapsatBajty(vystup + "výplň", std::string((16 - 2 - 4) * 4096, 'x'));
    const VysledekCli druhy = SpustitCli({"compute", Projekt(), "--out", vystup});
    EXPECT_EQ(druhy.status, cli::ChybaPouziti);
    EXPECT_EQ(druhy.chyby, Informace + "error: Soubor „" + vystup + "situace.dxf“ nelze zapsat: na disku není místo.\n");
    EXPECT_EQ(PrecistBajty(vystup + "situace.dxf"), "stará situace\r\n");
    EXPECT_EQ(PrecistBajty(vystup + "podprof.csv"), PrecistBajty(ZdrojovyAdresar() + "tests/cli/golden/kanalizace_podprof.csv"));
}

TEST(PoruchaZapisu, TheProfileKeepsItsPreviousFileAtEveryByte)
{
    DocasnyAdresar adr;
    auto stav = VypoctenaMalaStoka(adr.Cesta());
    ZapsatBajty(adr / "podprof.dxf", "starý profil\r\n");
    const TRovina navrh = stav->Rovina;
    ProjitVsechnyBajty(adr.Cesta(), adr / "podprof.dxf", [&](const soubor::Disk& disk) {
        stav->Disk = &disk;
        stav->Rovina = navrh;
        InformaceORovine dialog;
        dialog.Naplnit(*stav);
        BezNahledu bezNahledu;
        dialog.Potvrdit(*stav, bezNahledu);
    });
}
