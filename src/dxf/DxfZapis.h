#pragma once

#include "zaklad/Cisla.h"
#include "zaklad/RadkovyVystup.h"

#include <string_view>

namespace lineon {

/// The tag writer of a DXF file: every item is a group-code line and a value line, each handed to
/// the output as one line (a line break inside a value becomes a blank there).
class DxfZapis {
public:
    explicit DxfZapis(RadkovyVystup& vystup) : vystup_(vystup) {}

    void DxfRadek(std::string_view text) { vystup_.Radek(text); }

    /// An item whose code is right-aligned in three characters ("  0", " 10", "210"), as the
    /// header, the tables and the blocks have it.
    void Skupina(int kod, std::string_view hodnota);

    /// An item whose code stands without blanks ("0", "10"), as the extents, the entities and the
    /// end of the file have it.
    void HolaSkupina(int kod, std::string_view hodnota);
    /// The same with a number, which is ASCII and goes as it is.
    void HolaSkupina(int kod, const cisla::TCislo& cislo);

    /// Ends the output; throws Chyba naming the file when that fails, leaving a previous file as
    /// it was.
    void Dokoncit() { vystup_.Dokoncit(); }

private:
    /// A group code without blanks.
    void Kod(int kod);

    RadkovyVystup& vystup_;
};

} // namespace lineon
