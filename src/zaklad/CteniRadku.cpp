#include "zaklad/CteniRadku.h"

#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace lineon::soubor {

namespace {

/// One read of the file, and the start of it in which the encoding is looked for.
constexpr std::size_t VelikostBufferu = 65536;

constexpr std::string_view ZnackaPoradiBajtu = "\xEF\xBB\xBF";

} // namespace

std::string TVadaRadku::Popis() const
{
    switch (Druh) {
    case Druh::Bajt: return "bajt " + Co + " nemá v kódové stránce 1250 žádný znak.";
    case Druh::Znak: return "znak „" + Co + "“ kódová stránka 1250 nemá.";
    case Druh::NeniUtf8: break;
    }
    return "text není v kódování UTF-8.";
}

CteniRadku::CteniRadku(std::string cesta, Kodovani kodovani)
    : nazev_(cesta), soubor_(std::in_place, std::move(cesta)), kodovani_(kodovani), buffer_(new char[VelikostBufferu])
{
    data_ = buffer_.get();
    while (konec_ < VelikostBufferu) {
        const std::size_t n = soubor_->Cist(buffer_.get() + konec_, VelikostBufferu - konec_);
        if (n == 0) {
            konecSouboru_ = true;
            break;
        }
        konec_ += n;
    }
    ZjistitKodovani();
}

CteniRadku::CteniRadku(std::string_view bajty, std::string nazev, Kodovani kodovani)
    : nazev_(std::move(nazev)), kodovani_(kodovani), data_(bajty.data()), konec_(bajty.size()), konecSouboru_(true)
{
    ZjistitKodovani();
}

void CteniRadku::ZjistitKodovani()
{
    // The start a file's first read holds; whether more follows, as that read would tell.
    const std::string_view zacatek(data_, std::min(konec_, VelikostBufferu));
    const bool dalsi = soubor_ ? !konecSouboru_ : konec_ >= VelikostBufferu;
    if (zacatek.starts_with(ZnackaPoradiBajtu)) {
        utf8_ = true;
        zacatek_ = ZnackaPoradiBajtu.size();
    } else {
        utf8_ = kodovani_ == Kodovani::Utf8 || kodovani::VypadaJakoUtf8(zacatek, dalsi);
    }
}

CteniRadku::~CteniRadku() = default;

bool CteniRadku::Doplnit()
{
    if (konecSouboru_)
        return false;
    zacatek_ = 0;
    konec_ = soubor_->Cist(buffer_.get(), VelikostBufferu);
    konecSouboru_ = konec_ == 0;
    return !konecSouboru_;
}

bool CteniRadku::DalsiBajty(bool ponechat)
{
    bajty_.clear();
    zkracen_ = false;
    if (zacatek_ == konec_ && !Doplnit())
        return false;
    // One byte more than a line may have, for the CR before its LF.
    constexpr std::size_t Misto = NejdelsiRadek + 1;
    for (;;) {
        const char* const z = data_ + zacatek_;
        const auto* const lf = static_cast<const char*>(std::memchr(z, '\n', konec_ - zacatek_));
        const std::size_t n = lf ? static_cast<std::size_t>(lf - z) : konec_ - zacatek_;
        if (ponechat) {
            const std::size_t vejde = std::min(n, Misto - bajty_.size());
            bajty_.append(z, vejde);
            zkracen_ = zkracen_ || vejde < n;
        }
        zacatek_ += n;
        if (lf) {
            ++zacatek_;
            break;
        }
        if (!Doplnit())
            break;
    }
    if (!zkracen_ && !bajty_.empty() && bajty_.back() == '\r')
        bajty_.pop_back();
    if (bajty_.size() > NejdelsiRadek) {
        zkracen_ = true;
        bajty_.resize(NejdelsiRadek);
    }
    ++pocet_;
    return true;
}

bool CteniRadku::Dalsi(TRadekSouboru& radek)
{
    if (!DalsiBajty(true))
        return false;
    radek.Cislo = pocet_;
    radek.Zkracen = zkracen_;
    radek.Vada.reset();
    radek.Text.clear();
    if (!utf8_) {
        if (const auto chyba = kodovani::ZCp1250(bajty_, radek.Text)) {
            char bajt[8];
            std::snprintf(bajt, sizeof bajt, "0x%02X", chyba->bajt);
            radek.Vada = TVadaRadku{TVadaRadku::Druh::Bajt, bajt};
            radek.Text.clear();
        }
        return true;
    }
    // A line cut short loses the part of a character at its end.
    const std::string_view bajty = zkracen_ ? std::string_view(bajty_).substr(0, kodovani::DelkaCelychZnaku(bajty_))
                                            : std::string_view(bajty_);
    if (!kodovani::PlatneUtf8(bajty))
        radek.Vada = TVadaRadku{TVadaRadku::Druh::NeniUtf8, ""};
    else if (const auto znak = kodovani_ == Kodovani::Zjistit ? kodovani::PrvniNekodovatelnyZnak(bajty) : std::nullopt)
        radek.Vada = TVadaRadku{TVadaRadku::Druh::Znak, *znak};
    else
        radek.Text = bajty;
    return true;
}

void CteniRadku::PreskocitZbytek()
{
    while (DalsiBajty(false)) {
    }
}

std::string ZpravaOUtf8(const std::string& cesta)
{
    return "Soubor „" + cesta + "“ je v kódování UTF-8; uloží se ve Windows-1250.";
}

std::string ChybaRadku(const std::string& cesta, std::size_t cislo, const std::string& co)
{
    return "Soubor „" + cesta + "“, řádek " + std::to_string(cislo) + ": " + co;
}

std::string PopisDlouhehoRadku()
{
    static_assert(NejdelsiRadek == 65536);
    return "řádek je delší než 65 536 bajtů";
}

std::vector<std::string> PrecistRadky(const std::string& cesta)
{
    std::vector<std::string> radky;
    CteniRadku cteni(cesta);
    TRadekSouboru radek;
    while (cteni.Dalsi(radek)) {
        if (radek.Vada)
            throw Chyba(ChybaRadku(cesta, radek.Cislo, radek.Vada->Popis()));
        if (radek.Zkracen)
            throw Chyba(ChybaRadku(cesta, radek.Cislo, PopisDlouhehoRadku() + "."));
        radky.push_back(std::move(radek.Text));
    }
    return radky;
}

} // namespace lineon::soubor
