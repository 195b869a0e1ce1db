#pragma once

#include <string>
#include <string_view>

namespace lineon {

/// The tag writer of a DXF file: every item is a group-code line and a value line. The text is
/// held in memory with "\n" line ends; the file layer writes it as code page 1250 with CR LF.
class DxfZapis {
public:
    /// Writes one line as it stands, except that a line break inside it becomes a blank.
    void DxfRadek(std::string_view text);

    /// An item whose code is right-aligned in three characters ("  0", " 10", "210"), as the
    /// header, the tables and the blocks have it.
    void Skupina(int kod, std::string_view hodnota);

    /// An item whose code stands without blanks ("0", "10"), as the extents, the entities and the
    /// end of the file have it.
    void HolaSkupina(int kod, std::string_view hodnota);

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

} // namespace lineon
