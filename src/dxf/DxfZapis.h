#pragma once

#include "zaklad/Cisla.h"
#include "zaklad/RadkovyVystup.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace lineon {

/// The tag writer of a DXF file: every item is a group-code line and a value line (a line break
/// inside a value becomes a blank). Group codes, numbers and short ASCII values are made straight
/// into a batch of the writer's own, which goes to the output in one piece when it is nearly full,
/// before a value that goes the general way (a long one, one with characters beyond ASCII or a line
/// break) and at `Dokoncit`; the output gets the items in the order they were written.
class DxfZapis {
public:
    explicit DxfZapis(RadkovyVystup& vystup) : vystup_(vystup) {}
    DxfZapis(const DxfZapis&) = delete;
    DxfZapis& operator=(const DxfZapis&) = delete;

    void DxfRadek(std::string_view text);

    /// An item whose code is right-aligned in three characters ("  0", " 10", "210"), as the
    /// header, the tables and the blocks have it.
    void Skupina(int kod, std::string_view hodnota);

    /// An item whose code stands without blanks ("0", "10"), as the extents, the entities and the
    /// end of the file have it.
    void HolaSkupina(int kod, std::string_view hodnota);
    /// The same with a whole number, one in fixed point (as `cisla::CisloF`) and one in the
    /// scientific form of 23 characters (`cisla::CisloE23`).
    void HolaSkupina(int kod, int hodnota);
    void HolaSkupinaF(int kod, double hodnota, int sirka, int desetin);
    void HolaSkupinaE23(int kod, double hodnota);

    /// Ends the output; throws Chyba naming the file when that fails, leaving a previous file as
    /// it was.
    void Dokoncit();

private:
    /// A group code without blanks and its line end.
    void Kod(int kod);
    /// Room for `bajtu` more bytes in the batch.
    char* Misto(std::size_t bajtu);
    void KonecRadku(char* konec);
    void Odeslat();
    /// A number and its line end; `desetin` below zero stands for the scientific form.
    void Cislo(double hodnota, int sirka, int desetin);

    /// A number written a moment ago: the profile's lines share their ends and the site plan's
    /// texts their heights, so about every second number is copied rather than made again.
    struct TNedavneCislo {
        std::uint64_t Bity = 0;
        int Sirka = 0;
        int Desetin = 0;
        std::size_t Delka = 0; ///< 0 while the entry is empty
        char Text[32];
    };

    RadkovyVystup& vystup_;
    std::array<char, 8192> davka_;
    std::size_t vDavce_ = 0;
    std::array<TNedavneCislo, 4> nedavna_{};
    std::size_t dalsiNedavne_ = 0;
};

} // namespace lineon
