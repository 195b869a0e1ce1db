#include "prikazy/SoubezneVystupy.h"
#include "calc/Vypocet.h"
#include "cli/Cli.h"
#include "cli/SpolecneVolby.h"
#include "cli/VolbyRoviny.h"
#include "zaklad/ZpravyNaVystup.h"
#include "zaklad/Chyba.h"
#include "prikazy/DialogVystupu.h"
#include "data/ProjektovySoubor.h"
#include "prikazy/InformaceORovine.h"
#include "profile/NahledProfilu.h"
#include "dxf/Situace.h"
#include "dxf/ZaznamVykresu.h"
#include "prikazy/VystupPdf.h"

#include <memory>
#include <ostream>

namespace lineon::cli {

namespace {

constexpr const char* PouzitiCompute =
    "lineon-cli compute PROJECT [--format csv|dat] [--settings FILE] [--options FILE] [--kind 1|2|3] "
    "[--lang CZ|SK] [--out DIR] [--gpkg [FILE.gpkg]] [--plane R0] [--plane-shift DR] [--shift-points P1,P2,...] [--pdf] [--pdf-a3]";

/// The command line of compute.
struct TArgumentyCompute {
    std::string Projekt;
    std::optional<FormatProjektu> Format;
    std::optional<std::string> Adresar; ///< --out DIR
    std::optional<std::string> Gpkg;    ///< --gpkg [FILE]: empty for the default name
    bool Pdf = false;                   ///< --pdf, or --pdf-a3 with A3 sheets
    bool PdfA3 = false;
    TSpolecneVolby Spolecne;
    TVolbyRoviny Rovina;
};

/// The file name that may follow --gpkg: a GeoPackage's name ends with ".gpkg", which tells it from
/// the project file.
bool JeNazevGpkg(const std::string& argument)
{
    return !argument.starts_with("-") && argument.size() > 5 && argument.ends_with(".gpkg");
}

TArgumentyCompute PrecistArgumenty(const std::vector<std::string>& argumenty)
{
    TArgumentyCompute vysledek;
    std::vector<std::string> soubory;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& argument = argumenty[i];
        if (PrecistSpolecnouVolbu(argumenty, i, vysledek.Spolecne) || PrecistVolbuRoviny(argumenty, i, vysledek.Rovina))
            continue;
        if (argument == "--format")
            vysledek.Format = FormatZVolby(argument, HodnotaVolby(argumenty, i));
        else if (argument == "--out")
            vysledek.Adresar = HodnotaVolby(argumenty, i);
        else if (argument == "--gpkg")
            vysledek.Gpkg = i + 1 < argumenty.size() && JeNazevGpkg(argumenty[i + 1]) ? argumenty[++i] : "";
        else if (argument == "--pdf" || argument == "--pdf-a3") {
            vysledek.Pdf = true;
            vysledek.PdfA3 = vysledek.PdfA3 || argument == "--pdf-a3";
        } else if (argument.starts_with("--"))
            throw Chyba("Neznámá volba „" + argument + "“.");
        else
            soubory.push_back(argument);
    }
    if (soubory.size() != 1)
        throw Chyba(std::string("Příkaz compute potřebuje právě jeden soubor projektu: ") + PouzitiCompute);
    if (vysledek.Adresar && vysledek.Adresar->empty())
        throw Chyba("Volba --out očekává adresář.");
    vysledek.Projekt = soubory.front();
    return vysledek;
}

/// The outputs that will be written, under the same rule for names as a saved project.
void OveritNazvyVystupu(const TStav& stav)
{
    const TVystupy& v = stav.Vystupy;
    const std::string& adresar = stav.Nastaveni.AdresarProjektu;
    if (v.psancheck && v.psantxtcheck)
        OveritNazevProjektu(adresar + v.SouborPsanehoProfilu);
    if (v.Sitcheck)
        OveritNazevProjektu(adresar + v.SouborSituace);
    if (v.profcheck)
        OveritNazevProjektu(adresar + v.SouborProfilu);
    if (stav.Doplnky.gpkgcheck)
        OveritNazevProjektu(adresar + stav.Doplnky.SouborGpkg);
}

/// The drawings written as DXF files, also as PDF beside them.
void UlozitPdf(TStav& stav, const IVystupPdf& pdf, bool naListyA3)
{
    const std::string& adresar = stav.Nastaveni.AdresarProjektu;
    if (stav.Vystupy.Sitcheck) {
        TVykres situace;
        ZaznamSituace zaznam(situace, stav.Nastaveni.MeritkoSituace);
        VytvoritSituaci(stav, zaznam);
        pdf.Ulozit(situace, adresar + NazevPdf(stav.Vystupy.SouborSituace), naListyA3, *stav.Disk);
    }
    if (stav.Vystupy.profdxfcheck && !stav.VykresProfilu.prvky.empty())
        pdf.Ulozit(stav.VykresProfilu, adresar + NazevPdf(stav.Vystupy.SouborProfilu), naListyA3, *stav.Disk);
}

} // namespace

// Opens PROJECT as "Otevřít" does, runs "Výpočet" with its outputs into the output directory
// (--out, else the directory of PROJECT), and confirms the comparison-plane dialog at once with
// the proposal or the values given, which draws the longitudinal profile. Nothing is written
// before every argument has been checked.
int PrikazCompute(const std::vector<std::string>& argumenty, std::ostream&, std::ostream& chyby,
                  const soubor::Disk& disk, const IVystupPdf* pdf)
{
    try {
        const TArgumentyCompute argumentyCompute = PrecistArgumenty(argumenty);
        if (argumentyCompute.Pdf && !pdf)
            throw Chyba("Tento program neumí zapsat PDF.");
        auto stav = std::make_unique<TStav>();
        stav->Disk = &disk;
        UplatnitSpolecneVolby(argumentyCompute.Spolecne, *stav, chyby);
        const std::string& projekt = argumentyCompute.Projekt;
        ZpravyNaVystup zpravy(chyby);
        // A file that yields nothing writes no outputs.
        if (!OtevritProjekt(*stav, projekt, argumentyCompute.Format.value_or(FormatPodleNazvu(projekt)), zpravy))
            return VypocetZastaven;
        if (argumentyCompute.Adresar)
            stav->Nastaveni.AdresarProjektu = AdresarSLomitkem(*argumentyCompute.Adresar);
        if (const auto& gpkg = argumentyCompute.Gpkg) {
            stav->Doplnky.gpkgcheck = true;
            if (!gpkg->empty())
                stav->Doplnky.SouborGpkg = *gpkg;
        }
        OveritBodyPosunu(argumentyCompute.Rovina, stav->Projekt.PocetBodu());
        OveritNazvyVystupu(*stav);

        SoubezneVystupy vystupy(*stav);
        if (!Vypocet(*stav, zpravy, vystupy))
            return VypocetZastaven;
        // The dialog is confirmed once the calculation has ended, so a road axis draws no cover.
        if (vystupy.RovinaVyzadana()) {
            InformaceORovine dialog;
            dialog.Naplnit(*stav);
            UplatnitVolbyRoviny(argumentyCompute.Rovina, dialog);
            // No screen shows the preview here (with "do DXF" off, "na obrazovku" alone still
            // writes the file without entities).
            BezObrazovky bezObrazovky(argumentyCompute.Pdf);
            vystupy.Profil([&] { dialog.Potvrdit(*stav, bezObrazovky); });
        }
        vystupy.Dokoncit();
        if (argumentyCompute.Pdf)
            UlozitPdf(*stav, *pdf, argumentyCompute.PdfA3);
        return Uspech;
    } catch (const ChybaVypoctu& chyba) {
        chyby << "error: " << chyba.what() << '\n';
        return VypocetZastaven;
    } catch (const std::exception& vyjimka) {
        chyby << "error: " << ZpravaOVyjimce(vyjimka) << '\n';
        return ChybaPouziti;
    }
}

} // namespace lineon::cli
