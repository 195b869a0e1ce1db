#include "profile/ZnackyProfilu.h"

#include "profile/KresbaProfilu.h"

#include <cmath>

namespace lineon {

void KreslitHektometry(KresbaProfilu& k)
{
    for (int i = 0; 100.0 * i < k.E(); ++i) {
        const double u = 100.0 * i;
        k.Cara(VrstvaCaryProfilu::Cary, u, 0, u, k.mm(-5));
        k.Cislo(0, 1, 4, u, k.mm(-7.5), 0.1 * i, 0.0025, VrstvaCislaProfilu::Staniceni);
    }
}

void KreslitSipky(KresbaProfilu& k, int bod)
{
    const double s = k.s(bod);
    // a point a, b paper millimetres from the centre of the circle
    const auto Cara = [&](double a1, double b1, double a2, double b2) {
        k.Cara(VrstvaCaryProfilu::Sipka, s + k.mm(a1), k.mm(205 + b1), s + k.mm(a2), k.mm(205 + b2));
    };
    k.Kruh(s, k.mm(205), k.mm(2.5));
    if (bod > 1) {
        Cara(-2.5, 0, -12.5, 0);
        Cara(-12.5, 0, -7.5, 1);
        Cara(-12.5, 0, -7.5, -1);
    }
    if (bod < k.N()) {
        const double a = k.Vysledek(bod).ZmenaSmeru;
        const double c = std::cos(a);
        const double n = std::sin(a);
        Cara(12.5 * c, 12.5 * n, 2.5 * c, 2.5 * n);
        Cara(2.5 * c, 2.5 * n, 7.5 * c + n, 7.5 * n - c);
        Cara(2.5 * c, 2.5 * n, 7.5 * c - n, 7.5 * n + c);
    }
}

} // namespace lineon
