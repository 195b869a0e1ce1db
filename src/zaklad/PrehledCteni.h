#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the readers tell about a file they read: counts in words and lists of line numbers.
namespace lineon {

/// Numbers of lines of one kind; only the first few are kept, the others counted.
class VybraneRadky {
public:
    /// Line `cislo`, with `doplnek` after its number in the text (e.g. " („日“)").
    void Pridat(std::size_t cislo, const std::string& doplnek = "");
    std::size_t Pocet() const { return pocet_; }
    bool Prazdne() const { return pocet_ == 0; }
    /// "3", "3, 7, 9" or the first ten "… a 12 dalších".
    std::string Text() const;

private:
    std::vector<std::string> prvni_;
    std::size_t pocet_ = 0;
};

/// A count with its noun in Czech: `PocetSlovy(1, "bod", "body", "bodů")` is "1 bod", 3 gives
/// "3 body", 0 and 5 give "0 bodů" and "5 bodů".
std::string PocetSlovy(std::size_t pocet, const char* jeden, const char* dva, const char* pet);

/// "načten", "načteny" or "načteno", as the count before which it stands.
std::string Nacteno(std::size_t pocet);

/// "z 1 řádku", "z 12 řádků".
std::string ZRadku(std::size_t pocet);

} // namespace lineon
