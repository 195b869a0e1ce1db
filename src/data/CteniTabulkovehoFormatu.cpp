#include "data/CteniProjektu.h"
#include "data/RadekProjektu.h"

namespace lineon {

namespace {

// Each field is the text before the next ";"; when no ";" is left, every further field is empty.
template <std::size_t N>
std::array<TPoleSouboru, N> RozdelitRadek(std::string_view radek, int cisloRadku)
{
    std::array<TPoleSouboru, N> pole;
    for (auto& p : pole) {
        const auto strednik = radek.find(';');
        p = {strednik == std::string_view::npos ? std::string_view() : radek.substr(0, strednik), cisloRadku};
        radek = strednik == std::string_view::npos ? std::string_view() : radek.substr(strednik + 1);
    }
    return pole;
}

} // namespace

void PrecistTabulkovyFormat(const std::vector<std::string>& radky, const std::string& cesta, TProjekt& projekt)
{
    const auto pocet = static_cast<int>(radky.size());
    auto pridatPripojku = [&](std::string_view radek, int i) {
        PridatPrectenyRadek(projekt.Pripojky, PripojkaZPoli(RozdelitRadek<PoliPripojky>(radek, i + 1), cesta), cesta,
                            i + 1);
    };
    // Until the "#" line every line is a point row, an empty one included.
    int i = 0;
    for (; i < pocet && radky[i] != "#"; ++i)
        PridatPrectenyRadek(projekt.Body, BodZPoli(RozdelitRadek<PoliBodu>(radky[i], i + 1), cesta), cesta, i + 1);
    if (i == pocet)
        return;
    // The line after "#" is the first connection row whatever it holds, also when the file ends there.
    ++i;
    pridatPripojku(i < pocet ? std::string_view(radky[i]) : std::string_view(), i);
    for (++i; i < pocet; ++i)
        if (!radky[i].empty())
            pridatPripojku(radky[i], i);
}

} // namespace lineon
