#include "cli/Cli.h"
#include "cli/SpolecneVolby.h"
#include "zaklad/ZpravyNaVystup.h"
#include "convert/AutomatickyPrevod.h"
#include "zaklad/Chyba.h"
#include "data/ImportZamereni.h"
#include "data/ProjektovySoubor.h"

#include <memory>
#include <ostream>

namespace lineon::cli {

namespace {

constexpr const char* PouzitiImport
    = "lineon-cli import SURVEY [--type 1|2] [--settings FILE] [--options FILE] [--kind 1|2|3] [--list] "
      "[--save PROJECT] [--format csv|dat]";

/// The command line of import.
struct TArgumentyImport {
    std::string Zamereni;
    std::optional<TypZamereni> Typ;
    bool Vypsat = false; ///< --list
    std::optional<std::string> Projekt; ///< --save PROJECT
    std::optional<FormatProjektu> Format;
    TSpolecneVolby Spolecne;
};

TypZamereni TypZVolby(const std::string& hodnota)
{
    if (hodnota == "1")
        return TypZamereni::Textovy;
    if (hodnota == "2")
        return TypZamereni::Specialni;
    throw Chyba("Volba --type očekává 1 nebo 2, ne „" + hodnota + "“.");
}

TArgumentyImport PrecistArgumenty(const std::vector<std::string>& argumenty)
{
    TArgumentyImport vysledek;
    std::vector<std::string> soubory;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& argument = argumenty[i];
        // The language belongs to the outputs, which import does not make.
        if (argument != "--lang" && PrecistSpolecnouVolbu(argumenty, i, vysledek.Spolecne))
            continue;
        if (argument == "--type")
            vysledek.Typ = TypZVolby(HodnotaVolby(argumenty, i));
        else if (argument == "--list")
            vysledek.Vypsat = true;
        else if (argument == "--save")
            vysledek.Projekt = HodnotaVolby(argumenty, i);
        else if (argument == "--format")
            vysledek.Format = FormatZVolby(argument, HodnotaVolby(argumenty, i));
        else if (argument.starts_with("--"))
            throw Chyba("Neznámá volba „" + argument + "“.");
        else
            soubory.push_back(argument);
    }
    if (soubory.size() != 1)
        throw Chyba(std::string("Příkaz import potřebuje právě jeden soubor zaměření: ") + PouzitiImport);
    if (vysledek.Projekt && vysledek.Projekt->empty())
        throw Chyba("Volba --save očekává název souboru projektu.");
    // A name the program could not open again is refused before anything is read or written.
    if (vysledek.Projekt)
        OveritNazevProjektu(*vysledek.Projekt);
    vysledek.Zamereni = soubory.front();
    return vysledek;
}

/// The file type of the import dialog when none is given: the one chosen last.
TypZamereni VychoziTyp(const TNastaveni& nastaveni)
{
    return nastaveni.ImportFilterIndex == 2 ? TypZamereni::Specialni : TypZamereni::Textovy;
}

/// Whether a row of either table holds data.
bool DrziData(const TProjekt& projekt)
{
    for (int i = 1; i <= projekt.PocetBodu(); ++i)
        if (lineon::DrziData(projekt.Body[i]))
            return true;
    for (int j = 1; j <= projekt.PocetPripojek(); ++j)
        if (lineon::DrziData(projekt.Pripojky[j]))
            return true;
    return false;
}

} // namespace

// Reads SURVEY into the coordinate list as "Import" does; --list prints the list window's lines,
// --save runs the automatic conversion on a fresh project and writes it to exactly PROJECT.
int PrikazImport(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby,
                 const soubor::Disk& disk)
{
    try {
        const TArgumentyImport argumentyImport = PrecistArgumenty(argumenty);
        auto stav = std::make_unique<TStav>();
        UplatnitSpolecneVolby(argumentyImport.Spolecne, *stav, chyby);

        ZpravyNaVystup zpravy(chyby);
        // A file without one point has been told; it neither lists nor saves anything.
        if (!Importovat(*stav, argumentyImport.Zamereni, argumentyImport.Typ.value_or(VychoziTyp(stav->Nastaveni)),
                        zpravy))
            return VypocetZastaven;
        if (argumentyImport.Vypsat)
            for (int k = 1; k <= stav->SeznamSouradnic.PocetZamerenychBodu(); ++k)
                vystup << RadekSeznamu(stav->SeznamSouradnic.Body[static_cast<std::size_t>(k)]) << '\n';
        if (const auto& projekt = argumentyImport.Projekt) {
            SpustitAutomatickyPrevod(*stav);
            if (!DrziData(stav->Projekt)) {
                zpravy.Oznamit(DruhZpravy::Chyba, "Automatický převod nevytvořil ze souboru „" + argumentyImport.Zamereni
                                                      + "“ žádný řádek projektu; soubor „" + *projekt
                                                      + "“ nebyl zapsán.");
                return VypocetZastaven;
            }
            ZapsatProjekt(stav->Projekt, *projekt, argumentyImport.Format.value_or(FormatPodleNazvu(*projekt)), disk);
        }
        return Uspech;
    } catch (const std::exception& vyjimka) {
        chyby << "error: " << ZpravaOVyjimce(vyjimka) << '\n';
        return ChybaPouziti;
    }
}

} // namespace lineon::cli
