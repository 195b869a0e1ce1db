#include "TestPomoc.h"

#include "cli/Cli.h"
#include "zaklad/Chyba.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lineon::test {

DocasnyAdresar::DocasnyAdresar()
{
    std::string vzor = (std::filesystem::temp_directory_path() / "lineon-test-XXXXXX").string();
    if (!::mkdtemp(vzor.data()))
        throw std::runtime_error("mkdtemp failed");
    cesta_ = vzor + "/";
}

DocasnyAdresar::~DocasnyAdresar()
{
    std::error_code chyba;
    std::filesystem::permissions(cesta_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, chyba);
    std::filesystem::remove_all(cesta_, chyba);
}

std::string VystupniAdresar(const std::string& nazev)
{
    const std::string cesta = std::string(LINEON_TEST_OUTPUT_DIR) + "/" + nazev + "/";
    std::filesystem::create_directories(cesta);
    return cesta;
}

void OcekavatEntity(const std::string& cestaDxf, const std::map<std::string, int>& pocty)
{
    std::ofstream soubor(cestaDxf + ".expect.json");
    soubor << "{";
    const char* oddelovac = "";
    for (const auto& [klic, pocet] : pocty) {
        soubor << oddelovac << "\"" << klic << "\": " << pocet;
        oddelovac = ", ";
    }
    soubor << "}\n";
    if (!soubor)
        throw std::runtime_error("cannot write " + cestaDxf + ".expect.json");
}

std::string ZdrojovyAdresar()
{
    return std::string(LINEON_SOURCE_DIR) + "/";
}

std::string PrecistBajty(const std::string& cesta)
{
    std::ifstream soubor(cesta, std::ios::binary);
    if (!soubor)
        throw std::runtime_error("cannot read " + cesta);
    std::ostringstream obsah;
    obsah << soubor.rdbuf();
    return obsah.str();
}

void Otevrit(TStav& stav, const std::string& cesta, FormatProjektu format)
{
    ZaznamZprav zpravy;
    const bool otevren = OtevritProjekt(stav, cesta, format, zpravy);
    if (!zpravy.zpravy.empty())
        throw std::runtime_error("unexpected message opening " + cesta + ": " + zpravy.zpravy.front().text);
    if (!otevren)
        throw std::runtime_error(cesta + " yielded nothing");
}

TSeznamSouradnic SeznamZRadku(const std::vector<std::string>& radky, TypZamereni typ)
{
    SestaveniSeznamu sestaveni(typ);
    for (std::size_t i = 0; i < radky.size() && sestaveni.Radek(radky[i], i + 1); ++i) {
    }
    return sestaveni.VzitSeznam();
}

std::string TextChyby(const std::function<void()>& akce)
{
    try {
        akce();
    } catch (const Chyba& chyba) {
        return chyba.what();
    }
    return "(žádná chyba)";
}

void ZapsatBajty(const std::string& cesta, const std::string& bajty)
{
    std::ofstream soubor(cesta, std::ios::binary);
    soubor << bajty;
    if (!soubor)
        throw std::runtime_error("cannot write " + cesta);
}

void ZaznamZprav::Oznamit(DruhZpravy druh, const std::string& text)
{
    zpravy.push_back({druh, text});
}

bool ZaznamZprav::VarovaniOkStorno(const std::string& text)
{
    otazky.push_back(text);
    if (odpovediOkStorno.empty())
        return true;
    const bool odpoved = odpovediOkStorno.front();
    odpovediOkStorno.pop_front();
    return odpoved;
}

Odpoved ZaznamZprav::DotazAnoNeStorno(const std::string& text)
{
    otazky.push_back(text);
    if (odpovediAnoNeStorno.empty())
        return Odpoved::Ano;
    const Odpoved odpoved = odpovediAnoNeStorno.front();
    odpovediAnoNeStorno.pop_front();
    return odpoved;
}

bool ZaznamZprav::DotazAnoNe(const std::string& text)
{
    otazky.push_back(text);
    if (odpovediAnoNe.empty())
        return true;
    const bool odpoved = odpovediAnoNe.front();
    odpovediAnoNe.pop_front();
    return odpoved;
}

VysledekCli SpustitCli(const std::vector<std::string>& argumenty, const soubor::Disk& disk)
{
    std::ostringstream vystup;
    std::ostringstream chyby;
    const int status = cli::Spustit(argumenty, vystup, chyby, disk);
    return {status, vystup.str(), chyby.str()};
}

int PorouchanyDisk::ChybaVytvoreni() const
{
    return druh_ == Druh::Vytvoreni ? EACCES : 0;
}

std::size_t PorouchanyDisk::Misto(std::size_t zapsano, std::size_t n) const
{
    if (druh_ != Druh::Zapis)
        return n;
    return poBajtech_ > zapsano ? std::min(n, poBajtech_ - zapsano) : 0;
}

} // namespace lineon::test
