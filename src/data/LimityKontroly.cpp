#include "data/LimityKontroly.h"

#include "zaklad/Cisla.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace lineon {

std::optional<double> CistLimit(std::string_view text)
{
    const auto hodnota = cisla::CtiDesetinne(text);
    return hodnota && *hodnota >= 0 ? hodnota : std::nullopt;
}

std::string TextLimitu(double hodnota)
{
    std::array<char, 64> znaky{};
    const auto konec = std::to_chars(znaky.data(), znaky.data() + znaky.size(), hodnota, std::chars_format::fixed).ptr;
    return std::string(znaky.data(), konec);
}

std::optional<std::vector<TMinimalniSpad>> CistTabulkuSpadu(std::string_view text)
{
    std::vector<TMinimalniSpad> tabulka;
    while (!text.empty()) {
        const std::string_view radek = text.substr(0, text.find(';'));
        text.remove_prefix(std::min(text.size(), radek.size() + 1));
        const auto dvojtecka = radek.find(':');
        if (dvojtecka == std::string_view::npos)
            return std::nullopt;
        const auto prumer = cisla::CtiCele(radek.substr(0, dvojtecka));
        const auto spad = CistLimit(radek.substr(dvojtecka + 1));
        if (!prumer || *prumer <= 0 || !spad)
            return std::nullopt;
        tabulka.push_back({*prumer, *spad});
    }
    return tabulka;
}

std::string TextTabulkySpadu(const std::vector<TMinimalniSpad>& tabulka)
{
    std::string text;
    for (const TMinimalniSpad& radek : tabulka)
        text += (text.empty() ? "" : ";") + std::to_string(radek.Prumer) + ":" + TextLimitu(radek.Spad);
    return text;
}

} // namespace lineon
