#include "dxf/DxfZapis.h"

#include <algorithm>
#include <charconv>

namespace lineon {

void DxfZapis::Skupina(int kod, std::string_view hodnota)
{
    char radek[8] = "   ";
    const auto konec = std::to_chars(radek + 3, radek + sizeof radek, kod).ptr;
    const std::size_t delka = static_cast<std::size_t>(konec - (radek + 3));
    const std::size_t sirka = std::max<std::size_t>(delka, 3);
    DxfRadek(std::string_view(konec - sirka, sirka));
    DxfRadek(hodnota);
}

void DxfZapis::HolaSkupina(int kod, std::string_view hodnota)
{
    Kod(kod);
    DxfRadek(hodnota);
}

void DxfZapis::HolaSkupina(int kod, const cisla::TCislo& cislo)
{
    Kod(kod);
    vystup_.RadekAscii(cislo.Text());
}

void DxfZapis::Kod(int kod)
{
    char radek[8];
    const auto konec = std::to_chars(radek, radek + sizeof radek, kod).ptr;
    vystup_.RadekAscii(std::string_view(radek, static_cast<std::size_t>(konec - radek)));
}

} // namespace lineon
