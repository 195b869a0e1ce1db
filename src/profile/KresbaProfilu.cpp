#include "profile/KresbaProfilu.h"

#include "zaklad/Cisla.h"

#include <cmath>
#include <tuple>
#include <utility>

namespace lineon {

KresbaProfilu::KresbaProfilu(TStav& stav, std::vector<IPlatnoProfilu*> platna)
    : stav_(stav)
    , platna_(std::move(platna))
    , n_(stav.Projekt.PocetBodu())
    , H_(stav.Nastaveni.DelkoveMeritko)
    , pomerMeritek_(stav.Rovina.PomerMeritek)
{
    std::tie(bx_, by_) = ZakladniBod(stav);
}

std::pair<std::int64_t, std::int64_t> KresbaProfilu::ZakladniBod(const TStav& stav)
{
    const TNastaveni& nastaveni = stav.Nastaveni;
    if (!stav.Vystupy.RadioButton1)
        return {nastaveni.UmisteniX, nastaveni.UmisteniY};
    // The middle of the line's chord, moved by dX and dY, so that the profile lies beside the
    // site plan.
    const TBod& prvni = stav.Projekt.Body[1];
    const TBod& posledni = stav.Projekt.Body[stav.Projekt.PocetBodu()];
    return {cisla::ZaokrouhlitCele((prvni.X + posledni.X) / 2) + nastaveni.Dx,
            cisla::ZaokrouhlitCele((prvni.Y + posledni.Y) / 2) + nastaveni.Dy};
}

bool KresbaProfilu::KrytiZobrazeno() const
{
    const int rezim = stav_.Nastaveni.ZobrazeniKryti;
    return rezim == 0 || rezim == 1;
}

double KresbaProfilu::R(int g) const
{
    return static_cast<double>(stav_.Rovina.SrovnavaciRovina) + static_cast<double>(g) * stav_.Rovina.PosunRoviny;
}

double KresbaProfilu::ZobrazeneStaniceni(double staniceni) const
{
    // Taking 100 away while 100 or more are left: the remainder, which fmod gives exactly.
    if (stav_.Nastaveni.StaniceniDo100 && staniceni >= 100)
        return std::fmod(staniceni, 100);
    return staniceni;
}

void KresbaProfilu::Zahajit(const TRozsahProfilu& rozsah)
{
    // The file negates its coordinates, so the lower left corner has the larger x and y.
    for (IPlatnoProfilu* platno : platna_)
        platno->Zahajit(X(rozsah.Vlevo), Y(rozsah.Dole), X(rozsah.Vpravo), Y(rozsah.Nahore));
}

void KresbaProfilu::Cara(int vrstva, double u1, double v1, double u2, double v2)
{
    for (IPlatnoProfilu* platno : platna_)
        platno->Cara(vrstva, X(u1), Y(v1), X(u2), Y(v2));
}

void KresbaProfilu::Text(const std::string& text, int zarovnani, int vrstva, double u, double v)
{
    for (IPlatnoProfilu* platno : platna_)
        platno->Text(text, zarovnani, vrstva, X(u), Y(v));
}

void KresbaProfilu::Cislo(int uhel, int desetin, int zarovnani, double u, double v, double hodnota,
                          double faktorVysky, int vrstva)
{
    for (IPlatnoProfilu* platno : platna_)
        platno->Cislo(uhel, desetin, zarovnani, X(u), Y(v), hodnota, H_ * faktorVysky, vrstva);
}

void KresbaProfilu::Kruh(double u, double v, double polomer)
{
    for (IPlatnoProfilu* platno : platna_)
        platno->Kruh(X(u), Y(v), polomer);
}

void KresbaProfilu::Ukoncit()
{
    for (IPlatnoProfilu* platno : platna_)
        platno->Ukoncit();
}

} // namespace lineon
