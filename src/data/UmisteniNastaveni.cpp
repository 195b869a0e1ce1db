#include "data/UmisteniNastaveni.h"

#include "zaklad/Soubor.h"

namespace lineon {

std::string SouborNastaveniBehu(const std::string& pracovniAdresar, const std::string& adresarProgramu)
{
    const std::string vPracovnim = pracovniAdresar + NazevSouboruNastaveni;
    return soubor::Existuje(vPracovnim) ? vPracovnim : adresarProgramu + NazevSouboruNastaveni;
}

std::string SouborDoplnkuBehu(const std::string& souborNastaveni)
{
    return soubor::Adresar(souborNastaveni) + NazevSouboruDoplnku;
}

} // namespace lineon
