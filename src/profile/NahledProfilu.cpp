#include "profile/NahledProfilu.h"

#include "zaklad/Cisla.h"

namespace lineon {

namespace {

constexpr double VyskaTextu = 0.002;

} // namespace

void SeznamNahledu::Zahajit(double x1, double, double x2, double y2)
{
    rozsahX1_ = x1;
    rozsahY2_ = y2;
    sirka_ = x1 - x2;
}

void SeznamNahledu::Cara(int, double x1, double y1, double x2, double y2)
{
    KresData& polozka = seznam_.emplace_back();
    polozka.cara = true;
    polozka.x1 = X(x1);
    polozka.y1 = Y(y1);
    polozka.x2 = X(x2);
    polozka.y2 = Y(y2);
}

void SeznamNahledu::Text(const std::string& text, int, int, double x, double y)
{
    KresData& polozka = seznam_.emplace_back();
    polozka.text = true;
    polozka.x1 = X(x);
    polozka.y1 = Y(y);
    polozka.retezec = text;
    polozka.vyskaTextu = Delka(H_ * VyskaTextu);
}

void SeznamNahledu::Cislo(int uhel, int desetin, int, double x, double y, double hodnota, double vyska, int)
{
    if (uhel != 0)
        return;
    KresData& polozka = seznam_.emplace_back();
    polozka.text = true;
    polozka.x1 = X(x);
    polozka.y1 = Y(y);
    polozka.retezec = cisla::FormatF(hodnota, 4, desetin);
    polozka.vyskaTextu = Delka(vyska);
}

void SeznamNahledu::Kruh(double x, double y, double polomer)
{
    KresData& polozka = seznam_.emplace_back();
    polozka.kruh = true;
    polozka.x1 = X(x);
    polozka.y1 = Y(y);
    polozka.polomer = Delka(polomer);
}

} // namespace lineon
