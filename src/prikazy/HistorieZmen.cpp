#include "prikazy/HistorieZmen.h"

#include <utility>

namespace lineon {

namespace {

// Rows past the count belong to no reader, so they do not make a step.
template <class Radek>
bool StejneRadky(const Tabulka<Radek>& a, const Tabulka<Radek>& b)
{
    if (a.Pocet() != b.Pocet())
        return false;
    for (int i = 1; i <= a.Pocet(); ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}

} // namespace

HistorieZmen::TObraz HistorieZmen::Obraz(const TStav& stav)
{
    return {stav.Projekt.Body, stav.Projekt.Pripojky, stav.Projekt.Zmeneno, stav.Projekt.SouborProjektu,
            stav.Nastaveni.AdresarProjektu};
}

void HistorieZmen::Zacit(const TStav& stav)
{
    zacatek_ = Obraz(stav);
}

void HistorieZmen::Dokoncit(const TStav& stav, const std::string& nazev, ZmenaRadku zmena)
{
    if (!zacatek_)
        return;
    TObraz obraz = std::move(*zacatek_);
    zacatek_.reset();
    const TProjekt& projekt = stav.Projekt;
    if (StejneRadky(*obraz.Body, projekt.Body))
        obraz.Body.reset();
    if (StejneRadky(*obraz.Pripojky, projekt.Pripojky))
        obraz.Pripojky.reset();
    const bool jinySoubor = zmena == ZmenaRadku::Projekt && obraz.SouborProjektu != projekt.SouborProjektu;
    if (!obraz.Body && !obraz.Pripojky && !jinySoubor)
        return;
    kroky_.erase(kroky_.begin() + static_cast<std::ptrdiff_t>(pozice_), kroky_.end());
    kroky_.push_back({nazev, zmena, std::move(obraz)});
    pozice_ = kroky_.size();
}

std::optional<std::string> HistorieZmen::NazevZpet() const
{
    return pozice_ > 0 ? std::optional(kroky_[pozice_ - 1].Nazev) : std::nullopt;
}

std::optional<std::string> HistorieZmen::NazevZnovu() const
{
    return pozice_ < kroky_.size() ? std::optional(kroky_[pozice_].Nazev) : std::nullopt;
}

std::optional<ZmenaRadku> HistorieZmen::Zpet(TStav& stav)
{
    if (pozice_ == 0)
        return std::nullopt;
    --pozice_;
    return Vymenit(stav, kroky_[pozice_]);
}

std::optional<ZmenaRadku> HistorieZmen::Znovu(TStav& stav)
{
    if (pozice_ == kroky_.size())
        return std::nullopt;
    ++pozice_;
    return Vymenit(stav, kroky_[pozice_ - 1]);
}

ZmenaRadku HistorieZmen::Vymenit(TStav& stav, TKrok& krok)
{
    TObraz& obraz = krok.Obraz;
    TProjekt& projekt = stav.Projekt;
    if (obraz.Body)
        std::swap(*obraz.Body, projekt.Body);
    if (obraz.Pripojky)
        std::swap(*obraz.Pripojky, projekt.Pripojky);
    std::swap(obraz.Zmeneno, projekt.Zmeneno);
    if (krok.Zmena == ZmenaRadku::Projekt) {
        std::swap(obraz.SouborProjektu, projekt.SouborProjektu);
        std::swap(obraz.AdresarProjektu, stav.Nastaveni.AdresarProjektu);
    }
    return krok.Zmena;
}

void HistorieZmen::Ulozeno(const TStav& stav)
{
    if (zacatek_)
        zacatek_ = Obraz(stav);
    // A done step keeps the state before it, an undone one the state after it; a project step
    // stands between this project and another.
    for (std::size_t k = pozice_; k-- > 0 && kroky_[k].Zmena != ZmenaRadku::Projekt;)
        kroky_[k].Obraz.Zmeneno = true;
    for (std::size_t k = pozice_; k < kroky_.size() && kroky_[k].Zmena != ZmenaRadku::Projekt; ++k)
        kroky_[k].Obraz.Zmeneno = true;
}

} // namespace lineon
