#include "calc/Vypocet.h"
#include "cli/Cli.h"
#include "cli/SpolecneVolby.h"
#include "data/ProjektovySoubor.h"
#include "data/SouborDoplnku.h"
#include "kontrola/KontrolaLinie.h"
#include "zaklad/Chyba.h"
#include "zaklad/ZpravyNaVystup.h"

#include <memory>
#include <ostream>

namespace lineon::cli {

namespace {

constexpr const char* PouzitiCheck =
    "lineon-cli check PROJECT [--format csv|dat] [--settings FILE] [--limits FILE] [--kind 1|2|3]";

struct TArgumentyCheck {
    std::string Projekt;
    std::optional<FormatProjektu> Format;
    std::optional<std::string> Limity; ///< --limits FILE, in the form of "$doplnky"
    TSpolecneVolby Spolecne;
};

TArgumentyCheck PrecistArgumenty(const std::vector<std::string>& argumenty)
{
    TArgumentyCheck vysledek;
    std::vector<std::string> soubory;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& argument = argumenty[i];
        if (PrecistSpolecnouVolbu(argumenty, i, vysledek.Spolecne))
            continue;
        if (argument == "--format")
            vysledek.Format = FormatZVolby(argument, HodnotaVolby(argumenty, i));
        else if (argument == "--limits")
            vysledek.Limity = HodnotaVolby(argumenty, i);
        else if (argument.starts_with("--"))
            throw Chyba("Neznámá volba „" + argument + "“.");
        else
            soubory.push_back(argument);
    }
    if (soubory.size() != 1)
        throw Chyba(std::string("Příkaz check potřebuje právě jeden soubor projektu: ") + PouzitiCheck);
    vysledek.Projekt = soubory.front();
    return vysledek;
}

} // namespace

// Opens PROJECT as "Otevřít" does, runs the calculation without its outputs and prints the
// findings of the checks in stationing order, one "error:", "warning:" or "information:" line each.
int PrikazCheck(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby)
{
    try {
        const TArgumentyCheck argumentyCheck = PrecistArgumenty(argumenty);
        auto stav = std::make_unique<TStav>();
        UplatnitSpolecneVolby(argumentyCheck.Spolecne, *stav, chyby);
        ZpravyNaVystup zpravy(chyby);
        if (argumentyCheck.Limity)
            for (const TZprava& zprava : NacistDoplnky(*argumentyCheck.Limity, stav->Doplnky))
                zpravy.Oznamit(zprava.Druh, zprava.Text);
        const std::string& projekt = argumentyCheck.Projekt;
        if (!OtevritProjekt(*stav, projekt, argumentyCheck.Format.value_or(FormatPodleNazvu(projekt)), zpravy))
            return VypocetZastaven;
        ZadneVystupy zadneVystupy;
        if (!Vypocet(*stav, zpravy, zadneVystupy))
            return VypocetZastaven;
        const std::vector<TNalez> nalezy = ZkontrolovatLinii(*stav, stav->Doplnky.Kontrola);
        for (const TNalez& nalez : nalezy)
            vystup << NazevDruhu(nalez.Druh) << ": " << nalez.Text << '\n';
        return ObsahujeChybu(nalezy) ? VypocetZastaven : Uspech;
    } catch (const std::exception& vyjimka) {
        chyby << "error: " << ZpravaOVyjimce(vyjimka) << '\n';
        return ChybaPouziti;
    }
}

} // namespace lineon::cli
