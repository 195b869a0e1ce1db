#include "GenerovanaData.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace lineon::bench {

namespace {

constexpr int PocetRadkuPripojek = 5000;
constexpr int KazdeKrizeni = 10; ///< every tenth connection row is a crossing

/// A surveyed point of the line: plan position and terrain level, in millimetres as surveyed.
struct TBodLinie {
    double Y;
    double X;
    double ZTerenu;
};

/// A label: a prefix and a number.
std::string Oznaceni(const char* predpona, int cislo)
{
    std::string oznaceni(predpona);
    oznaceni += std::to_string(cislo);
    return oznaceni;
}

double NaMilimetry(double x)
{
    return std::nearbyint(x * 1000) / 1000;
}

/// A line that winds around a mean direction, sections of 5 to 10 m.
std::vector<TBodLinie> Linie(std::mt19937& nahoda)
{
    std::uniform_real_distribution<double> delka(5.0, 10.0);
    std::uniform_real_distribution<double> odchylka(-0.3, 0.3);
    std::uniform_real_distribution<double> sklonTerenu(-0.02, 0.03);
    std::vector<TBodLinie> linie;
    double y = 744210.35, x = 1043785.62, z = 246.85;
    for (int i = 0; i < PocetBoduLinie; ++i) {
        linie.push_back({NaMilimetry(y), NaMilimetry(x), NaMilimetry(z)});
        const double smer = 0.9 + 0.7 * std::sin(i / 60.0) + odchylka(nahoda);
        const double d = delka(nahoda);
        y += d * std::sin(smer);
        x += d * std::cos(smer);
        z += d * sklonTerenu(nahoda);
    }
    return linie;
}

std::unique_ptr<TStav> StavDruhu(int druh)
{
    auto stav = std::make_unique<TStav>();
    NastavitDruhSite(stav->Nastaveni, static_cast<TDruhSite>(druh));
    return stav;
}

void NaplnitBody(TStav& stav, const std::vector<TBodLinie>& linie, std::mt19937& nahoda)
{
    std::uniform_real_distribution<double> kryti(1.8, 3.4);
    auto& body = stav.Projekt.Body;
    body.NastavitPocet(0);
    const bool stoka = stav.Nastaveni.DruhSite == TDruhSite::Kanalizace;
    for (int i = 1; i <= PocetBoduLinie; ++i) {
        const TBodLinie& b = linie[static_cast<std::size_t>(i - 1)];
        TBod bod;
        bod.Oznaceni = stoka ? Oznaceni("Š", i) : std::to_string(4000 + i);
        bod.Y = b.Y;
        bod.X = b.X;
        bod.ZPoklopu = b.ZTerenu;
        if (stav.Nastaveni.DruhSite != TDruhSite::OsaKomunikace)
            bod.ZDna = NaMilimetry(b.ZTerenu - kryti(nahoda));
        if (stoka && i % 7 == 0) {
            bod.ZVtoku = NaMilimetry(bod.ZDna + 0.12);
            bod.ZOdtoku = NaMilimetry(bod.ZDna + 0.03);
        }
        bod.Prumer = i < PocetBoduLinie / 2 ? 300 : 400;
        bod.Dno = i % 3 != 0;
        bod.DnoText = bod.Dno ? "Ano" : "Ne";
        body.Pridat(bod);
    }
}

/// A point beside section `usek` (1-based): `t` of its length along it, `bok` metres to its left.
TBodLinie VedleUseku(const std::vector<TBodLinie>& linie, int usek, double t, double bok)
{
    const TBodLinie& a = linie[static_cast<std::size_t>(usek - 1)];
    const TBodLinie& b = linie[static_cast<std::size_t>(usek)];
    const double dy = b.Y - a.Y, dx = b.X - a.X;
    const double l = std::hypot(dy, dx);
    return {NaMilimetry(a.Y + t * dy - bok * dx / l), NaMilimetry(a.X + t * dx + bok * dy / l),
            NaMilimetry(a.ZTerenu + t * (b.ZTerenu - a.ZTerenu))};
}

void NaplnitPripojky(TStav& stav, const std::vector<TBodLinie>& linie, std::mt19937& nahoda)
{
    std::uniform_real_distribution<double> poloha(0.1, 0.9);
    std::uniform_real_distribution<double> odchylka(-0.05, 0.05);
    std::uniform_real_distribution<double> delkaPripojky(4.0, 12.0);
    const std::vector<std::string> krizeni = KodyKrizeni(stav.Nastaveni);
    const std::string typPripojky = "p", typSachty = "n";
    auto& pripojky = stav.Projekt.Pripojky;
    for (int j = 1; j <= PocetRadkuPripojek; ++j) {
        const int usek = 1 + (j - 1) * (PocetBoduLinie - 1) / PocetRadkuPripojek;
        const double t = poloha(nahoda);
        const TBodLinie bod = VedleUseku(linie, usek, t, odchylka(nahoda));
        TPripojka pripojka;
        pripojka.Y = bod.Y;
        pripojka.X = bod.X;
        if (j % KazdeKrizeni == 0) {
            pripojka.Typ = krizeni[static_cast<std::size_t>(j / KazdeKrizeni % 5)];
            pripojka.OznaceniPripojky = j % 20 == 0 ? "Plyn DN100" : "Vodovod DN80";
        } else {
            const double bok = (j % 2 ? 1 : -1) * delkaPripojky(nahoda);
            const TBodLinie sachta = VedleUseku(linie, usek, t, bok);
            pripojka.Typ = j % 3 ? typPripojky : typSachty;
            pripojka.OznaceniPripojky = Oznaceni("P", j);
            pripojka.OznaceniDS = Oznaceni("DŠ", j);
            pripojka.YDS = sachta.Y;
            pripojka.XDS = sachta.X;
            pripojka.ZPoklopuDS = NaMilimetry(sachta.ZTerenu + 0.2);
            pripojka.ZDnaDS = NaMilimetry(sachta.ZTerenu - 1.4);
        }
        pripojky.Pridat(pripojka);
    }
}

std::unique_ptr<TStav> LinieSPripojkami(int druh, unsigned seminko)
{
    auto stav = StavDruhu(druh);
    std::mt19937 nahoda(seminko);
    const auto linie = Linie(nahoda);
    NaplnitBody(*stav, linie, nahoda);
    NaplnitPripojky(*stav, linie, nahoda);
    return stav;
}

} // namespace

std::unique_ptr<TStav> Stoka()
{
    return LinieSPripojkami(1, 1);
}

std::unique_ptr<TStav> Vodovod()
{
    return LinieSPripojkami(2, 2);
}

std::unique_ptr<TStav> OsaKomunikace()
{
    auto stav = StavDruhu(3);
    std::mt19937 nahoda(3);
    NaplnitBody(*stav, Linie(nahoda), nahoda);
    return stav;
}

std::vector<std::string> ZamereniSKody()
{
    constexpr int Sachet = 1000;
    std::mt19937 nahoda(4);
    const auto linie = Linie(nahoda);
    std::uniform_real_distribution<double> kryti(1.8, 3.4);
    std::vector<std::string> radky;
    int cislo = 4000;
    const auto radek = [&](const TBodLinie& b, double z, const std::string& kod) {
        char text[120];
        std::snprintf(text, sizeof text, "%-6d%16.3f%15.3f%10.3f  %s", ++cislo, b.Y, b.X, z, kod.c_str());
        radky.emplace_back(text);
    };
    const char* krizeni[] = {"ka", "kb", "kc", "kd", "ke"};
    int pripojka = 0;
    for (int i = 1; i <= Sachet; ++i) {
        // Manholes every fifth point of the line, so that the connections fall between them.
        const TBodLinie& s = linie[static_cast<std::size_t>((i - 1) * 5)];
        const std::string index = std::to_string(i);
        radek(s, s.ZTerenu, "s" + index);
        radek(s, NaMilimetry(s.ZTerenu - kryti(nahoda)), "d" + index);
        if (i % 5 != 0) {
            const std::string k = std::to_string(++pripojka);
            const int usek = (i - 1) * 5 + 2;
            const TBodLinie p = VedleUseku(linie, usek, 0.5, 0.02);
            const TBodLinie n = VedleUseku(linie, usek, 0.5, 7.5);
            radek(p, p.ZTerenu - 1.6, "p" + k);
            radek(n, n.ZTerenu, "n" + k);
            radek(n, n.ZTerenu - 1.4, "m" + k);
        }
        if (i % 10 == 0)
            radek(VedleUseku(linie, (i - 1) * 5 + 3, 0.3, 0), s.ZTerenu - 1, krizeni[i / 10 % 5]);
        if (i % 2 == 0)
            radek(VedleUseku(linie, (i - 1) * 5 + 4, 0.5, 3), s.ZTerenu, "strom");
    }
    return radky;
}

} // namespace lineon::bench
