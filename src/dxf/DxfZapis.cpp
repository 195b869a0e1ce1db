#include "dxf/DxfZapis.h"

namespace lineon {

void DxfZapis::DxfRadek(std::string_view text)
{
    text_ += text;
    text_ += '\n';
}

void DxfZapis::Skupina(int kod, std::string_view hodnota)
{
    std::string radek = std::to_string(kod);
    if (radek.size() < 3)
        radek.insert(0, 3 - radek.size(), ' ');
    DxfRadek(radek);
    DxfRadek(hodnota);
}

void DxfZapis::HolaSkupina(int kod, std::string_view hodnota)
{
    DxfRadek(std::to_string(kod));
    DxfRadek(hodnota);
}

} // namespace lineon
