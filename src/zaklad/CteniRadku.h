#pragma once

#include "zaklad/Soubor.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text files read line by line: whatever the size of a file, a reader holds one buffer of it and
// one line.
namespace lineon::soubor {

/// The longest line a reader keeps; the rest of a longer line is read past. No format of the
/// program has a use for lines this long.
inline constexpr std::size_t NejdelsiRadek = 65536;

/// Why a line gives no text.
struct TVadaRadku {
    enum class Druh {
        Bajt,    ///< a byte that names no character in code page 1250
        Znak,    ///< a character of a UTF-8 file that code page 1250 lacks (the file is written back in it)
        NeniUtf8 ///< broken UTF-8 in a UTF-8 file
    } Druh;
    std::string Co; ///< the byte ("0x98") or the character ("日")

    /// "bajt 0x98 nemá v kódové stránce 1250 žádný znak.", "znak „日“ kódová stránka 1250 nemá.",
    /// "text není v kódování UTF-8."
    std::string Popis() const;
};

/// One line of a text file, as UTF-8 without its line end.
struct TRadekSouboru {
    std::size_t Cislo = 0; ///< from 1
    std::string Text;      ///< empty when `Vada` is set
    std::optional<TVadaRadku> Vada;
    bool Zkracen = false; ///< longer than `NejdelsiRadek` bytes: `Text` holds its start
};

/// Reads a file line by line (CR LF or LF alone end a line; a last line without an end counts
/// too). A file that starts with the UTF-8 byte order mark, or whose first 64 KB are well-formed
/// UTF-8 with characters of more than one byte, is read as UTF-8 (`Utf8`): the program writes its
/// files in code page 1250, so a character that page lacks is the line's `Vada`. Every other file
/// is read as code page 1250. Throws Chyba naming the file when it cannot be opened or read.
class CteniRadku {
public:
    enum class Kodovani {
        Zjistit, ///< as found at the start of the file
        Utf8     ///< always UTF-8, any character (the batch program's options file)
    };

    explicit CteniRadku(std::string cesta, Kodovani kodovani = Kodovani::Zjistit);
    /// The lines of bytes in memory, as a file of the name `nazev` with those bytes would give
    /// them; the bytes must outlive the reader.
    CteniRadku(std::string_view bajty, std::string nazev, Kodovani kodovani = Kodovani::Zjistit);
    ~CteniRadku();
    CteniRadku(const CteniRadku&) = delete;
    CteniRadku& operator=(const CteniRadku&) = delete;

    /// The next line; false at the end of the file.
    bool Dalsi(TRadekSouboru& radek);

    /// Reads past the rest of the file, only counting its lines.
    void PreskocitZbytek();

    /// The lines read or read past so far; after the end, the file's number of lines.
    std::size_t PocetRadku() const { return pocet_; }
    bool Utf8() const { return utf8_; }
    /// The path of the file, or the name of the bytes in memory.
    const std::string& Cesta() const { return nazev_; }

private:
    void ZjistitKodovani();
    bool Doplnit();
    /// The bytes of the next line into `bajty_`; false at the end of the file.
    bool DalsiBajty(bool ponechat);

    std::string nazev_;
    std::optional<VstupniSoubor> soubor_; ///< none for bytes in memory
    Kodovani kodovani_;
    std::unique_ptr<char[]> buffer_;
    const char* data_ = nullptr; ///< the buffer, or the bytes in memory
    std::size_t zacatek_ = 0; ///< the unread bytes of the buffer
    std::size_t konec_ = 0;
    bool konecSouboru_ = false;
    bool utf8_ = false;
    std::string bajty_;
    bool zkracen_ = false;
    std::size_t pocet_ = 0;
};

/// The information on a file read as UTF-8: "Soubor „…“ je v kódování UTF-8; uloží se ve
/// Windows-1250."
std::string ZpravaOUtf8(const std::string& cesta);

/// "Soubor „…“, řádek N: " followed by what is wrong with the line.
std::string ChybaRadku(const std::string& cesta, std::size_t cislo, const std::string& co);

/// "řádek je delší než 65 536 bajtů", without a full stop.
std::string PopisDlouhehoRadku();

/// Reads a whole text file into lines as `CteniRadku` gives them. Throws Chyba naming the file
/// and the line of a `Vada` or of a line longer than `NejdelsiRadek`.
std::vector<std::string> PrecistRadky(const std::string& cesta);

} // namespace lineon::soubor
