#include "ui/ZpravyBezOken.h"

#include <iostream>

namespace lineon::ui {

void ZpravyBezOken::Oznamit(DruhZpravy druh, const std::string& text)
{
    const char* druhy[] = {"error", "warning", "information"};
    std::cerr << druhy[static_cast<int>(druh)] << ": " << text << '\n';
}

bool ZpravyBezOken::VarovaniOkStorno(const std::string& text)
{
    Oznamit(DruhZpravy::Varovani, text);
    return true;
}

Odpoved ZpravyBezOken::DotazAnoNeStorno(const std::string& text)
{
    Oznamit(DruhZpravy::Varovani, text);
    return Odpoved::Ne;
}

bool ZpravyBezOken::DotazAnoNe(const std::string& text)
{
    Oznamit(DruhZpravy::Varovani, text);
    return false;
}

} // namespace lineon::ui
