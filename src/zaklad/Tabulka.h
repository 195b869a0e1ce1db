#pragma once

#include "zaklad/Chyba.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

namespace lineon {

/// The most rows a table holds.
inline constexpr int KapacitaTabulky = 5000;

/// Rows by number 0..KapacitaTabulky, kept only as far as they have been used, so that fresh rows
/// cost next to nothing: a row never written reads as a fresh one. Growing leaves every row in
/// place, so a reference to a row stays good.
template <class Radek>
class RadkyTabulky {
public:
    Radek& operator[](std::size_t i)
    {
        Zajistit(i);
        return radky_[i];
    }
    const Radek& operator[](std::size_t i) const
    {
        if (i < radky_.size())
            return radky_[i];
        Overit(i);
        static const Radek novy{};
        return novy;
    }

    /// Rows 0..i exist; the ones added are fresh.
    void Zajistit(std::size_t i)
    {
        if (i >= radky_.size())
            radky_.resize(Overit(i) + 1);
    }

private:
    static std::size_t Overit(std::size_t i)
    {
        if (i > static_cast<std::size_t>(KapacitaTabulky))
            throw std::out_of_range("řádek " + std::to_string(i) + " je mimo tabulku");
        return i;
    }

    std::deque<Radek> radky_;
};

/// A row table of fixed capacity: rows are numbered from 1, index 0 holds no data.
/// Every path that adds a row stops at the capacity with a Czech message and changes nothing.
template <class Radek>
class Tabulka {
public:
    static constexpr int Kapacita = KapacitaTabulky;

    /// `nazev` names the table in messages, e.g. "Tabulka bodů".
    explicit Tabulka(std::string nazev) : nazev_(std::move(nazev)) {}

    int Pocet() const { return pocet_; }
    bool Plna() const { return pocet_ >= Kapacita; }

    /// Row i, 0..Kapacita; rows above the count are kept but belong to no reader.
    Radek& operator[](int i) { return radky_[static_cast<std::size_t>(i)]; }
    const Radek& operator[](int i) const { return radky_[static_cast<std::size_t>(i)]; }

    /// Throws the capacity message when one more row does not fit.
    void OveritMisto() const
    {
        if (Plna())
            throw Chyba(nazev_ + " může mít nejvýše " + std::to_string(Kapacita) + " řádků; další řádek nelze přidat.");
    }

    /// Sets the count (0..Kapacita); the rows keep their content.
    void NastavitPocet(int pocet)
    {
        if (pocet < 0 || pocet > Kapacita)
            throw Chyba(nazev_ + " může mít nejvýše " + std::to_string(Kapacita) + " řádků.");
        radky_.Zajistit(static_cast<std::size_t>(pocet));
        pocet_ = pocet;
    }

    /// Appends a row (starting as `novy`) and returns it.
    Radek& Pridat(Radek novy = Radek())
    {
        OveritMisto();
        Radek& radek = (*this)[pocet_ + 1];
        radek = std::move(novy);
        ++pocet_;
        return radek;
    }

    /// Opens a gap at row i (1..count+1): rows i..count move one place up, the count grows by one
    /// and row i becomes `novy`.
    void OtevritMezeru(int i, Radek novy = Radek())
    {
        OveritMisto();
        if (i < 1 || i > pocet_ + 1)
            throw Chyba(nazev_ + ": řádek " + std::to_string(i) + " neexistuje.");
        radky_.Zajistit(static_cast<std::size_t>(pocet_ + 1));
        for (int r = pocet_; r >= i; --r)
            radky_[static_cast<std::size_t>(r + 1)] = std::move(radky_[static_cast<std::size_t>(r)]);
        radky_[static_cast<std::size_t>(i)] = std::move(novy);
        ++pocet_;
    }

    /// Closes the gap at row i: rows i+1..count move one place down and the count falls by one.
    /// A row number outside 1..count changes nothing.
    void ZavritMezeru(int i)
    {
        if (i < 1 || i > pocet_)
            return;
        for (int r = i; r < pocet_; ++r)
            radky_[static_cast<std::size_t>(r)] = std::move(radky_[static_cast<std::size_t>(r + 1)]);
        --pocet_;
    }

    void Prohodit(int a, int b) { std::swap((*this)[a], (*this)[b]); }

private:
    std::string nazev_;
    RadkyTabulky<Radek> radky_; ///< rows 0..count at least
    int pocet_ = 0;
};

} // namespace lineon
