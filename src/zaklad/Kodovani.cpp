#include "zaklad/Kodovani.h"

#include "zaklad/Chyba.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace lineon::kodovani {

namespace {

// Unicode of the bytes 0x80..0xFF; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<std::uint16_t, 128> HorniPolovina = {
    0x20AC, 0, 0x201A, 0, 0x201E, 0x2026, 0x2020, 0x2021,
    0, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::optional<unsigned char> BajtZnaku(char32_t znak)
{
    if (znak < 0x80)
        return static_cast<unsigned char>(znak);
    for (std::size_t i = 0; i < HorniPolovina.size(); ++i)
        if (HorniPolovina[i] != 0 && HorniPolovina[i] == znak)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void PridatUtf8(std::string& cil, char32_t znak)
{
    if (znak < 0x80) {
        cil += static_cast<char>(znak);
    } else if (znak < 0x800) {
        cil += static_cast<char>(0xC0 | (znak >> 6));
        cil += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        cil += static_cast<char>(0xE0 | (znak >> 12));
        cil += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        cil += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

// Decodes one UTF-8 character at `i`; its length goes to `delka`. Broken sequences give nullopt
// with a length of 1, so that a caller can step over them.
std::optional<char32_t> DalsiZnak(std::string_view s, std::size_t i, std::size_t& delka)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    delka = 1;
    if (b0 < 0x80)
        return b0;
    std::size_t n;
    char32_t znak;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        znak = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        znak = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        znak = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + n > s.size())
        return std::nullopt;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        znak = (znak << 6) | (b & 0x3F);
    }
    static constexpr char32_t Nejmensi[] = {0, 0, 0x80, 0x800, 0x10000};
    if (znak < Nejmensi[n] || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF))
        return std::nullopt;
    delka = n;
    return znak;
}

std::string PopisZnaku(std::string_view utf8, std::size_t i, std::size_t delka, bool platny, char32_t znak)
{
    char kod[32];
    if (platny)
        std::snprintf(kod, sizeof kod, "U+%04X", static_cast<unsigned>(znak));
    else
        std::snprintf(kod, sizeof kod, "bajt 0x%02X", static_cast<unsigned>(static_cast<unsigned char>(utf8[i])));
    return platny ? "„" + std::string(utf8.substr(i, delka)) + "“ (" + kod + ")" : std::string(kod);
}

} // namespace

namespace {

/// The length of the start of `text` that is ASCII (the same bytes in code page 1250 and UTF-8),
/// looked at eight bytes at a time.
std::size_t DelkaAscii(std::string_view text)
{
    constexpr std::uint64_t Horni = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        if ((w & Horni) != 0)
            break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    return i;
}

/// The conversion to code page 1250 into room for twice the text, with "\n" as it stands or as
/// CR LF; returns the end of the bytes written.
template <bool CrLf>
char* Prevest(std::string_view utf8, char* cil)
{
    const char* const text = utf8.data();
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n;) {
        // Runs of ASCII, most of every file, are the same bytes in both encodings.
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (CrLf && c == '\n')
                *cil++ = '\r';
            *cil++ = static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t delka;
        const auto znak = DalsiZnak(utf8, i, delka);
        const auto bajt = znak ? BajtZnaku(*znak) : std::nullopt;
        if (!bajt)
            throw Chyba("Znak " + PopisZnaku(utf8, i, delka, znak.has_value(), znak.value_or(0))
                        + " nelze zapsat v kódové stránce 1250.");
        *cil++ = static_cast<char>(*bajt);
        i += delka;
    }
    return cil;
}

} // namespace

std::string DoCp1250(std::string_view utf8)
{
    std::string vysledek(utf8.size(), '\0');
    vysledek.resize(static_cast<std::size_t>(Prevest<false>(utf8, vysledek.data()) - vysledek.data()));
    return vysledek;
}

std::size_t DoCp1250SCrLf(std::string_view utf8, char* cil)
{
    return static_cast<std::size_t>(Prevest<true>(utf8, cil) - cil);
}

std::optional<NeplatnyBajt> ZCp1250(std::string_view bajty, std::string& utf8)
{
    utf8.clear();
    utf8.reserve(bajty.size() + bajty.size() / 4);
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        // A run of ASCII goes over as it stands.
        const std::size_t ascii = DelkaAscii(bajty.substr(i));
        utf8.append(bajty.data() + i, ascii);
        i += ascii;
        if (i == bajty.size())
            break;
        const auto b = static_cast<unsigned char>(bajty[i]);
        const char32_t znak = HorniPolovina[b - 0x80];
        if (znak == 0)
            return NeplatnyBajt{i, b};
        PridatUtf8(utf8, znak);
    }
    return std::nullopt;
}

std::optional<std::string> PrvniNekodovatelnyZnak(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t delka;
        const auto znak = DalsiZnak(utf8, i, delka);
        if (!znak || !BajtZnaku(*znak))
            return std::string(utf8.substr(i, delka));
        i += delka;
    }
    return std::nullopt;
}

bool PlatneUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        std::size_t delka;
        if (!DalsiZnak(text, i, delka))
            return false;
        i += delka;
    }
    return true;
}

namespace {

/// The bytes of a UTF-8 sequence that starts with `b0` (1 for a byte that starts none).
std::size_t DelkaSekvence(unsigned char b0)
{
    if ((b0 & 0xE0) == 0xC0)
        return 2;
    if ((b0 & 0xF0) == 0xE0)
        return 3;
    if ((b0 & 0xF8) == 0xF0)
        return 4;
    return 1;
}

bool JePokracovaci(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t DelkaCelychZnaku(std::string_view utf8)
{
    const std::size_t n = utf8.size();
    for (std::size_t p = n; p > 0 && p + 4 > n; --p)
        if (!JePokracovaci(utf8[p - 1]))
            return p - 1 + DelkaSekvence(static_cast<unsigned char>(utf8[p - 1])) > n ? p - 1 : n;
    return n;
}

bool VypadaJakoUtf8(std::string_view zacatek, bool pokracuje)
{
    const std::string_view cele = pokracuje ? zacatek.substr(0, DelkaCelychZnaku(zacatek)) : zacatek;
    const bool vicebajtovy = DelkaAscii(cele) < cele.size();
    return vicebajtovy && PlatneUtf8(cele);
}

std::size_t PocetZnaku(std::string_view utf8)
{
    std::size_t pocet = 0;
    for (std::size_t i = 0; i < utf8.size(); ++pocet) {
        std::size_t delka;
        DalsiZnak(utf8, i, delka);
        i += delka;
    }
    return pocet;
}

namespace {
std::size_t BajtZnakuCislo(std::string_view utf8, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t pocet = 0; i < utf8.size() && pocet < n; ++pocet) {
        std::size_t delka;
        DalsiZnak(utf8, i, delka);
        i += delka;
    }
    return i;
}
} // namespace

std::string PrvnichZnaku(std::string_view utf8, std::size_t n)
{
    return std::string(utf8.substr(0, BajtZnakuCislo(utf8, n)));
}

std::string ZnakyOd(std::string_view utf8, std::size_t od)
{
    return std::string(utf8.substr(BajtZnakuCislo(utf8, od)));
}

} // namespace lineon::kodovani
