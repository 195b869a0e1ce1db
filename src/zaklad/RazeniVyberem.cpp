#include "zaklad/RazeniVyberem.h"

namespace lineon {

namespace {

/// A tree of minima over positions: every inner node holds the better of its two children, the
/// smaller key and of equal keys the lower position, which is the one an upward scan keeps.
class StromMinim {
public:
    explicit StromMinim(const std::vector<double>& klice) : klice_(klice)
    {
        while (listy_ < klice.size())
            listy_ *= 2;
        uzly_.assign(2 * listy_, Zadna);
        for (std::size_t p = 0; p < klice.size(); ++p)
            uzly_[listy_ + p] = p;
        for (std::size_t u = listy_ - 1; u >= 1; --u)
            uzly_[u] = Lepsi(uzly_[2 * u], uzly_[2 * u + 1]);
    }

    std::size_t Minimum() const { return uzly_[1]; }

    /// Position p has left the sort (Zadna) or its key has changed: the path to the root is rebuilt.
    void Obnovit(std::size_t p, std::size_t obsah)
    {
        std::size_t u = listy_ + p;
        uzly_[u] = obsah;
        for (u /= 2; u >= 1; u /= 2)
            uzly_[u] = Lepsi(uzly_[2 * u], uzly_[2 * u + 1]);
    }

    static constexpr std::size_t Zadna = static_cast<std::size_t>(-1);

private:
    std::size_t Lepsi(std::size_t a, std::size_t b) const
    {
        if (a == Zadna || b == Zadna)
            return a == Zadna ? b : a;
        if (klice_[b] < klice_[a])
            return b;
        if (klice_[a] < klice_[b])
            return a;
        return a < b ? a : b;
    }

    const std::vector<double>& klice_;
    std::size_t listy_ = 1;
    std::vector<std::size_t> uzly_;
};

} // namespace

std::vector<std::pair<std::size_t, std::size_t>> VymenyRazeniVyberem(std::vector<double> klice)
{
    std::vector<std::pair<std::size_t, std::size_t>> vymeny;
    if (klice.size() < 2)
        return vymeny;
    StromMinim strom(klice);
    for (std::size_t p = 0; p + 1 < klice.size(); ++p) {
        const std::size_t m = strom.Minimum();
        strom.Obnovit(p, StromMinim::Zadna);
        if (m != p) {
            vymeny.emplace_back(p, m);
            // The key of position p moves to m; the smallest one stays at p, out of the sort.
            klice[m] = klice[p];
            strom.Obnovit(m, m);
        }
    }
    return vymeny;
}

} // namespace lineon
