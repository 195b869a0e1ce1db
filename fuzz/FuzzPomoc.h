#pragma once

#include "zaklad/Zpravy.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What every fuzz target shares: the readers take file paths, so each input goes through a real
// file of the file layer, in a directory of this process on a memory file system where there is one.
namespace lineon::fuzz {

/// The directory of this process (ending with "/"), created on first use and removed at exit.
const std::string& Adresar();

/// Writes the input bytes as they are to the file `nazev` of that directory; returns its path.
std::string ZapsatVstup(const std::uint8_t* data, std::size_t size, const std::string& nazev);

/// The bytes of a file as they stand.
std::string Obsah(const std::string& cesta);

/// Whether a file the program wrote in code page 1250 reads back as UTF-8: a text such as "Ă©"
/// has the bytes of "é" in UTF-8, and a file that starts so is taken for UTF-8 when read again.
bool CteSeJakoUtf8(const std::string& cesta);

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
