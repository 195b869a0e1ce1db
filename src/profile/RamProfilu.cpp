#include "profile/RamProfilu.h"

#include "profile/KresbaProfilu.h"

#include <algorithm>
#include <limits>

namespace lineon {

namespace {

constexpr double OkrajRozsahu = 10; // drawing units around the inner frame

} // namespace

RamProfilu::RamProfilu(const KresbaProfilu& kresba)
    : kresba_(kresba)
{
}

TRozsahProfilu RamProfilu::Rozsah() const
{
    const KresbaProfilu& k = kresba_;
    return {.Vlevo = k.mm(-76) - OkrajRozsahu,
            .Vpravo = k.E() + k.mm(230) + OkrajRozsahu,
            .Dole = k.mm(-37) - OkrajRozsahu,
            .Nahore = k.mm(250) + OkrajRozsahu};
}

double RamProfilu::Sklad(int i) const
{
    return kresba_.E() + kresba_.mm(235 - 210.0 * i);
}

int RamProfilu::PocetA4() const
{
    // The first i whose fold mark no longer lies right of the inner frame, found from the length
    // of the sheet and settled by the test itself, so that a line of any length costs no loop.
    const double listu = (kresba_.E() / kresba_.mm(1) + 311) / 210;
    if (!(listu < std::numeric_limits<int>::max() / 2))
        return std::numeric_limits<int>::max();
    int i = std::max(1, static_cast<int>(listu) - 1);
    while (i > 1 && !(Sklad(i - 1) > kresba_.mm(-76)))
        --i;
    while (Sklad(i) > kresba_.mm(-76))
        ++i;
    return i;
}

void RamProfilu::KreslitVnejsi(KresbaProfilu& k) const
{
    KreslitObdelnik(k, k.mm(-81), k.mm(-42), k.E() + k.mm(235), k.mm(255));
}

void RamProfilu::KreslitVnitrni(KresbaProfilu& k) const
{
    KreslitObdelnik(k, k.mm(-76), k.mm(-37), k.E() + k.mm(230), k.mm(250));
    for (int i = 1; Sklad(i) > k.mm(-76); ++i)
        k.Cara(VrstvaCaryProfilu::Cary, Sklad(i), k.mm(-37), Sklad(i), k.mm(-42));
}

void KreslitObdelnik(KresbaProfilu& kresba, double u1, double v1, double u2, double v2)
{
    const int cary = VrstvaCaryProfilu::Cary;
    kresba.Cara(cary, u1, v1, u2, v1);
    kresba.Cara(cary, u2, v1, u2, v2);
    kresba.Cara(cary, u2, v2, u1, v2);
    kresba.Cara(cary, u1, v2, u1, v1);
}

} // namespace lineon
