#include "cli/Cli.h"
#include "cli/SpolecneVolby.h"
#include "zaklad/ZpravyNaVystup.h"
#include "zaklad/Chyba.h"
#include "data/ProjektovySoubor.h"

#include <ostream>

namespace lineon::cli {

// lineon-cli convert IN OUT [--in-format csv|dat] [--out-format csv|dat] [--settings FILE]
// Opens IN as "Otevřít" does and writes its tables to exactly OUT; without a format the name
// decides (".dat" the line format, anything else the table format). The settings matter because
// opening gives rows without a diameter the import diameter.
int PrikazConvert(const std::vector<std::string>& argumenty, std::ostream&, std::ostream& chyby,
                  const soubor::Disk& disk)
{
    try {
        std::vector<std::string> soubory;
        std::optional<FormatProjektu> vstupni;
        std::optional<FormatProjektu> vystupni;
        std::optional<std::string> nastaveni;
        for (std::size_t i = 0; i < argumenty.size(); ++i) {
            const std::string& argument = argumenty[i];
            if (argument == "--in-format")
                vstupni = FormatZVolby(argument, HodnotaVolby(argumenty, i));
            else if (argument == "--out-format")
                vystupni = FormatZVolby(argument, HodnotaVolby(argumenty, i));
            else if (argument == "--settings")
                nastaveni = HodnotaVolby(argumenty, i);
            else if (argument.starts_with("--"))
                throw Chyba("Neznámá volba „" + argument + "“.");
            else
                soubory.push_back(argument);
        }
        if (soubory.size() != 2)
            throw Chyba("Příkaz convert potřebuje právě dva soubory, vstupní a výstupní: lineon-cli convert IN OUT "
                        "[--in-format csv|dat] [--out-format csv|dat] [--settings FILE]");
        const std::string& vstup = soubory[0];
        const std::string& vystup = soubory[1];

        // A name the program could not open again is refused before anything is read or written.
        OveritNazevProjektu(vystup);

        TStav stav;
        if (nastaveni)
            NacistNastaveniProCli(*nastaveni, stav, chyby);
        ZpravyNaVystup zpravy(chyby);
        // A file that yields nothing leaves OUT as it was.
        if (!OtevritProjekt(stav, vstup, vstupni.value_or(FormatPodleNazvu(vstup)), zpravy))
            return VypocetZastaven;
        ZapsatProjekt(stav.Projekt, vystup, vystupni.value_or(FormatPodleNazvu(vystup)), disk);
        return Uspech;
    } catch (const std::exception& vyjimka) {
        chyby << "error: " << ZpravaOVyjimce(vyjimka) << '\n';
        return ChybaPouziti;
    }
}

} // namespace lineon::cli
