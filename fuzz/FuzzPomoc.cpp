#include "FuzzPomoc.h"

#include "zaklad/CteniRadku.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lineon::fuzz {

namespace {

std::string VytvoritAdresar()
{
    // fsync on every saved file costs nothing on a memory file system.
    const std::filesystem::path zaklad =
        std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string vzor = (zaklad / "lineon-fuzz-XXXXXX").string();
    if (!::mkdtemp(vzor.data()))
        Selhani("nelze vytvořit dočasný adresář v " + zaklad.string());
    static const std::string adresar = vzor + "/";
    std::atexit([] {
        std::error_code chyba;
        std::filesystem::remove_all(adresar, chyba);
    });
    return adresar;
}

} // namespace

const std::string& Adresar()
{
    static const std::string adresar = VytvoritAdresar();
    return adresar;
}

std::string Obsah(const std::string& cesta)
{
    std::ifstream soubor(cesta, std::ios::binary);
    return {std::istreambuf_iterator<char>(soubor), std::istreambuf_iterator<char>()};
}

bool CteSeJakoUtf8(std::string_view bajty)
{
    soubor::CteniRadku cteni(bajty, "");
    return cteni.Utf8();
}

void Selhani(const std::string& co)
{
    std::fprintf(stderr, "lineon fuzz: %s\n", co.c_str());
    std::abort();
}

} // namespace lineon::fuzz
