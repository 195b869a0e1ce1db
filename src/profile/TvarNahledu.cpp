#include "profile/TvarNahledu.h"

#include "zaklad/Cisla.h"
#include "zaklad/Kodovani.h"

namespace lineon {

std::optional<TTvarNahledu> TvarNahledu(const KresData& polozka, int sirka)
{
    const auto px = [sirka](double hodnota) { return static_cast<int>(cisla::ZaokrouhlitCele(sirka * hodnota)); };
    const double x = polozka.x1;
    const double y = polozka.y1;
    using Druh = TTvarNahledu::Druh;
    if (polozka.cara)
        return TTvarNahledu{Druh::Cara, px(x), px(y), px(polozka.x2), px(polozka.y2)};
    if (polozka.kruh) {
        const double r = polozka.polomer;
        return TTvarNahledu{Druh::Elipsa, px(x - r), px(y - r), px(x + r), px(y + r)};
    }
    if (polozka.text) {
        const double h = polozka.vyskaTextu;
        const auto n = static_cast<double>(kodovani::PocetZnaku(polozka.retezec));
        return TTvarNahledu{Druh::Obdelnik, px(x), px(y - h), px(x + n * h), px(y)};
    }
    return std::nullopt;
}

} // namespace lineon
