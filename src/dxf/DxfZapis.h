#pragma once

#include "zaklad/Soubor.h"

#include <memory>
#include <string>
#include <string_view>

namespace lineon {

/// The tag writer of a DXF file: every item is a group-code line and a value line. A writer given
/// a file hands every line to the file layer, which writes it as code page 1250 with CR LF; a
/// writer without one keeps the text with "\n" line ends.
class DxfZapis {
public:
    DxfZapis() = default;
    explicit DxfZapis(const std::string& cesta);

    /// Writes one line as it stands, except that a line break inside it becomes a blank.
    void DxfRadek(std::string_view text);

    /// An item whose code is right-aligned in three characters ("  0", " 10", "210"), as the
    /// header, the tables and the blocks have it.
    void Skupina(int kod, std::string_view hodnota);

    /// An item whose code stands without blanks ("0", "10"), as the extents, the entities and the
    /// end of the file have it.
    void HolaSkupina(int kod, std::string_view hodnota);

    /// The text of a writer without a file.
    const std::string& Text() const { return text_; }

    /// Writes the rest of the text and puts the file in place of a previous one; throws Chyba
    /// naming the file when that fails, leaving the previous file as it was.
    void Dokoncit();

private:
    std::string text_;
    std::unique_ptr<soubor::ZapisTextu> soubor_;
};

} // namespace lineon
