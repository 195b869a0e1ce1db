#pragma once

#include "data/Stav.h"
#include "data/PlatnoProfilu.h"
#include "data/RozsahProfilu.h"
#include "dxf/VrstvyProfilu.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lineon {

/// What every part of the profile drawing works with: the rows and results of the line, the
/// scales, the base point and the surfaces drawn on, reached through profile coordinates (u, v).
///
/// u is a stationing in metres plus paper millimetres to the right; v is a level under a plane
/// times `PomerMeritek`, or paper millimetres above the plane line. A paper millimetre is H/1000
/// drawing units at the length scale 1:H. The surfaces get x = BY − u, y = BX − v; the file negates both,
/// so the profile stands upright with its plane line starting at (−BY, −BX).
class KresbaProfilu {
public:
    /// Takes the base point from the placement chosen in the outputs dialog; every item goes to
    /// each of `platna` in turn.
    KresbaProfilu(TStav& stav, std::vector<IPlatnoProfilu*> platna);

    /// The base point (BX, BY): the placement chosen in the outputs dialog.
    static std::pair<std::int64_t, std::int64_t> ZakladniBod(const TStav& stav);

    const TStav& Stav() const { return stav_; }
    const TNastaveni& Nastaveni() const { return stav_.Nastaveni; }
    const TVystupy& Volby() const { return stav_.Vystupy; }
    int N() const { return n_; }
    TDruhSite Druh() const { return stav_.Nastaveni.DruhSite; }
    const TBod& Bod(int k) const { return stav_.Projekt.Body[k]; }
    const TVysledekBodu& Vysledek(int k) const { return stav_.Vysledky.Body[static_cast<std::size_t>(k)]; }
    /// s_k, the stationing of point k.
    double s(int k) const { return Vysledek(k).Staniceni; }
    /// The end of the line, s_N.
    double E() const { return s(n_); }
    /// The diameter of the pipe arriving at point k; none arrives at the first point.
    int PrumerPred(int k) const { return k > 1 ? Bod(k - 1).Prumer : 0; }
    bool KrytiZobrazeno() const;
    /// The top of the bands in paper millimetres: above the cover row when it is shown.
    double HorniOkrajPasu() const { return KrytiZobrazeno() ? 44.5 : 34.5; }

    /// a paper millimetres in drawing units.
    double mm(double a) const { return a * H_ / 1000; }
    /// v of a level z under the plane r.
    double Vyska(double z, double r) const { return (z - r) * pomerMeritek_; }
    /// The plane in force after g shift points: R(g) = R0 + g·dR.
    double R(int g) const;
    /// The stationing as the bands show it: with "Staničení uvádět jen do 100" only the part
    /// below 100 (256.23 shows as 56.23).
    double ZobrazeneStaniceni(double staniceni) const;

    /// The extents, before anything is drawn.
    void Zahajit(const TRozsahProfilu& rozsah);
    void Cara(int vrstva, double u1, double v1, double u2, double v2);
    void Text(const std::string& text, int zarovnani, int vrstva, double u, double v);
    /// A number with `desetin` decimals, of the height `faktorVysky` × H.
    void Cislo(int uhel, int desetin, int zarovnani, double u, double v, double hodnota, double faktorVysky,
               int vrstva);
    void Kruh(double u, double v, double polomer);
    void Ukoncit();

private:
    double X(double u) const { return by_ - u; }
    double Y(double v) const { return bx_ - v; }

    TStav& stav_;
    std::vector<IPlatnoProfilu*> platna_;
    const int n_;
    const double H_;
    const double pomerMeritek_;
    std::int64_t bx_ = 0;
    std::int64_t by_ = 0;
};

} // namespace lineon
