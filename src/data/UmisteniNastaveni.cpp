#include "data/UmisteniNastaveni.h"

#include "zaklad/Soubor.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace lineon {

std::string AdresarKonfigurace(const char* xdgConfigHome, const char* home)
{
    if (xdgConfigHome && *xdgConfigHome == '/')
        return std::string(xdgConfigHome) + "/lineon/";
    if (home && *home)
        return std::string(home) + "/.config/lineon/";
    return "";
}

bool LzeZapisovat(const std::string& adresar)
{
    return ::access(adresar.c_str(), W_OK | X_OK) == 0;
}

std::string SouborNastaveniBehu(const std::string& pracovniAdresar, const std::string& adresarProgramu,
                                bool zapisovatelnyProgram, const std::string& adresarKonfigurace)
{
    const std::string vPracovnim = pracovniAdresar + NazevSouboruNastaveni;
    if (soubor::Existuje(vPracovnim))
        return vPracovnim;
    const bool doKonfigurace = !zapisovatelnyProgram && !adresarKonfigurace.empty();
    return (doKonfigurace ? adresarKonfigurace : adresarProgramu) + NazevSouboruNastaveni;
}

void VytvoritAdresarNastaveni(const std::string& souborNastaveni)
{
    const std::string adresar = soubor::Adresar(souborNastaveni);
    std::error_code chyba;
    if (!adresar.empty())
        std::filesystem::create_directories(adresar, chyba);
}

std::string SouborDoplnkuBehu(const std::string& souborNastaveni)
{
    return soubor::Adresar(souborNastaveni) + NazevSouboruDoplnku;
}

} // namespace lineon
