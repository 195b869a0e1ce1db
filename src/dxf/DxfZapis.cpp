#include "dxf/DxfZapis.h"

#include <algorithm>
#include <charconv>

namespace lineon {

DxfZapis::DxfZapis(const std::string& cesta) : soubor_(std::make_unique<soubor::ZapisTextu>(cesta)) {}

void DxfZapis::DxfRadek(std::string_view text)
{
    // A value is one line of the file: a line break inside a text (a label read from a file with
    // stray carriage returns) would cut the pair of lines apart, so it becomes a blank.
    if (soubor_) {
        soubor_->PripsatRadek(text);
        return;
    }
    const std::size_t zacatek = text_.size();
    text_ += text;
    std::replace_if(text_.begin() + static_cast<std::ptrdiff_t>(zacatek), text_.end(),
                    [](char c) { return c == '\r' || c == '\n'; }, ' ');
    text_ += '\n';
}

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
    char radek[8];
    const auto konec = std::to_chars(radek, radek + sizeof radek, kod).ptr;
    DxfRadek(std::string_view(radek, static_cast<std::size_t>(konec - radek)));
    DxfRadek(hodnota);
}

void DxfZapis::Dokoncit()
{
    if (soubor_)
        soubor_->Dokoncit();
}

} // namespace lineon
