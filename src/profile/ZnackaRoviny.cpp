#include "profile/ZnackaRoviny.h"

#include "profile/KresbaProfilu.h"

#include <string>

namespace lineon {

void KreslitZnackuRoviny(KresbaProfilu& k, int bod, int uroven)
{
    const double s = k.s(bod);
    const auto u = [&](double a) { return s + k.mm(a); };
    const int cary = VrstvaCaryProfilu::Cary;
    if (bod == 1)
        k.Cara(cary, s, 0, u(-25), 0);
    // the triangle with its apex on the plane line
    k.Cara(cary, u(-20), 0, u(-22.5), k.mm(2));
    k.Cara(cary, u(-22.5), k.mm(2), u(-17.5), k.mm(2));
    k.Cara(cary, u(-17.5), k.mm(2), u(-20), 0);
    // the stem and the flag
    k.Cara(cary, u(-20), 0, u(-20), k.mm(4));
    k.Cara(cary, u(-20), k.mm(4), u(-5), k.mm(4));
    k.Text(std::to_string(uroven) + ".00 m", 4, VrstvaTextuProfilu::Rovina, u(-12.5), k.mm(6));
}

} // namespace lineon
