#include "zaklad/ZpravyNaVystup.h"

namespace lineon {

void ZpravyNaVystup::Oznamit(DruhZpravy druh, const std::string& text)
{
    switch (druh) {
    case DruhZpravy::Chyba: vystup_ << "error: "; break;
    case DruhZpravy::Varovani: vystup_ << "warning: "; break;
    case DruhZpravy::Informace: vystup_ << "information: "; break;
    }
    vystup_ << text << '\n';
}

bool ZpravyNaVystup::VarovaniOkStorno(const std::string& text)
{
    Oznamit(DruhZpravy::Varovani, text);
    return true;
}

Odpoved ZpravyNaVystup::DotazAnoNeStorno(const std::string& text)
{
    Oznamit(DruhZpravy::Varovani, text);
    return Odpoved::Ne;
}

bool ZpravyNaVystup::DotazAnoNe(const std::string& text)
{
    Oznamit(DruhZpravy::Varovani, text);
    return false;
}

} // namespace lineon
