#pragma once

#include "zaklad/Zpravy.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What every fuzz target shares: the readers and writers work on lines in memory, so an input is
// read where it stands and a saved file is kept as its bytes; only the whole run writes files, in a
// directory of this process on a memory file system where there is one.
namespace lineon::fuzz {

/// The directory of this process (ending with "/"), created on first use and removed at exit.
const std::string& Adresar();

/// The input bytes as they are.
inline std::string_view Vstup(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

/// The bytes of a file as they stand.
std::string Obsah(const std::string& cesta);

/// Whether the bytes of a file the program wrote in code page 1250 read back as UTF-8: a text such
/// as "Ă©" has the bytes of "é" in UTF-8, and a file that starts so is taken for UTF-8 when read again.
bool CteSeJakoUtf8(std::string_view bajty);

/// Messages go nowhere; questions get the answers that let a command go on without saving.
class BezUzivatele : public IZpravy {
public:
    void Oznamit(DruhZpravy, const std::string&) override {}
    bool VarovaniOkStorno(const std::string&) override { return true; }
    Odpoved DotazAnoNeStorno(const std::string&) override { return Odpoved::Ne; }
    bool DotazAnoNe(const std::string&) override { return false; }
};

/// Stops the run with a report on standard error, so that libFuzzer and the corpus replay both
/// count the input as a failure.
[[noreturn]] void Selhani(const std::string& co);

} // namespace lineon::fuzz
