#pragma once

#include "zaklad/Chyba.h"

#include <string>
#include <utility>
#include <vector>

namespace lineon {

/// A row table of fixed capacity: rows are numbered from 1, index 0 holds no data.
/// Every path that adds a row stops at the capacity with a Czech message and changes nothing.
template <class Radek>
class Tabulka {
public:
    static constexpr int Kapacita = 5000;

    /// `nazev` names the table in messages, e.g. "Tabulka bodů".
    explicit Tabulka(std::string nazev) : nazev_(std::move(nazev)), radky_(Kapacita + 1) {}

    int Pocet() const { return pocet_; }
    bool Plna() const { return pocet_ >= Kapacita; }

    /// Row i, 0..Kapacita; rows above the count are kept but belong to no reader.
    Radek& operator[](int i) { return radky_.at(static_cast<std::size_t>(i)); }
    const Radek& operator[](int i) const { return radky_.at(static_cast<std::size_t>(i)); }

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
        pocet_ = pocet;
    }

    /// Appends a row (starting as `novy`) and returns it.
    Radek& Pridat(Radek novy = Radek())
    {
        OveritMisto();
        radky_[static_cast<std::size_t>(++pocet_)] = std::move(novy);
        return radky_[static_cast<std::size_t>(pocet_)];
    }

    /// Opens a gap at row i (1..count+1): rows i..count move one place up, the count grows by one
    /// and row i becomes `novy`.
    void OtevritMezeru(int i, Radek novy = Radek())
    {
        OveritMisto();
        if (i < 1 || i > pocet_ + 1)
            throw Chyba(nazev_ + ": řádek " + std::to_string(i) + " neexistuje.");
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
    std::vector<Radek> radky_;
    int pocet_ = 0;
};

} // namespace lineon
