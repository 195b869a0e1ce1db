#include "cli/SouborVoleb.h"

#include "zaklad/Chyba.h"
#include "zaklad/CteniRadku.h"
#include "data/HodnotaOvladace.h"
#include "data/PoleNastaveni.h"

namespace lineon::cli {

namespace {

// The values an options file may change, changed together only after the whole file was read.
struct TMenene {
    TNastaveni Nastaveni;
    TVystupy Vystupy;
    TAutomatickyPrevod AutomatickyPrevod;
};

bool Zaskrtnuti(std::string_view nazev, std::string_view hodnota)
{
    if (hodnota != "1" && hodnota != "0")
        OdmitnoutHodnotu(nazev, "1 nebo 0", hodnota);
    return hodnota == "1";
}

void NastavitVolbu(TMenene& menene, std::string_view nazev, std::string_view hodnota)
{
    if (nazev == "AvBox")
        menene.AutomatickyPrevod.AvBox = Zaskrtnuti(nazev, hodnota);
    else if (nazev == "AoBox")
        menene.AutomatickyPrevod.AoBox = Zaskrtnuti(nazev, hodnota);
    else if (const auto* pole = NajitPoleNastaveni(nazev))
        NastavitHodnotu(menene.Nastaveni, menene.Vystupy, *pole, hodnota);
    else
        throw Chyba("neznámá volba „" + std::string(nazev) + "“.");
}

std::string_view BezMezer(std::string_view text)
{
    const auto zacatek = text.find_first_not_of(" \t");
    if (zacatek == std::string_view::npos)
        return {};
    return text.substr(zacatek, text.find_last_not_of(" \t") - zacatek + 1);
}

} // namespace

void NacistVolby(const std::string& cesta, TStav& stav)
{
    soubor::CteniRadku cteni(cesta, soubor::CteniRadku::Kodovani::Utf8);
    NacistVolby(cteni, stav);
}

void NacistVolby(soubor::CteniRadku& cteni, TStav& stav)
{
    const std::string& cesta = cteni.Cesta();
    TMenene menene{stav.Nastaveni, stav.Vystupy, stav.AutomatickyPrevod};
    soubor::TRadekSouboru radek;
    while (cteni.Dalsi(radek)) {
        try {
            if (radek.Vada)
                throw Chyba(radek.Vada->Popis());
            if (radek.Zkracen)
                throw Chyba(soubor::PopisDlouhehoRadku() + ".");
            const std::string_view text = radek.Text;
            if (BezMezer(text).empty() || text.starts_with('#'))
                continue;
            const auto rovnitko = text.find('=');
            if (rovnitko == std::string_view::npos)
                throw Chyba("očekává se název=hodnota, ne „" + radek.Text + "“.");
            NastavitVolbu(menene, BezMezer(text.substr(0, rovnitko)), text.substr(rovnitko + 1));
        } catch (const Chyba& chyba) {
            throw Chyba("Soubor voleb „" + cesta + "“, řádek " + std::to_string(radek.Cislo) + ": " + chyba.what());
        }
    }
    stav.Nastaveni = std::move(menene.Nastaveni);
    stav.Vystupy = std::move(menene.Vystupy);
    stav.AutomatickyPrevod = menene.AutomatickyPrevod;
}

} // namespace lineon::cli
