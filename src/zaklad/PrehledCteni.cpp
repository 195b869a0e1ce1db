#include "zaklad/PrehledCteni.h"

namespace lineon {

namespace {

constexpr std::size_t UvadenychRadku = 10;

} // namespace

void VybraneRadky::Pridat(std::size_t cislo, const std::string& doplnek)
{
    if (prvni_.size() < UvadenychRadku)
        prvni_.push_back(std::to_string(cislo) + doplnek);
    ++pocet_;
}

std::string VybraneRadky::Text() const
{
    std::string text;
    for (const std::string& radek : prvni_)
        text += (text.empty() ? "" : ", ") + radek;
    if (pocet_ > prvni_.size())
        text += " a " + std::to_string(pocet_ - prvni_.size()) + " dalších";
    return text;
}

std::string PocetSlovy(std::size_t pocet, const char* jeden, const char* dva, const char* pet)
{
    const char* slovo = pocet == 1 ? jeden : pocet >= 2 && pocet <= 4 ? dva : pet;
    return std::to_string(pocet) + " " + slovo;
}

std::string Nacteno(std::size_t pocet)
{
    return pocet == 1 ? "načten" : pocet >= 2 && pocet <= 4 ? "načteny" : "načteno";
}

std::string ZRadku(std::size_t pocet)
{
    return "z " + std::to_string(pocet) + (pocet == 1 ? " řádku" : " řádků");
}

} // namespace lineon
