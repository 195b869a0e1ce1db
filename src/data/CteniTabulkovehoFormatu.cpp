#include "data/CteniProjektu.h"
#include "data/RadekProjektu.h"

namespace lineon {

namespace {

/// The fields of one line and how many of them it holds.
template <std::size_t N>
struct TPoleRadku {
    std::array<TPoleSouboru, N> Pole;
    std::size_t Pocet = 0; ///< fields followed by ";"; fewer than N make the line incomplete
    bool Navic = false;    ///< text after the N-th ";"
};

// Each field is the text before the next ";"; when no ";" is left, every further field is empty.
template <std::size_t N>
TPoleRadku<N> RozdelitRadek(std::string_view radek, int cisloRadku)
{
    TPoleRadku<N> vysledek;
    for (auto& p : vysledek.Pole) {
        const auto strednik = radek.find(';');
        if (strednik != std::string_view::npos)
            ++vysledek.Pocet;
        p = {strednik == std::string_view::npos ? std::string_view() : radek.substr(0, strednik), cisloRadku};
        radek = strednik == std::string_view::npos ? std::string_view() : radek.substr(strednik + 1);
    }
    vysledek.Navic = !radek.empty();
    return vysledek;
}

class CteniTabulky {
public:
    CteniTabulky(soubor::CteniRadku& cteni, TProjekt& projekt, TPrehledProjektu& prehled)
        : cteni_(cteni), projekt_(projekt), prehled_(prehled)
    {
    }

    /// A point line; one with exactly the fields of a connection row, numbers where it has them,
    /// stands where the "#" line was forgotten.
    void Bod(const soubor::TRadekSouboru& radek)
    {
        const int cislo = static_cast<int>(radek.Cislo);
        const auto jakoPripojka = RozdelitRadek<PoliPripojky>(radek.Text, cislo);
        if (jakoPripojka.Pocet == PoliPripojky && !jakoPripojka.Navic && MaTvarPripojky(jakoPripojka.Pole))
            ChybiOddelovac(cteni_.Cesta(), radek.Cislo, "řádek má");
        const auto pole = RozdelitRadek<PoliBodu>(radek.Text, cislo);
        TBod bod = BodZPoli(pole.Pole, cteni_.Cesta());
        Zapocitat(pole.Pocet == PoliBodu, DrziData(bod), radek.Cislo);
        PridatPrectenyRadek(projekt_.Body, std::move(bod), cteni_.Cesta(), cislo);
    }

    void Pripojka(const soubor::TRadekSouboru& radek)
    {
        const int cislo = static_cast<int>(radek.Cislo);
        const auto pole = RozdelitRadek<PoliPripojky>(radek.Text, cislo);
        TPripojka pripojka = PripojkaZPoli(pole.Pole, cteni_.Cesta());
        Zapocitat(pole.Pocet == PoliPripojky, DrziData(pripojka), radek.Cislo);
        PridatPrectenyRadek(projekt_.Pripojky, std::move(pripojka), cteni_.Cesta(), cislo);
    }

    /// The row a file without connections carries after its "#" line: the line is empty or missing.
    void PrazdnaPripojka(std::size_t cislo)
    {
        PridatPrectenyRadek(projekt_.Pripojky, TPripojka(), cteni_.Cesta(), static_cast<int>(cislo));
    }

private:
    void Zapocitat(bool uplny, bool drziData, std::size_t cislo)
    {
        if (!uplny)
            prehled_.Neuplne.Pridat(cislo);
        prehled_.DrziData = prehled_.DrziData || (uplny && drziData);
    }

    soubor::CteniRadku& cteni_;
    TProjekt& projekt_;
    TPrehledProjektu& prehled_;
};

} // namespace

void PrecistTabulkovyFormat(soubor::CteniRadku& cteni, TProjekt& projekt, TPrehledProjektu& prehled)
{
    CteniTabulky tabulka(cteni, projekt, prehled);
    soubor::TRadekSouboru radek;
    // Until the "#" line every line is a point row, an empty one included.
    for (;;) {
        if (!DalsiRadekProjektu(cteni, radek))
            return;
        if (radek.Text == "#")
            break;
        tabulka.Bod(radek);
    }
    // The line after "#" is the first connection row whatever it holds, also when the file ends there.
    if (!DalsiRadekProjektu(cteni, radek) || radek.Text.empty())
        tabulka.PrazdnaPripojka(cteni.PocetRadku());
    else
        tabulka.Pripojka(radek);
    // After it, empty lines are skipped.
    while (DalsiRadekProjektu(cteni, radek))
        if (!radek.Text.empty())
            tabulka.Pripojka(radek);
}

} // namespace lineon
