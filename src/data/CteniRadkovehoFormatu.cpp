#include "zaklad/Chyba.h"
#include "data/CteniProjektu.h"
#include "data/RadekProjektu.h"

namespace lineon {

namespace {

/// Records of N lines, one field a line, read from the file as they come.
class CteniZaznamu {
public:
    explicit CteniZaznamu(soubor::CteniRadku& cteni) : cteni_(cteni) {}

    /// The first line of the next record; false at the end of the file.
    bool Zacit()
    {
        pocet_ = 0;
        if (!DalsiRadekProjektu(cteni_, radky_[0]))
            return false;
        pocet_ = 1;
        return true;
    }

    const std::string& PrvniRadek() const { return radky_[0].Text; }
    std::size_t CisloRadku() const { return radky_[0].Cislo; }

    /// The record's first N lines as its fields; a file that ends before them is damaged.
    template <std::size_t N>
    std::array<TPoleSouboru, N> Pole(const char* coZacina)
    {
        for (; pocet_ < N; ++pocet_)
            if (!DalsiRadekProjektu(cteni_, radky_[pocet_]))
                throw Chyba("Soubor „" + cteni_.Cesta() + "“ končí uprostřed záznamu " + coZacina
                            + ", který začíná na řádku " + std::to_string(CisloRadku()) + ".");
        std::array<TPoleSouboru, N> pole;
        for (std::size_t i = 0; i < N; ++i)
            pole[i] = {radky_[i].Text, static_cast<int>(radky_[i].Cislo)};
        return pole;
    }

    /// Whether the point record just read, with the line after it, would be a connection record.
    bool MaTvarPripojky()
    {
        try {
            if (pocet_ != PoliBodu || !DalsiRadekProjektu(cteni_, radky_[pocet_]))
                return false;
        } catch (const Chyba&) {
            return false;
        }
        pocet_ = PoliPripojky;
        return lineon::MaTvarPripojky(Pole<PoliPripojky>("přípojky"));
    }

private:
    soubor::CteniRadku& cteni_;
    std::array<soubor::TRadekSouboru, PoliPripojky> radky_;
    std::size_t pocet_ = 0; ///< lines of the record read so far
};

} // namespace

void PrecistRadkovyFormat(soubor::CteniRadku& cteni, TProjekt& projekt, TPrehledProjektu& prehled)
{
    const std::string& cesta = cteni.Cesta();
    CteniZaznamu zaznam(cteni);
    // Point records of 9 lines until a record whose label line is "#".
    for (;;) {
        if (!zaznam.Zacit())
            return;
        if (zaznam.PrvniRadek() == "#")
            break;
        const int radek = static_cast<int>(zaznam.CisloRadku());
        TBod bod;
        try {
            bod = BodZPoli(zaznam.Pole<PoliBodu>("bodu"), cesta);
        } catch (const Chyba&) {
            // Connection records where the "#" line was forgotten do not read as points.
            if (zaznam.MaTvarPripojky())
                ChybiOddelovac(cesta, zaznam.CisloRadku(), "záznam, který zde začíná, má");
            throw;
        }
        prehled.DrziData = prehled.DrziData || DrziData(bod);
        PridatPrectenyRadek(projekt.Body, std::move(bod), cesta, radek);
    }
    // Then connection records of 10 lines to the end of the file.
    while (zaznam.Zacit()) {
        const int radek = static_cast<int>(zaznam.CisloRadku());
        TPripojka pripojka = PripojkaZPoli(zaznam.Pole<PoliPripojky>("přípojky"), cesta);
        prehled.DrziData = prehled.DrziData || DrziData(pripojka);
        PridatPrectenyRadek(projekt.Pripojky, std::move(pripojka), cesta, radek);
    }
}

} // namespace lineon
