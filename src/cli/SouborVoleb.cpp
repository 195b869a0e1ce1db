#include "cli/SouborVoleb.h"

#include "data/Chyba.h"
#include "data/HodnotaOvladace.h"
#include "data/OvladaceVystupu.h"
#include "data/PoleNastaveni.h"
#include "data/Soubor.h"

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
    if (const auto* ovladac = NajitOvladacVystupu(nazev))
        NastavitOvladac(menene.Vystupy, *ovladac, hodnota);
    else if (nazev == "AvBox")
        menene.AutomatickyPrevod.AvBox = Zaskrtnuti(nazev, hodnota);
    else if (nazev == "AoBox")
        menene.AutomatickyPrevod.AoBox = Zaskrtnuti(nazev, hodnota);
    else if (const auto* pole = NajitPoleNastaveni(nazev))
        NastavitHodnotu(menene.Nastaveni, *pole, hodnota);
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
    const auto radky = soubor::PrecistRadkyUtf8(cesta);
    TMenene menene{stav.Nastaveni, stav.Vystupy, stav.AutomatickyPrevod};
    for (std::size_t i = 0; i < radky.size(); ++i) {
        const std::string_view radek = radky[i];
        if (BezMezer(radek).empty() || radek.starts_with('#'))
            continue;
        try {
            const auto rovnitko = radek.find('=');
            if (rovnitko == std::string_view::npos)
                throw Chyba("očekává se název=hodnota, ne „" + std::string(radek) + "“.");
            NastavitVolbu(menene, BezMezer(radek.substr(0, rovnitko)), radek.substr(rovnitko + 1));
        } catch (const Chyba& chyba) {
            throw Chyba("Soubor voleb „" + cesta + "“, řádek " + std::to_string(i + 1) + ": " + chyba.what());
        }
    }
    stav.Nastaveni = std::move(menene.Nastaveni);
    stav.Vystupy = std::move(menene.Vystupy);
    stav.AutomatickyPrevod = menene.AutomatickyPrevod;
}

} // namespace lineon::cli
