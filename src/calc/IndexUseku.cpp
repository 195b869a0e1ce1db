#include "calc/IndexUseku.h"

#include "data/Stav.h"

#include <algorithm>
#include <cmath>

namespace lineon {

namespace {

/// A box may cover this many cells; a larger one is offered to every point.
constexpr std::int64_t NejvicBunekBoxu = 64;

/// Cell numbers are held far inside 64 bits whatever the coordinates.
constexpr double NejvetsiBunka = 1e15;

struct TBox {
    int usek;
    double y1, x1, y2, x2;
};

/// The box of a section widened by its length, and by a margin far above the rounding of the
/// distances, so that every point a section can take lies inside it.
TBox Box(int usek, double ya, double xa, double yb, double xb, double delka)
{
    const double okraj = delka + 1e-9 * (std::fabs(ya) + std::fabs(xa) + delka + 1);
    return {usek, std::min(ya, yb) - okraj, std::min(xa, xb) - okraj, std::max(ya, yb) + okraj,
            std::max(xa, xb) + okraj};
}

std::int64_t CisloBunky(double v, double pocatek, double strana)
{
    return static_cast<std::int64_t>(std::clamp(std::floor((v - pocatek) / strana), -NejvetsiBunka, NejvetsiBunka));
}

} // namespace

IndexUseku::IndexUseku(const TStav& stav)
{
    const auto& body = stav.Projekt.Body;
    std::vector<TBox> boxy;
    for (int i = 1; i < body.Pocet(); ++i) {
        const double delka = stav.Vysledky.Body[static_cast<std::size_t>(i)].Delka;
        // A section of no length (or of none that is a number) takes no point.
        if (!(delka > 0) || !std::isfinite(delka))
            continue;
        const TBox box = Box(i, body[i].Y, body[i].X, body[i + 1].Y, body[i + 1].X, delka);
        if (std::isfinite(box.y1) && std::isfinite(box.x1) && std::isfinite(box.y2) && std::isfinite(box.x2))
            boxy.push_back(box);
        else
            velke_.push_back(i);
    }
    if (boxy.empty())
        return;

    std::vector<double> rozmery;
    y0_ = boxy.front().y1;
    x0_ = boxy.front().x1;
    for (const TBox& box : boxy) {
        rozmery.push_back(std::max(box.y2 - box.y1, box.x2 - box.x1));
        y0_ = std::min(y0_, box.y1);
        x0_ = std::min(x0_, box.x1);
    }
    const auto median = rozmery.begin() + static_cast<std::ptrdiff_t>(rozmery.size() / 2);
    std::nth_element(rozmery.begin(), median, rozmery.end());
    strana_ = *median;

    for (const TBox& box : boxy) {
        const Bunka od = BunkaBodu(box.y1, box.x1);
        const Bunka po = BunkaBodu(box.y2, box.x2);
        const std::int64_t vyska = po.first - od.first + 1, sirka = po.second - od.second + 1;
        if (vyska > NejvicBunekBoxu || sirka > NejvicBunekBoxu || vyska * sirka > NejvicBunekBoxu) {
            velke_.push_back(box.usek);
            continue;
        }
        for (std::int64_t by = od.first; by <= po.first; ++by)
            for (std::int64_t bx = od.second; bx <= po.second; ++bx)
                zapisy_.push_back({{by, bx}, box.usek});
    }
    std::sort(zapisy_.begin(), zapisy_.end());
    std::sort(velke_.begin(), velke_.end());
}

IndexUseku::Bunka IndexUseku::BunkaBodu(double y, double x) const
{
    return {CisloBunky(y, y0_, strana_), CisloBunky(x, x0_, strana_)};
}

void IndexUseku::Kandidati(double y, double x, int od, std::vector<int>& usekyOut) const
{
    usekyOut.clear();
    // A point without finite coordinates is closer to no section end than any length.
    if (!std::isfinite(y) || !std::isfinite(x))
        return;
    const Bunka bunka = BunkaBodu(y, x);
    const auto [zacatek, konec] = std::equal_range(
        zapisy_.begin(), zapisy_.end(), std::pair<Bunka, int>{bunka, 0},
        [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto vBunce = std::upper_bound(zacatek, konec, od, [](int usek, const auto& zapis) { return usek < zapis.second; });
    for (auto zapis = vBunce; zapis != konec; ++zapis)
        usekyOut.push_back(zapis->second);
    const auto stred = static_cast<std::ptrdiff_t>(usekyOut.size());
    usekyOut.insert(usekyOut.end(), std::upper_bound(velke_.begin(), velke_.end(), od), velke_.end());
    std::inplace_merge(usekyOut.begin(), usekyOut.begin() + stred, usekyOut.end());
}

} // namespace lineon
