#include "profile/PopisovaTabulka.h"

#include "profile/KresbaProfilu.h"
#include "profile/PopiskyProfilu.h"
#include "profile/RamProfilu.h"

#include <array>
#include <string>

namespace lineon {

namespace {

/// One cell of the title block: its caption and value and where they stand, in paper millimetres
/// from the end of the line and the plane line.
struct TPoleTabulky {
    TPopisek popisek;
    double uPopisku;
    double vPopisku;
    std::string hodnota;
    double uHodnoty;
    double vHodnoty;
};

} // namespace

void KreslitCaryTabulky(KresbaProfilu& k)
{
    const auto u = [&](double a) { return k.E() + k.mm(a); };
    const auto Cara = [&](double u1, double b1, double u2, double b2) {
        k.Cara(VrstvaCaryProfilu::Cary, u(u1), k.mm(b1), u(u2), k.mm(b2));
    };
    KreslitObdelnik(k, u(40), k.mm(-32), u(225), k.mm(23));
    Cara(175, -32, 175, 23);
    Cara(200, -32, 200, -9.5);
    for (const double b : {-27.5, -18.5, -14.0, -9.5})
        Cara(175, b, 225, b);
    Cara(40, -23, 225, -23);
    for (const double b : {9.5, 14.0, 18.5})
        Cara(40, b, 175, b);
    for (const double a : {67.0, 94.0, 121.0, 148.0})
        Cara(a, 9.5, a, 23);
}

void KreslitTextyTabulky(KresbaProfilu& k, int pocetA4)
{
    using namespace popisky;
    const TVystupy& volby = k.Volby();
    const std::string meritko = "1:" + std::to_string(k.Nastaveni().DelkoveMeritko) + ":"
                                + std::to_string(k.Nastaveni().VyskoveMeritko);
    const std::array<TPoleTabulky, 10> pole = {{
        {SouradnicovySystem, 53.5, 20.75, volby.soucombo, 53.5, 16.25},
        {VyskovySystem, 80.5, 20.75, volby.vyscombo, 80.5, 16.25},
        {Meril, 107.5, 20.75, volby.mercombo, 107.5, 16.25},
        {Vypracoval, 134.5, 20.75, volby.vypcombo, 134.5, 16.25},
        {Kontroloval, 161.5, 20.75, volby.koncombo, 161.5, 16.25},
        {Zakazka, 187.5, -11.75, volby.zakEdit, 212.5, -11.75},
        {Datum, 187.5, -16.25, volby.datumEdit, 212.5, -16.25},
        {Vykres, 187.5, -20.75, "2", 212.5, -20.75},
        {Format, 187.5, -25.25, std::to_string(pocetA4) + "xA4", 212.5, -25.25},
        {Meritko, 187.5, -29.75, meritko, 212.5, -29.75},
    }};
    const int vrstva = VrstvaTextuProfilu::PopisTabulky;
    for (const TPoleTabulky& p : pole) {
        if (const auto popisek = PopisekVJazyce(p.popisek, k.Nastaveni().Jazyk))
            k.Text(std::string(*popisek), 4, vrstva, k.E() + k.mm(p.uPopisku), k.mm(p.vPopisku));
        k.Text(p.hodnota, 4, vrstva, k.E() + k.mm(p.uHodnoty), k.mm(p.vHodnoty));
    }
}

} // namespace lineon
