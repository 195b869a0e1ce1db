#include "kontrola/KontrolaLinie.h"

#include "zaklad/Cisla.h"

#include <algorithm>
#include <cmath>

namespace lineon {

namespace {

// The levels are whole centimetres and the slopes their quotients: a value equal to its limit
// differs from it only by the rounding of the division.
constexpr double Presnost = 1e-9;

/// Two decimals, a negative value with the minus sign.
std::string Cislo(double hodnota)
{
    const std::string text = cisla::FormatF(std::fabs(hodnota), 0, 2);
    return hodnota < 0 && text != "0.00" ? "\u2212" + text : text;
}

class Kontrola {
public:
    Kontrola(const TStav& stav, const TLimityKontroly& limity)
        : stav_(stav), limity_(limity), body_(stav.Projekt.Body), vysledky_(stav.Vysledky),
          n_(stav.Projekt.PocetBodu()), kodyKrizeni_(KodyKrizeni(stav.Nastaveni))
    {
    }

    std::vector<TNalez> Provest()
    {
        switch (stav_.Nastaveni.DruhSite) {
        case TDruhSite::Kanalizace:
            SachtyStoky();
            SpadyStoky();
            KrytiBodu(limity_.MinKrytiStoky);
            KrytiPripojek(limity_.MinKrytiStoky);
            SpadyPripojek();
            break;
        case TDruhSite::Vodovod:
            KrytiBodu(limity_.MinKrytiVodovodu);
            KrytiPripojek(limity_.MinKrytiVodovodu);
            VrcholyAUdolnice();
            break;
        case TDruhSite::OsaKomunikace:
            SklonyKomunikace();
            break;
        }
        std::stable_sort(nalezy_.begin(), nalezy_.end(),
                         [](const TNalez& a, const TNalez& b) { return a.Staniceni < b.Staniceni; });
        return std::move(nalezy_);
    }

private:
    std::string Oznaceni(int i) const
    {
        return body_[i].Oznaceni.empty() ? "bod " + std::to_string(i) : body_[i].Oznaceni;
    }

    std::string Usek(int i) const { return "Úsek " + Oznaceni(i) + "\u2013" + Oznaceni(i + 1) + ": "; }

    /// The diameter of the pipe at point i: its section's, at the last point the last section's.
    std::int32_t PrumerVBode(int i) const { return body_[i < n_ ? i : n_ - 1].Prumer; }

    void Pridat(DruhNalezu druh, MistoNalezu misto, int radek, double staniceni, double hodnota, double limit,
                std::string text)
    {
        nalezy_.push_back({druh, misto, radek, staniceni, hodnota, limit, std::move(text)});
    }

    void NalezUseku(DruhNalezu druh, int i, double hodnota, double limit, std::string text)
    {
        Pridat(druh, MistoNalezu::Usek, i, vysledky_.Body[i].Staniceni, hodnota, limit, Usek(i) + text);
    }

    // Section i runs from manhole i downstream to manhole i+1 upstream: a positive slope falls
    // with the flow.
    void SpadyStoky()
    {
        for (int i = 1; i < n_; ++i) {
            const double spad = vysledky_.Body[i].Spad;
            const double minimum = MinimalniSpadStoky(limity_, body_[i].Prumer);
            if (spad <= Presnost)
                NalezUseku(DruhNalezu::Chyba, i, spad, 0,
                           spad < -Presnost ? "protispád " + Cislo(spad) + " ‰." : "nulový spád.");
            else if (spad < minimum - Presnost)
                NalezUseku(DruhNalezu::Varovani, i, spad, minimum,
                           "spád " + Cislo(spad) + " ‰ je menší než nejmenší " + Cislo(minimum) + " ‰ pro DN " +
                               std::to_string(body_[i].Prumer) + ".");
            else if (spad > limity_.MaxSpadStoky + Presnost)
                NalezUseku(DruhNalezu::Varovani, i, spad, limity_.MaxSpadStoky,
                           "spád " + Cislo(spad) + " ‰ je větší než největší " + Cislo(limity_.MaxSpadStoky) + " ‰.");
            const double delka = vysledky_.Body[i].Delka;
            if (delka > limity_.VzdalenostSachet + Presnost)
                NalezUseku(DruhNalezu::Varovani, i, delka, limity_.VzdalenostSachet,
                           "délka " + Cislo(delka) + " m je větší než největší vzdálenost šachet " +
                               Cislo(limity_.VzdalenostSachet) + " m.");
        }
    }

    // At manhole i section i enters at "Z vtoku" and section i−1 leaves at "Z odtoku".
    void SachtyStoky()
    {
        for (int i = 2; i < n_; ++i) {
            const double vtok = body_[i].ZVtoku;
            const double odtok = body_[i].ZOdtoku;
            const double staniceni = vysledky_.Body[i].Staniceni;
            const std::string sachta = "Šachta " + Oznaceni(i) + ": ";
            if (odtok > vtok + Presnost)
                Pridat(DruhNalezu::Chyba, MistoNalezu::Bod, i, staniceni, odtok, vtok,
                       sachta + "odtok " + Cislo(odtok) + " leží nad vtokem " + Cislo(vtok) +
                           ", voda by musela stoupat.");
            else if (vtok - odtok > limity_.LimitSpadiste + Presnost)
                Pridat(DruhNalezu::Informace, MistoNalezu::Bod, i, staniceni, vtok - odtok, limity_.LimitSpadiste,
                       sachta + "spád ve šachtě " + Cislo(vtok - odtok) + " m je větší než " +
                           Cislo(limity_.LimitSpadiste) + " m, může být potřeba spadiště.");
        }
    }

    // Measured from the top of the pipe, whatever the profile shows; a point without a ground
    // level (0) has nothing to measure.
    void KrytiBodu(double minimum)
    {
        for (int i = 1; i <= n_; ++i) {
            const TBod& bod = body_[i];
            if (bod.ZPoklopu == 0)
                continue;
            const double kryti = bod.ZPoklopu - bod.ZDna - PrumerVBode(i) / 1000.0;
            if (kryti < minimum - Presnost)
                Pridat(DruhNalezu::Varovani, MistoNalezu::Bod, i, vysledky_.Body[i].Staniceni, kryti, minimum,
                       "Bod " + Oznaceni(i) + ": krytí " + Cislo(kryti) + " m je menší než nejmenší " +
                           Cislo(minimum) + " m.");
        }
    }

    bool JeKrizeni(const TPripojka& pripojka) const
    {
        return std::find(kodyKrizeni_.begin(), kodyKrizeni_.end(), pripojka.Typ) != kodyKrizeni_.end();
    }

    std::string Pripojka(int j) const
    {
        const TPripojka& pripojka = stav_.Projekt.Pripojky[j];
        const std::string nazev = JeKrizeni(pripojka) ? "Křížení " : "Přípojka ";
        return nazev + (pripojka.OznaceniPripojky.empty() ? std::to_string(j) : pripojka.OznaceniPripojky) + ": ";
    }

    /// The section whose stationings hold the connection's: the first whose end reaches it.
    int UsekPripojky(double staniceni) const
    {
        int od = 1;
        int po = n_ - 1;
        while (od < po) {
            const int i = od + (po - od) / 2;
            if (vysledky_.Body[i + 1].Staniceni < staniceni)
                od = i + 1;
            else
                po = i;
        }
        return od;
    }

    // A row the calculation could not place on the line (stationing 0) was reported by it.
    template <typename F> void ProPromitnutePripojky(F&& f) const
    {
        for (int j = 1; j <= stav_.Projekt.PocetPripojek(); ++j)
            if (DrziData(stav_.Projekt.Pripojky[j]) && vysledky_.Pripojky[j].Staniceni > 0)
                f(j, stav_.Projekt.Pripojky[j], vysledky_.Pripojky[j]);
    }

    void KrytiPripojek(double minimum)
    {
        ProPromitnutePripojky([&](int j, const TPripojka&, const TVysledekPripojky& v) {
            const double kryti = v.ZTerenu - v.ZPotrubi - body_[UsekPripojky(v.Staniceni)].Prumer / 1000.0;
            if (kryti < minimum - Presnost)
                Pridat(DruhNalezu::Varovani, MistoNalezu::Pripojka, j, v.Staniceni, kryti, minimum,
                       Pripojka(j) + "krytí " + Cislo(kryti) + " m je menší než nejmenší " + Cislo(minimum) + " m.");
        });
    }

    // The connection falls from the house manhole's bottom to the sewer's pipe.
    void SpadyPripojek()
    {
        ProPromitnutePripojky([&](int j, const TPripojka& p, const TVysledekPripojky& v) {
            if (JeKrizeni(p) || v.DelkaPripojky <= 0 || p.ZDnaDS == 0)
                return;
            const double spad = (p.ZDnaDS - v.ZPotrubi) / v.DelkaPripojky * 1000;
            const std::string text = Pripojka(j) + "spád " + Cislo(spad) + " ‰ ";
            if (spad < -Presnost)
                Pridat(DruhNalezu::Varovani, MistoNalezu::Pripojka, j, v.Staniceni, spad, 0,
                       text + "padá k domu, ne ke stoce.");
            else if (spad < limity_.MinSpadPripojky - Presnost)
                Pridat(DruhNalezu::Varovani, MistoNalezu::Pripojka, j, v.Staniceni, spad, limity_.MinSpadPripojky,
                       text + "je menší než nejmenší " + Cislo(limity_.MinSpadPripojky) + " ‰.");
            else if (spad > limity_.MaxSpadPripojky + Presnost)
                Pridat(DruhNalezu::Varovani, MistoNalezu::Pripojka, j, v.Staniceni, spad, limity_.MaxSpadPripojky,
                       text + "je větší než největší " + Cislo(limity_.MaxSpadPripojky) + " ‰.");
        });
    }

    void VrcholyAUdolnice()
    {
        for (int i = 2; i < n_; ++i) {
            const double z = body_[i].ZDna;
            const double sousedni = std::max(body_[i - 1].ZDna, body_[i + 1].ZDna);
            const double nizsi = std::min(body_[i - 1].ZDna, body_[i + 1].ZDna);
            const double staniceni = vysledky_.Body[i].Staniceni;
            if (z > sousedni + Presnost)
                Pridat(DruhNalezu::Informace, MistoNalezu::Bod, i, staniceni, z, sousedni,
                       "Bod " + Oznaceni(i) + ": vrchol – odvzdušnění.");
            else if (z < nizsi - Presnost)
                Pridat(DruhNalezu::Informace, MistoNalezu::Bod, i, staniceni, z, nizsi,
                       "Bod " + Oznaceni(i) + ": údolnice – odkalení.");
        }
    }

    // A road drains either way: the size of the slope counts, not its direction.
    void SklonyKomunikace()
    {
        for (int i = 1; i < n_; ++i) {
            const double sklon = vysledky_.Body[i].Spad;
            const double velikost = std::fabs(sklon);
            if (velikost < limity_.MinSklonKomunikace - Presnost)
                NalezUseku(DruhNalezu::Varovani, i, sklon, limity_.MinSklonKomunikace,
                           "podélný sklon " + Cislo(sklon) + " ‰ je menší než nejmenší " +
                               Cislo(limity_.MinSklonKomunikace) + " ‰ pro odvodnění.");
            else if (velikost > limity_.MaxSklonKomunikace + Presnost)
                NalezUseku(DruhNalezu::Varovani, i, sklon, limity_.MaxSklonKomunikace,
                           "podélný sklon " + Cislo(sklon) + " ‰ je větší než největší " +
                               Cislo(limity_.MaxSklonKomunikace) + " ‰.");
        }
    }

    const TStav& stav_;
    const TLimityKontroly& limity_;
    const Tabulka<TBod>& body_;
    const TVysledky& vysledky_;
    const int n_;
    const std::vector<std::string> kodyKrizeni_;
    std::vector<TNalez> nalezy_;
};

} // namespace

std::vector<TNalez> ZkontrolovatLinii(const TStav& stav, const TLimityKontroly& limity)
{
    return Kontrola(stav, limity).Provest();
}

double MinimalniSpadStoky(const TLimityKontroly& limity, std::int32_t prumer)
{
    const TMinimalniSpad* radek = nullptr;
    for (const TMinimalniSpad& r : limity.MinSpadStoky)
        if (r.Prumer <= prumer && (!radek || r.Prumer > radek->Prumer))
            radek = &r;
    if (radek)
        return radek->Spad;
    return prumer > 0 ? 1000.0 / prumer : 0;
}

bool ObsahujeChybu(const std::vector<TNalez>& nalezy)
{
    return std::any_of(nalezy.begin(), nalezy.end(), [](const TNalez& n) { return n.Druh == DruhNalezu::Chyba; });
}

} // namespace lineon
