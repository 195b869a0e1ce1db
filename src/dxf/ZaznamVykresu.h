#pragma once

#include "data/PlatnoProfilu.h"
#include "data/PlatnoSituace.h"
#include "data/Vykres.h"

namespace lineon {

/// The entities the profile's DXF file gets at 1:H, kept as a drawing for a screen or paper:
/// the same texts, heights, angles, alignments and layer colours, in the file's coordinates.
/// Unlike the file it keeps them whether or not "do DXF" is on.
class ZaznamProfilu final : public IPlatnoProfilu {
public:
    ZaznamProfilu(TVykres& vykres, double H) : vykres_(vykres), H_(H) {}

    void Zahajit(double x1, double y1, double x2, double y2) override;
    void Cara(int vrstva, double x1, double y1, double x2, double y2) override;
    void Text(const std::string& text, int zarovnani, int vrstva, double x, double y) override;
    void Cislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double vyska,
               int vrstva) override;
    void Kruh(double x, double y, double polomer) override;
    void Ukoncit() override {}

private:
    TVykres& vykres_;
    double H_;
};

/// The entities of the site plan's DXF file at 1:`MeritkoSituace`, the symbols drawn out of their
/// blocks, kept as a drawing.
class ZaznamSituace final : public IPlatnoSituace {
public:
    ZaznamSituace(TVykres& vykres, double meritkoSituace) : vykres_(vykres), M_(meritkoSituace) {}

    void Zahajit(double x1, double y1, double x2, double y2) override;
    void DxfCara(int vrstva, double x1, double y1, double x2, double y2) override;
    void DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y, double uhel,
                 double vyska) override;
    void DxfKruh(int vrstva, double x, double y, double polomer) override;
    void DxfZnacka(int druh, double x, double y, double meritko) override;
    void DxfKonec() override {}

private:
    TVykres& vykres_;
    double M_;
};

} // namespace lineon
