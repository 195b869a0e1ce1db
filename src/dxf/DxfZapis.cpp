#include "dxf/DxfZapis.h"

#include <algorithm>

namespace lineon {

void DxfZapis::DxfRadek(std::string_view text)
{
    // A value is one line of the file: a line break inside a text (a label read from a file with
    // stray carriage returns) would cut the pair of lines apart, so it becomes a blank.
    const std::size_t zacatek = text_.size();
    text_ += text;
    std::replace_if(text_.begin() + static_cast<std::ptrdiff_t>(zacatek), text_.end(),
                    [](char c) { return c == '\r' || c == '\n'; }, ' ');
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
