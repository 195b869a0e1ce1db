#include "cli/VolbyRoviny.h"

#include "cli/SpolecneVolby.h"
#include "zaklad/Chyba.h"
#include "zaklad/Cisla.h"

#include <algorithm>

namespace lineon::cli {

namespace {

int CeleCislo(const std::string& volba, const std::string& hodnota, int od, int po)
{
    const auto cislo = cisla::CtiCele(hodnota);
    if (!cislo || *cislo < od || *cislo > po)
        throw Chyba("Volba " + volba + " očekává celé číslo od " + std::to_string(od) + " do " + std::to_string(po)
                    + ", ne „" + hodnota + "“.");
    return *cislo;
}

/// "P1,P2,...": point numbers separated by commas; an empty text checks no point.
std::vector<int> CislaBodu(const std::string& volba, const std::string& hodnota)
{
    std::vector<int> body;
    if (hodnota.empty())
        return body;
    std::size_t zacatek = 0;
    for (;;) {
        const std::size_t carka = hodnota.find(',', zacatek);
        const std::string cislo = hodnota.substr(zacatek, carka == std::string::npos ? carka : carka - zacatek);
        const auto bod = cisla::CtiCele(cislo);
        if (!bod)
            throw Chyba("Volba " + volba + " očekává čísla bodů oddělená čárkami, ne „" + hodnota + "“.");
        body.push_back(*bod);
        if (carka == std::string::npos)
            break;
        zacatek = carka + 1;
    }
    // The dialog's list holds each point once, in the order of the line.
    std::sort(body.begin(), body.end());
    body.erase(std::unique(body.begin(), body.end()), body.end());
    return body;
}

} // namespace

bool PrecistVolbuRoviny(const std::vector<std::string>& argumenty, std::size_t& i, TVolbyRoviny& volby)
{
    const std::string& volba = argumenty[i];
    // Typed values are held to the ranges of the dialog's fields, as typing into them is.
    if (volba == "--plane")
        volby.Rovina = CeleCislo(volba, HodnotaVolby(argumenty, i), InformaceORovine::NejnizsiRovina,
                                 InformaceORovine::NejvyssiRovina);
    else if (volba == "--plane-shift")
        volby.Posun = CeleCislo(volba, HodnotaVolby(argumenty, i), -InformaceORovine::NejvetsiPosun,
                                InformaceORovine::NejvetsiPosun);
    else if (volba == "--shift-points")
        volby.Body = CislaBodu(volba, HodnotaVolby(argumenty, i));
    else
        return false;
    return true;
}

void OveritBodyPosunu(const TVolbyRoviny& volby, int pocetBodu)
{
    if (!volby.Body)
        return;
    for (const int bod : *volby.Body)
        if (bod < 2 || bod > pocetBodu - 1)
            throw Chyba("Bod " + std::to_string(bod) + " nelze zvolit pro posun srovnávací roviny: "
                        + (pocetBodu > 2 ? "volit lze body 2 až " + std::to_string(pocetBodu - 1) + "."
                                         : "linie nemá žádný vnitřní bod."));
    OveritPocetBoduPosunu(static_cast<int>(volby.Body->size()));
}

void UplatnitVolbyRoviny(const TVolbyRoviny& volby, InformaceORovine& dialog)
{
    if (volby.Rovina)
        dialog.srovField = *volby.Rovina;
    if (volby.Posun)
        dialog.posSRField = *volby.Posun;
    if (volby.Body)
        for (std::size_t i = 0; i < dialog.poscombo.size(); ++i)
            dialog.poscombo[i].Zaskrtnut =
                std::find(volby.Body->begin(), volby.Body->end(), static_cast<int>(i) + 2) != volby.Body->end();
}

} // namespace lineon::cli
