#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The one codec of the program: text is UTF-8 inside, files hold code page 1250.
namespace lineon::kodovani {

/// Converts UTF-8 text to code page 1250; throws Chyba naming the first character that has no code there.
std::string DoCp1250(std::string_view utf8);

/// Converts UTF-8 text to code page 1250 with every "\n" written as CR LF, into `cil`, which has
/// room for twice the text; returns the number of bytes written. Throws as `DoCp1250` does.
std::size_t DoCp1250SCrLf(std::string_view utf8, char* cil);

/// A byte of a file that code page 1250 leaves undefined.
struct NeplatnyBajt {
    std::size_t pozice; ///< offset of the byte in the converted text
    unsigned char bajt;
};

/// Converts code-page-1250 bytes to UTF-8, or names the first byte that has no character.
std::optional<NeplatnyBajt> ZCp1250(std::string_view bajty, std::string& utf8);

/// The first character of a UTF-8 text that cannot be written in code page 1250 (as UTF-8), if any.
/// Broken UTF-8 counts as such a character.
std::optional<std::string> PrvniNekodovatelnyZnak(std::string_view utf8);

/// Whether a text is well-formed UTF-8.
bool PlatneUtf8(std::string_view text);

/// Whether the start of a file reads as UTF-8: well formed, with at least one character of more
/// than one byte. When the file goes on after `zacatek`, a character cut at its end counts as whole.
bool VypadaJakoUtf8(std::string_view zacatek, bool pokracuje);

/// The length of the longest start of `utf8` that ends between two characters: a text cut at any
/// byte loses the part of a character at its end.
std::size_t DelkaCelychZnaku(std::string_view utf8);

/// Number of characters (code points) of a UTF-8 text.
std::size_t PocetZnaku(std::string_view utf8);

/// The first n characters of a UTF-8 text (texts of rows are cut to 12 characters).
std::string PrvnichZnaku(std::string_view utf8, std::size_t n);

/// The characters of a UTF-8 text from character `od` on.
std::string ZnakyOd(std::string_view utf8, std::size_t od);

} // namespace lineon::kodovani
