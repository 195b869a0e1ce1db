#include "data/Chyba.h"
#include "data/CteniProjektu.h"
#include "data/RadekProjektu.h"

namespace lineon {

namespace {

class CteniZaznamu {
public:
    CteniZaznamu(const std::vector<std::string>& radky, const std::string& cesta) : radky_(radky), cesta_(cesta) {}

    bool Konec() const { return dalsi_ == radky_.size(); }
    bool OddelovacNaRade() const { return radky_[dalsi_] == "#"; }
    void PreskocitRadek() { ++dalsi_; }
    int CisloRadku() const { return static_cast<int>(dalsi_) + 1; }

    // The next N lines as the fields of one record; a file that ends before them is damaged.
    template <std::size_t N>
    std::array<TPoleSouboru, N> Zaznam(const char* coZacina)
    {
        if (radky_.size() - dalsi_ < N)
            throw Chyba("Soubor „" + cesta_ + "“ končí uprostřed záznamu " + coZacina + ", který začíná na řádku "
                        + std::to_string(CisloRadku()) + ".");
        std::array<TPoleSouboru, N> pole;
        for (auto& p : pole) {
            p = {radky_[dalsi_], CisloRadku()};
            ++dalsi_;
        }
        return pole;
    }

private:
    const std::vector<std::string>& radky_;
    const std::string& cesta_;
    std::size_t dalsi_ = 0;
};

} // namespace

void PrecistRadkovyFormat(const std::vector<std::string>& radky, const std::string& cesta, TProjekt& projekt)
{
    CteniZaznamu cteni(radky, cesta);
    // Point records of 9 lines until a record whose label line is "#".
    while (!cteni.Konec() && !cteni.OddelovacNaRade()) {
        const int radek = cteni.CisloRadku();
        PridatPrectenyRadek(projekt.Body, BodZPoli(cteni.Zaznam<PoliBodu>("bodu"), cesta), cesta, radek);
    }
    if (cteni.Konec())
        return;
    cteni.PreskocitRadek();
    // Then connection records of 10 lines to the end of the file.
    while (!cteni.Konec()) {
        const int radek = cteni.CisloRadku();
        PridatPrectenyRadek(projekt.Pripojky, PripojkaZPoli(cteni.Zaznam<PoliPripojky>("přípojky"), cesta), cesta,
                            radek);
    }
}

} // namespace lineon
