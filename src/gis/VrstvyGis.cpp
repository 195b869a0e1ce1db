#include "gis/VrstvyGis.h"

#include "data/Stav.h"

#include <cmath>

namespace lineon {

namespace {

using T = TypPoleGis;

/// A computed length, cover or level to the millimetre of the survey: a difference of levels
/// would otherwise carry the remainder of binary fractions (2.37999999999998 for 2.38).
double NaMilimetry(double metru)
{
    return std::round(metru * 1000) / 1000;
}

/// A value that only some network kinds have.
template <class Hodnota> HodnotaGis Kde(bool plati, Hodnota hodnota)
{
    if (!plati)
        return {};
    return hodnota;
}

class StavbaVrstev {
public:
    explicit StavbaVrstev(const TStav& stav)
        : stav_(stav)
        , kanalizace_(stav.Nastaveni.DruhSite == TDruhSite::Kanalizace)
        , potrubi_(stav.Nastaveni.DruhSite != TDruhSite::OsaKomunikace)
    {
    }

    std::vector<TVrstvaGis> Vrstvy() const
    {
        std::vector<TVrstvaGis> vrstvy = {Body(), Useky(), Pripojky(), Krizeni()};
        for (int j = 1; j <= stav_.Projekt.PocetPripojek(); ++j) {
            const TPripojka& pripojka = stav_.Projekt.Pripojky[j];
            if (!DrziData(pripojka))
                continue;
            if (DruhKrizeni(stav_.Nastaveni, pripojka.Typ) != 0)
                vrstvy[3].Prvky.push_back(PrvekKrizeni(j));
            else if (MaDomovniSachtu(pripojka))
                vrstvy[2].Prvky.push_back(PrvekPripojky(j));
        }
        return vrstvy;
    }

private:
    const TBod& Bod(int i) const { return stav_.Projekt.Body[i]; }
    const TVysledekBodu& VysledekBodu(int i) const { return stav_.Vysledky.Body[static_cast<std::size_t>(i)]; }
    const TVysledekPripojky& VysledekPripojky(int j) const
    {
        return stav_.Vysledky.Pripojky[static_cast<std::size_t>(j)];
    }

    TVrstvaGis Body() const
    {
        TVrstvaGis vrstva{"body",
                          GeometrieGis::Bod,
                          {{"poradi", T::Cele},
                           {"oznaceni", T::Text},
                           {"staniceni", T::Realne},
                           {"z_dna", T::Realne},
                           {"z_poklopu", T::Realne},
                           {"z_vtoku", T::Realne},
                           {"z_odtoku", T::Realne},
                           {"kryti", T::Realne},
                           {"dno", T::Logicke},
                           {"druh_site", T::Text}},
                          {}};
        for (int i = 1; i <= stav_.Projekt.PocetBodu(); ++i) {
            const TBod& bod = Bod(i);
            vrstva.Prvky.push_back({{{bod.Y, bod.X}},
                                    {std::int32_t{i}, bod.Oznaceni, VysledekBodu(i).Staniceni, Kde(potrubi_, bod.ZDna),
                                     bod.ZPoklopu, Kde(kanalizace_, bod.ZVtoku), Kde(kanalizace_, bod.ZOdtoku),
                                     Kde(potrubi_, NaMilimetry(VysledekBodu(i).Kryti)), Kde(kanalizace_, bod.Dno),
                                     stav_.Nastaveni.NazevSite}});
        }
        return vrstva;
    }

    TVrstvaGis Useky() const
    {
        TVrstvaGis vrstva{"useky",
                          GeometrieGis::Linie,
                          {{"od", T::Text},
                           {"do", T::Text},
                           {"dn", T::Cele},
                           {"material", T::Text},
                           {"delka", T::Realne},
                           {"spad", T::Realne}},
                          {}};
        for (int i = 1; i < stav_.Projekt.PocetBodu(); ++i) {
            const TBod& a = Bod(i);
            const TBod& b = Bod(i + 1);
            vrstva.Prvky.push_back({{{a.Y, a.X}, {b.Y, b.X}},
                                    {a.Oznaceni, b.Oznaceni, Kde(potrubi_, a.Prumer),
                                     Kde(potrubi_, stav_.Vystupy.matField), NaMilimetry(VysledekBodu(i).Delka),
                                     VysledekBodu(i).Spad}});
        }
        return vrstva;
    }

    static TVrstvaGis Pripojky()
    {
        return {"pripojky",
                GeometrieGis::Linie,
                {{"typ", T::Text},
                 {"oznaceni", T::Text},
                 {"oznaceni_ds", T::Text},
                 {"staniceni", T::Realne},
                 {"z_potrubi", T::Realne},
                 {"z_terenu", T::Realne},
                 {"kryti", T::Realne},
                 {"z_poklopu_ds", T::Realne},
                 {"z_dna_ds", T::Realne},
                 {"delka", T::Realne}},
                {}};
    }

    static TVrstvaGis Krizeni()
    {
        return {"krizeni",
                GeometrieGis::Bod,
                {{"typ", T::Text},
                 {"oznaceni", T::Text},
                 {"staniceni", T::Realne},
                 {"z_potrubi", T::Realne},
                 {"z_terenu", T::Realne}},
                {}};
    }

    // A road axis projects no connections onto the line, so it has no computed values of them.
    TPrvekGis PrvekPripojky(int j) const
    {
        const TPripojka& p = stav_.Projekt.Pripojky[j];
        const TVysledekPripojky& v = VysledekPripojky(j);
        return {{{p.Y, p.X}, {p.YDS, p.XDS}},
                {p.Typ, p.OznaceniPripojky, p.OznaceniDS,
                 Kde(potrubi_, v.Staniceni), Kde(potrubi_, NaMilimetry(v.ZPotrubi)), Kde(potrubi_, v.ZTerenu),
                 Kde(potrubi_, NaMilimetry(v.Kryti)), p.ZPoklopuDS, Kde(potrubi_, p.ZDnaDS),
                 Kde(potrubi_, NaMilimetry(v.DelkaPripojky))}};
    }

    TPrvekGis PrvekKrizeni(int j) const
    {
        const TPripojka& p = stav_.Projekt.Pripojky[j];
        const TVysledekPripojky& v = VysledekPripojky(j);
        return {{{p.Y, p.X}},
                {p.Typ, p.OznaceniPripojky, Kde(potrubi_, v.Staniceni),
                 Kde(potrubi_, NaMilimetry(v.ZPotrubi)), Kde(potrubi_, v.ZTerenu)}};
    }

    const TStav& stav_;
    const bool kanalizace_; ///< the inlet, outlet and "Dno" belong to a sewer
    const bool potrubi_;    ///< a sewer or a water main: a pipe with its level, diameter and cover
};

} // namespace

std::vector<TVrstvaGis> VrstvyGis(const TStav& stav)
{
    return StavbaVrstev(stav).Vrstvy();
}

} // namespace lineon
