#pragma once

#include "data/KresData.h"
#include "data/PlatnoProfilu.h"

namespace lineon {

/// The preview window as the drawing of the profile sees it: shown or hidden by "na obrazovku"
/// before the drawing, repainted after it. The batch program has none (`BezObrazovky`).
class INahledProfilu {
public:
    virtual ~INahledProfilu() = default;
    virtual void Zobrazit(bool zobrazit) = 0;
    virtual void Prekreslit() = 0;
    /// Whether the drawing fills the preview list with "na obrazovku".
    virtual bool PlnitSeznam() const { return true; }
    /// Whether the drawing keeps its entities (`VykresProfilu`) without "na obrazovku" too, for
    /// a PDF of the profile.
    virtual bool ZaznamenatVykres() const { return false; }
};

/// No window: the preview list is still filled with "na obrazovku", nobody paints it.
class BezNahledu final : public INahledProfilu {
public:
    void Zobrazit(bool) override {}
    void Prekreslit() override {}
};

/// The batch program: no window and no preview list; the file is drawn the same without them,
/// and its entities are kept when a PDF of the profile follows.
class BezObrazovky final : public INahledProfilu {
public:
    explicit BezObrazovky(bool proPdf = false) : proPdf_(proPdf) {}
    void Zobrazit(bool) override {}
    void Prekreslit() override {}
    bool PlnitSeznam() const override { return false; }
    bool ZaznamenatVykres() const override { return proPdf_; }

private:
    bool proPdf_;
};

/// The profile drawn into the preview list at the length scale 1:H, in preview units: the width
/// W = x1 − x2 of the extents is 1 and y grows downwards from their top. Texts are H × 0.002
/// high on every layer; numbers turned by an angle stay out, numbers are four characters wide.
class SeznamNahledu final : public IPlatnoProfilu {
public:
    SeznamNahledu(TSeznamKresby& seznam, double H) : seznam_(seznam), H_(H) {}

    void Zahajit(double x1, double y1, double x2, double y2) override;
    void Cara(int vrstva, double x1, double y1, double x2, double y2) override;
    void Text(const std::string& text, int zarovnani, int vrstva, double x, double y) override;
    void Cislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double vyska,
               int vrstva) override;
    void Kruh(double x, double y, double polomer) override;
    void Ukoncit() override {}

private:
    double X(double x) const { return (rozsahX1_ - x) / sirka_; }
    double Y(double y) const { return (y - rozsahY2_) / sirka_; }
    double Delka(double r) const { return r / sirka_; }

    TSeznamKresby& seznam_;
    double H_;
    double rozsahX1_ = 0;
    double rozsahY2_ = 0;
    double sirka_ = 1;
};

} // namespace lineon
