#include "dxf/Situace.h"

#include "zaklad/Cisla.h"
#include "data/Stav.h"
#include "dxf/DxfSituace.h"
#include "dxf/UzlySituace.h"
#include "zaklad/Soubor.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace lineon {

namespace {

/// Numbers inside texts: two decimals, right-aligned in at least four characters.
std::string Cislo(double hodnota)
{
    return cisla::FormatF(hodnota, 4, 2);
}

std::string VZavorkach(double hodnota)
{
    return "(" + Cislo(hodnota) + ")";
}

/// Without leading and trailing blanks and control characters.
std::string Orezat(const std::string& text)
{
    const auto okrajovy = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7F'; };
    std::size_t zacatek = 0;
    std::size_t konec = text.size();
    while (zacatek < konec && okrajovy(text[zacatek]))
        ++zacatek;
    while (konec > zacatek && okrajovy(text[konec - 1]))
        --konec;
    return text.substr(zacatek, konec - zacatek);
}

/// What every step of the drawing reads: the rows, the results, the sizes and the writer.
class KresbaSituace {
public:
    KresbaSituace(const TStav& stav, IPlatnoSituace& platno)
        : stav_(stav)
        , dxf_(platno)
        , N(stav.Projekt.PocetBodu())
        , M(stav.Nastaveni.MeritkoSituace)
        , hK(stav.Nastaveni.VyskaKot / 1000)
        , hP(stav.Nastaveni.VyskaPopisu / 1000)
        , hO(stav.Nastaveni.VyskaOznaceni / 1000)
        , druh_(stav.Nastaveni.DruhSite)
        , alfa_(static_cast<std::size_t>(N) + 1, 0.0)
    {
        for (int j = 1; j <= stav.Projekt.PocetPripojek(); ++j) {
            const double staniceni = stav.Vysledky.Pripojky[static_cast<std::size_t>(j)].Staniceni;
            if (MaDomovniSachtu(stav.Projekt.Pripojky[j]) && !std::isnan(staniceni))
                pripojkyPodleStaniceni_.emplace_back(staniceni, j);
        }
        std::sort(pripojkyPodleStaniceni_.begin(), pripojkyPodleStaniceni_.end());
    }

    void Kreslit();

private:
    const TBod& Bod(int i) const { return stav_.Projekt.Body[i]; }
    const TVysledekBodu& VysledekBodu(int i) const { return stav_.Vysledky.Body[static_cast<std::size_t>(i)]; }
    double Y(int i) const { return Bod(i).Y; }
    double X(int i) const { return Bod(i).X; }
    double Alfa(int i) const { return alfa_[static_cast<std::size_t>(i)]; }

    void Text(const std::string& s, int a, int vrstva, double x, double y, double uhel, double h)
    {
        dxf_.DxfText(s, a, vrstva, x, y, uhel, h);
    }
    /// A level: a number with two decimals.
    void Kota(double v, int a, int vrstva, double x, double y, double uhel, double h)
    {
        dxf_.DxfCislo(2, a, vrstva, x, y, v, uhel, h);
    }

    void OtevritAZahlavi();
    void UhlyUseku();
    bool DalsiBodMaVetsiY(int i) const;
    void KotyVtokuAOdtoku();
    void PripojkyUseku(int i);
    void PopisUseku(int i);
    void Linie(const std::vector<UzelSituace>& uzly);
    void Uzel(const UzelSituace& uzel);

    const TStav& stav_;
    IPlatnoSituace& dxf_;
    const int N;       ///< number of points
    const double M;    ///< scale denominator
    const double hK;   ///< text heights in metres of paper: levels,
    const double hP;   ///< descriptions,
    const double hO;   ///< labels
    const TDruhSite druh_;
    std::vector<double> alfa_; ///< text angle of each section; 0 before the first and after the last
    /// (stationing, row) of the connections with a house manhole, which the sections draw.
    std::vector<std::pair<double, int>> pripojkyPodleStaniceni_;
};

void KresbaSituace::Kreslit()
{
    OtevritAZahlavi();
    UhlyUseku();
    if (druh_ == TDruhSite::Kanalizace)
        KotyVtokuAOdtoku();
    for (int i = 1; i <= N - 1; ++i) {
        PripojkyUseku(i);
        PopisUseku(i);
    }
    const std::vector<UzelSituace> uzly = UzlySituace(stav_);
    Linie(uzly);
    for (const UzelSituace& uzel : uzly)
        Uzel(uzel);
    dxf_.DxfKonec();
}

void KresbaSituace::OtevritAZahlavi()
{
    // Every point lies within the last stationing of the first and of the last point, so this box
    // holds the whole line with 100 m to spare.
    const double L = VysledekBodu(N).Staniceni;
    dxf_.Zahajit(Y(1) + L + 100, X(1) + L + 100, Y(N) - L - 100, X(N) - L - 100);
}

void KresbaSituace::UhlyUseku()
{
    for (int i = 1; i <= N - 1; ++i) {
        const double smer = VysledekBodu(i).SmerStupne;
        alfa_[static_cast<std::size_t>(i)] = smer >= 0 ? 90 - smer : 270 - smer;
    }
}

bool KresbaSituace::DalsiBodMaVetsiY(int i) const
{
    // The last point has no following one: the line is taken to go on in the direction of its last
    // section, so the outlet level stands on the side of that section.
    if (i == N)
        return Y(N) >= Y(N - 1);
    return Y(i + 1) >= Y(i);
}

void KresbaSituace::KotyVtokuAOdtoku()
{
    // Stationing runs against the flow: the inlet level of point i belongs to section i, which
    // arrives from point i + 1, the outlet level to section i − 1.
    for (int i = 1; i <= N; ++i) {
        const TBod& bod = Bod(i);
        if (bod.ZDna == bod.ZVtoku && bod.ZDna == bod.ZOdtoku)
            continue;
        const std::string s1 = VZavorkach(bod.ZVtoku);
        const std::string s2 = VZavorkach(bod.ZOdtoku);
        const double y = X(i) - 0.005 * M;
        if (DalsiBodMaVetsiY(i)) {
            Text(s1, 2, VrstvaTextuSituace::Popis, Y(i) + 0.005 * M, y, Alfa(i), hK);
            Text(s2, 0, VrstvaTextuSituace::Popis, Y(i) - 0.005 * M, y, Alfa(i - 1), hK);
        } else {
            Text(s1, 0, VrstvaTextuSituace::Popis, Y(i) - 0.005 * M, y, Alfa(i), hK);
            Text(s2, 2, VrstvaTextuSituace::Popis, Y(i) + 0.005 * M, y, Alfa(i - 1), hK);
        }
    }
}

void KresbaSituace::PripojkyUseku(int i)
{
    // The connections strictly between the section's two stationings, in the order of their rows.
    const double od = VysledekBodu(i).StaniceniPresne;
    const double po = VysledekBodu(i + 1).StaniceniPresne;
    if (!(od < po))
        return;
    const auto zacatek = std::upper_bound(pripojkyPodleStaniceni_.begin(), pripojkyPodleStaniceni_.end(), od,
                                          [](double s, const auto& p) { return s < p.first; });
    const auto konec = std::lower_bound(zacatek, pripojkyPodleStaniceni_.end(), po,
                                        [](const auto& p, double s) { return p.first < s; });
    std::vector<int> radky;
    for (auto p = zacatek; p != konec; ++p)
        radky.push_back(p->second);
    std::sort(radky.begin(), radky.end());
    for (const int j : radky) {
        const TPripojka& pripojka = stav_.Projekt.Pripojky[j];
        const TVysledekPripojky& vysledek = stav_.Vysledky.Pripojky[static_cast<std::size_t>(j)];
        const double Yc = pripojka.Y;
        const double Xc = pripojka.X;
        const double Yd = pripojka.YDS;
        const double Xd = pripojka.XDS;
        if (druh_ != TDruhSite::OsaKomunikace && Yd != 0 && Xd != 0)
            dxf_.DxfKruh(VrstvaKruhuSituace::DSachta, Yd, Xd, 0.002 * M);
        dxf_.DxfCara(VrstvaCarySituace::Pripojka, Yc, Xc, Yd, Xd);
        Text(pripojka.OznaceniDS, 1, VrstvaTextuSituace::Oznaceni, Yd, Xd - 0.0025 * M, 0, hO);
        Kota(pripojka.ZPoklopuDS, 1, VrstvaTextuSituace::Teren, Yd, Xd + (hK + 0.0025) * M, 0, hK);
        if (druh_ != TDruhSite::OsaKomunikace)
            Text(VZavorkach(pripojka.ZDnaDS), 4, VrstvaTextuSituace::Potrubi, Yd, Xd + (2 * hK + 0.003) * M, 0, hK);
        Text(Cislo(vysledek.DelkaPripojky) + "m", 8, VrstvaTextuSituace::Popis, (Yc + Yd) / 2 - 0.0005 * M,
             (Xc + Xd) / 2 - 0.002 * M, vysledek.UhelPripojky, hP);
    }
}

void KresbaSituace::PopisUseku(int i)
{
    const bool rovnobezne = stav_.Vystupy.stocRcheck;
    const std::string t1 = Orezat("DN" + std::to_string(Bod(i).Prumer) + " " + stav_.Vystupy.matField);
    const std::string t2 = Cislo(VysledekBodu(i).Delka) + "m";
    const std::string t3 = Cislo(VysledekBodu(i).Spad) + "%.";

    // Along the section or across it, turned so that the text never reads upside down.
    double o = rovnobezne ? 0 : 90;
    if (o + Alfa(i) > 360)
        o -= 360;
    if (90 < o + Alfa(i) && o + Alfa(i) < 270)
        o -= 180;
    const double uhel = o + Alfa(i);
    int a = 0 <= uhel && uhel <= 90 ? 3 : 2;
    if (rovnobezne)
        a = 4;

    // The three texts stand 2 mm of paper above the quarter points of the section and follow one
    // another t1, t2, t3 from left to right of the drawing.
    struct Misto {
        double Y, X;
    };
    // Y grows to the left of the drawing.
    const bool zacatekVlevo = Y(i + 1) < Y(i);
    const double posunY = zacatekVlevo ? -0.0005 * M : 0.0005 * M;
    const auto misto = [&](double podil) {
        return Misto{Y(i) + podil * (Y(i + 1) - Y(i)) + posunY, X(i) + podil * (X(i + 1) - X(i)) - 0.002 * M};
    };
    const Misto m1 = misto(zacatekVlevo ? 0.25 : 0.75);
    const Misto m2 = misto(0.5);
    const Misto m3 = misto(zacatekVlevo ? 0.75 : 0.25);
    if (druh_ != TDruhSite::OsaKomunikace)
        Text(t1, a, VrstvaTextuSituace::Popis, m1.Y, m1.X, uhel, hP);
    Text(t2, a, VrstvaTextuSituace::Popis, m2.Y, m2.X, uhel, hP);
    Text(t3, a, VrstvaTextuSituace::Popis, m3.Y, m3.X, uhel, hP);
}

void KresbaSituace::Linie(const std::vector<UzelSituace>& uzly)
{
    // Cut at every connection point.
    for (std::size_t p = 0; p + 1 < uzly.size(); ++p)
        dxf_.DxfCara(VrstvaCarySituace::Stoka, uzly[p].Y, uzly[p].X, uzly[p + 1].Y, uzly[p + 1].X);
}

void KresbaSituace::Uzel(const UzelSituace& uzel)
{
    const TNastaveni& nastaveni = stav_.Nastaveni;
    Text(uzel.Oznaceni, 1, VrstvaTextuSituace::Oznaceni, uzel.Y, uzel.X - 0.0025 * M, 0, hO);

    bool maZnacku = false;
    if (uzel.JeBod && druh_ == TDruhSite::Kanalizace) {
        dxf_.DxfZnacka(ZnackaSituace::Sachta, uzel.Y, uzel.X, M / 500);
        maZnacku = true;
    }
    if (druh_ == TDruhSite::Vodovod && uzel.Typ == nastaveni.KodHydrant) {
        dxf_.DxfZnacka(ZnackaSituace::Hydrant, uzel.Y, uzel.X, M / 500);
        maZnacku = true;
    }
    if (druh_ == TDruhSite::Vodovod && uzel.Typ == nastaveni.KodSoupe) {
        dxf_.DxfZnacka(ZnackaSituace::Soupe, uzel.Y, uzel.X, M / 500);
        maZnacku = true;
    }
    if (!maZnacku)
        dxf_.DxfZnacka(ZnackaSituace::PripojkaP, uzel.Y, uzel.X, M / 10000);

    Kota(uzel.HorniKota, 1, VrstvaTextuSituace::Teren, uzel.Y, uzel.X + (hK + 0.0025) * M, 0, hK);
    if (druh_ != TDruhSite::OsaKomunikace)
        Text(VZavorkach(uzel.DolniKota), 4, VrstvaTextuSituace::Potrubi, uzel.Y, uzel.X + (2 * hK + 0.003) * M, 0, hK);
}

} // namespace

void VytvoritSituaci(const TStav& stav)
{
    if (!stav.Vystupy.Sitcheck)
        return;
    soubor::ZapisTextu soubor(stav.Nastaveni.AdresarProjektu + stav.Vystupy.SouborSituace, *stav.Disk);
    VytvoritSituaci(stav, soubor);
}

void VytvoritSituaci(const TStav& stav, RadkovyVystup& vystup)
{
    DxfSituace dxf(vystup, stav.Nastaveni.MeritkoSituace);
    VytvoritSituaci(stav, dxf);
}

void VytvoritSituaci(const TStav& stav, IPlatnoSituace& platno)
{
    KresbaSituace(stav, platno).Kreslit();
}

} // namespace lineon
