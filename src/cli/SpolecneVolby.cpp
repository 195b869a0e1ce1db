#include "cli/SpolecneVolby.h"

#include "cli/SouborVoleb.h"
#include "zaklad/ZpravyNaVystup.h"
#include "zaklad/Chyba.h"
#include "data/SouborNastaveni.h"

namespace lineon::cli {

namespace {

[[noreturn]] void SpatnaHodnota(const std::string& volba, const std::string& ocekava, const std::string& hodnota)
{
    throw Chyba("Volba " + volba + " očekává " + ocekava + ", ne „" + hodnota + "“.");
}

} // namespace

const std::string& HodnotaVolby(const std::vector<std::string>& argumenty, std::size_t& i)
{
    if (i + 1 >= argumenty.size())
        throw Chyba("Volbě " + argumenty[i] + " chybí hodnota.");
    return argumenty[++i];
}

FormatProjektu FormatZVolby(const std::string& volba, const std::string& hodnota)
{
    if (hodnota == "csv")
        return FormatProjektu::Tabulka;
    if (hodnota == "dat")
        return FormatProjektu::Radky;
    SpatnaHodnota(volba, "csv nebo dat", hodnota);
}

bool PrecistSpolecnouVolbu(const std::vector<std::string>& argumenty, std::size_t& i, TSpolecneVolby& volby)
{
    const std::string& volba = argumenty[i];
    if (volba == "--settings") {
        volby.Nastaveni = HodnotaVolby(argumenty, i);
    } else if (volba == "--options") {
        volby.Volby = HodnotaVolby(argumenty, i);
    } else if (volba == "--kind") {
        const std::string& druh = HodnotaVolby(argumenty, i);
        if (druh != "1" && druh != "2" && druh != "3")
            SpatnaHodnota(volba, "1, 2 nebo 3", druh);
        volby.Druh = static_cast<TDruhSite>(druh[0] - '0');
    } else if (volba == "--lang") {
        const std::string& jazyk = HodnotaVolby(argumenty, i);
        if (jazyk != "CZ" && jazyk != "SK")
            SpatnaHodnota(volba, "CZ nebo SK", jazyk);
        volby.Jazyk = jazyk;
    } else {
        return false;
    }
    return true;
}

void NacistNastaveniProCli(const std::string& cesta, TStav& stav, std::ostream& chyby)
{
    ZpravyNaVystup zpravy(chyby);
    for (const auto& zprava : NacistNastaveni(cesta, stav.Nastaveni))
        zpravy.Oznamit(zprava.Druh, zprava.Text);
}

void UplatnitSpolecneVolby(const TSpolecneVolby& volby, TStav& stav, std::ostream& chyby)
{
    if (volby.Nastaveni)
        NacistNastaveniProCli(*volby.Nastaveni, stav, chyby);
    if (volby.Volby)
        NacistVolby(*volby.Volby, stav);
    if (volby.Druh)
        NastavitDruhSite(stav.Nastaveni, *volby.Druh);
    if (volby.Jazyk)
        stav.Nastaveni.Jazyk = *volby.Jazyk;
}

} // namespace lineon::cli
