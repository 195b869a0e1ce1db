#pragma once

#include <string>
#include <string_view>

namespace lineon {

/// Where a writer of a text file puts its lines: a file of the file layer (`soubor::ZapisTextu`)
/// or memory (`soubor::PametovyVystup`). Both give the bytes of the file: code page 1250 with
/// CR LF line ends.
class RadkovyVystup {
public:
    virtual ~RadkovyVystup() = default;

    /// One line and its line end; a CR or LF inside the line becomes a blank, so that the line
    /// stays one.
    virtual void Radek(std::string_view radek) = 0;

    /// Lines of ASCII each ended by CR LF (a DXF writer's group codes and numbers), which go as
    /// they are.
    virtual void RadkyAscii(std::string_view radky) = 0;

    /// Text whose lines end with "\n", as it stands.
    virtual void Text(std::string_view utf8) = 0;

    /// Ends the output (a file is put in place of a previous one); a second call does nothing.
    /// Throws Chyba naming the output when that fails.
    virtual void Dokoncit() = 0;

    /// The name the messages give: the path of the file.
    virtual const std::string& Nazev() const = 0;
};

} // namespace lineon
