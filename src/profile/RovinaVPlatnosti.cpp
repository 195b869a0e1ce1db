#include "profile/RovinaVPlatnosti.h"

namespace lineon {

RovinaVPlatnosti::RovinaVPlatnosti(const TStav& stav)
    : stav_(stav)
{
    const int n = stav.Projekt.PocetBodu();
    for (const int bod : stav.Rovina.PosunyRoviny) {
        if (bod <= 1 || bod >= n)
            break;
        body_.push_back(bod);
    }
}

bool RovinaVPlatnosti::JeBodPosunu(int k) const
{
    return static_cast<std::size_t>(g_) < body_.size() && body_[static_cast<std::size_t>(g_)] == k;
}

int RovinaVPlatnosti::ProStaniceni(double s) const
{
    int g = 0;
    for (const int bod : body_) {
        if (stav_.Vysledky.Body[static_cast<std::size_t>(bod)].Staniceni > s)
            break;
        ++g;
    }
    return g;
}

} // namespace lineon
