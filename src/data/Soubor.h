#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file layer: every file of the program is read and written here, as code page 1250 with
// CR LF line ends outside and UTF-8 text with "\n" inside.
namespace lineon::soubor {

/// Reads a whole text file into lines (CR LF or LF alone end a line; a last line without an end
/// counts too). Throws Chyba naming the file, and the line of a byte without a character.
std::vector<std::string> PrecistRadky(const std::string& cesta);

/// Reads a whole text file into lines as `PrecistRadky` does, except that a line holding a byte
/// without a character in code page 1250 gives no text (nullopt) instead of ending the reading.
std::vector<std::optional<std::string>> PrecistRadkyPoJednom(const std::string& cesta);

/// Reads a whole UTF-8 text file into lines, as `PrecistRadky` does (the batch program's options
/// file). Throws Chyba naming the file, and the line of broken UTF-8.
std::vector<std::string> PrecistRadkyUtf8(const std::string& cesta);

/// Writes text whose lines end with "\n" as code page 1250 with CR LF, as `ZapisTextu` does, in
/// one piece.
void ZapsatText(const std::string& cesta, std::string_view utf8);

/// A text file written piece by piece: text whose lines end with "\n" is converted to code page
/// 1250 with CR LF into one buffer, which goes out to a temporary file in the target's directory
/// whenever it holds a quarter of a megabyte; `Dokoncit` writes the rest and renames the temporary file
/// over the target. The temporary file is created with the first buffer that goes out, so a text
/// shorter than that is checked whole before any file is touched. A writer that ends without
/// `Dokoncit` (a failure, an exception of its caller) removes its temporary file, so the previous
/// file stays as it was. Throws Chyba naming the file.
class ZapisTextu {
public:
    explicit ZapisTextu(std::string cesta);
    ~ZapisTextu();
    ZapisTextu(const ZapisTextu&) = delete;
    ZapisTextu& operator=(const ZapisTextu&) = delete;

    void Pripsat(std::string_view utf8);
    /// One line and its line end; a CR or LF inside the line becomes a blank, so that the line
    /// stays one. The writers of millions of short lines use it.
    void PripsatRadek(std::string_view radek);
    void Dokoncit();

private:
    void Vyprazdnit();

    std::string cesta_;
    std::string docasny_; ///< the temporary file, once created
    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t vBufferu_ = 0;
    std::size_t zapsano_ = 0; ///< bytes of the file written so far
};

/// Whether a file (not a directory) of that name exists.
bool Existuje(const std::string& cesta);

/// The directory part of a path, ending with "/" ("" for a bare name).
std::string Adresar(const std::string& cesta);

/// A fault injected into the file layer by tests: opening fails, or writing fails once
/// `poBajtech` bytes of a file have been written.
struct Porucha {
    enum class Druh { Otevreni, Zapis } druh = Druh::Zapis;
    std::size_t poBajtech = 0;
};

/// Installs a fault for every following file operation of this thread until it goes out of scope.
class ZkusebniPorucha {
public:
    explicit ZkusebniPorucha(Porucha porucha);
    ~ZkusebniPorucha();
    ZkusebniPorucha(const ZkusebniPorucha&) = delete;
    ZkusebniPorucha& operator=(const ZkusebniPorucha&) = delete;
};

} // namespace lineon::soubor
