#include "dxf/DxfZapis.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>

namespace lineon {

namespace {

/// Values up to this length go into the batch when they are plain ASCII.
constexpr std::size_t KratkaHodnota = 256;

constexpr std::size_t KonecRadkuBajtu = 2;
constexpr std::size_t NejdelsiKod = 11; ///< an int with its sign

} // namespace

void DxfZapis::DxfRadek(std::string_view text)
{
    if (text.size() <= KratkaHodnota) {
        // Copied as it is checked; a character beyond ASCII or a line break sends it the general way.
        char* z = Misto(text.size() + KonecRadkuBajtu);
        bool ascii = true;
        for (const char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80 || c == '\r' || c == '\n') {
                ascii = false;
                break;
            }
            *z++ = c;
        }
        if (ascii) {
            KonecRadku(z);
            return;
        }
    }
    Odeslat();
    vystup_.Radek(text);
}

void DxfZapis::Skupina(int kod, std::string_view hodnota)
{
    char* const z = Misto(NejdelsiKod + KonecRadkuBajtu);
    std::memset(z, ' ', 3);
    char cislice[NejdelsiKod];
    const auto konec = std::to_chars(cislice, cislice + sizeof cislice, kod).ptr;
    const auto delka = static_cast<std::size_t>(konec - cislice);
    const std::size_t mezer = delka < 3 ? 3 - delka : 0;
    std::memcpy(z + mezer, cislice, delka);
    KonecRadku(z + mezer + delka);
    DxfRadek(hodnota);
}

void DxfZapis::HolaSkupina(int kod, std::string_view hodnota)
{
    Kod(kod);
    DxfRadek(hodnota);
}

void DxfZapis::HolaSkupina(int kod, int hodnota)
{
    Kod(kod);
    char* const z = Misto(NejdelsiKod + KonecRadkuBajtu);
    KonecRadku(std::to_chars(z, z + NejdelsiKod, hodnota).ptr);
}

void DxfZapis::HolaSkupinaF(int kod, double hodnota, int sirka, int desetin)
{
    Kod(kod);
    Cislo(hodnota, sirka, std::max(desetin, 0));
}

void DxfZapis::HolaSkupinaE23(int kod, double hodnota)
{
    Kod(kod);
    Cislo(hodnota, 0, -1);
}

void DxfZapis::Cislo(double hodnota, int sirka, int desetin)
{
    char* const z = Misto(cisla::NejvicZnakuCisla + KonecRadkuBajtu);
    const auto bity = std::bit_cast<std::uint64_t>(hodnota);
    for (const TNedavneCislo& nedavne : nedavna_)
        if (nedavne.Bity == bity && nedavne.Sirka == sirka && nedavne.Desetin == desetin && nedavne.Delka > 0) {
            std::memcpy(z, nedavne.Text, sizeof nedavne.Text);
            KonecRadku(z + nedavne.Delka);
            return;
        }
    char* const konec = desetin < 0 ? cisla::ZapsatE23(z, hodnota) : cisla::ZapsatF(z, hodnota, sirka, desetin);
    const auto delka = static_cast<std::size_t>(konec - z);
    if (delka <= sizeof(TNedavneCislo::Text)) {
        TNedavneCislo& nove = nedavna_[dalsiNedavne_++ % nedavna_.size()];
        nove.Bity = bity;
        nove.Sirka = sirka;
        nove.Desetin = desetin;
        nove.Delka = delka;
        std::memcpy(nove.Text, z, sizeof nove.Text);
    }
    KonecRadku(konec);
}

void DxfZapis::Dokoncit()
{
    Odeslat();
    vystup_.Dokoncit();
}

void DxfZapis::Kod(int kod)
{
    char* const z = Misto(NejdelsiKod + KonecRadkuBajtu);
    // Most codes of an entity have one or two digits.
    if (kod >= 0 && kod < 10) {
        z[0] = static_cast<char>('0' + kod);
        KonecRadku(z + 1);
    } else if (kod >= 10 && kod < 100) {
        z[0] = static_cast<char>('0' + kod / 10);
        z[1] = static_cast<char>('0' + kod % 10);
        KonecRadku(z + 2);
    } else {
        KonecRadku(std::to_chars(z, z + NejdelsiKod, kod).ptr);
    }
}

char* DxfZapis::Misto(std::size_t bajtu)
{
    if (vDavce_ + bajtu > davka_.size())
        Odeslat();
    return davka_.data() + vDavce_;
}

void DxfZapis::KonecRadku(char* konec)
{
    konec[0] = '\r';
    konec[1] = '\n';
    vDavce_ = static_cast<std::size_t>(konec + KonecRadkuBajtu - davka_.data());
}

void DxfZapis::Odeslat()
{
    if (vDavce_ == 0)
        return;
    vystup_.RadkyAscii(std::string_view(davka_.data(), vDavce_));
    vDavce_ = 0;
}

} // namespace lineon
