// Replays the inputs of corpus directories (or single files) through a fuzz target, for builds
// without libFuzzer: every input that once failed stays a test.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> Vstupy(const std::filesystem::path& cesta)
{
    std::vector<std::filesystem::path> vstupy;
    if (std::filesystem::is_directory(cesta)) {
        for (const auto& polozka : std::filesystem::directory_iterator(cesta))
            if (polozka.is_regular_file())
                vstupy.push_back(polozka.path());
        std::sort(vstupy.begin(), vstupy.end());
    } else if (std::filesystem::is_regular_file(cesta)) {
        vstupy.push_back(cesta);
    }
    return vstupy;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t pocet = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& vstup : Vstupy(argv[i])) {
            std::ifstream soubor(vstup, std::ios::binary);
            const std::vector<char> bajty{std::istreambuf_iterator<char>(soubor), std::istreambuf_iterator<char>()};
            std::fprintf(stderr, "%s\n", vstup.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bajty.data()), bajty.size());
            ++pocet;
        }
    }
    std::printf("%zu inputs replayed\n", pocet);
    return pocet > 0 ? 0 : 1;
}
