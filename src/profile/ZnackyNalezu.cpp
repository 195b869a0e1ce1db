#include "profile/ZnackyNalezu.h"

namespace lineon {

std::vector<TZnackaNalezu> ZnackyNalezu(const std::vector<TNalez>& nalezy, const TRozsahProfilu& rozsah)
{
    std::vector<TZnackaNalezu> znacky;
    const double sirka = rozsah.Vpravo - rozsah.Vlevo;
    if (sirka <= 0)
        return znacky;
    // The drawing puts a stationing s at u = s, and the preview spreads the extents over its width.
    for (const TNalez& nalez : nalezy)
        znacky.push_back({(nalez.Staniceni - rozsah.Vlevo) / sirka, nalez.Druh, nalez.Text});
    return znacky;
}

} // namespace lineon
