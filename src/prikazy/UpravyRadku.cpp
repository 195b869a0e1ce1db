#include "prikazy/UpravyRadku.h"

#include "zaklad/RazeniVyberem.h"

#include <algorithm>

namespace lineon {

namespace {

bool JeRadek(int r, int pocet) { return r >= 1 && r <= pocet; }

} // namespace

void VlozitRadek(TStav& stav, int r, MistoVlozeni misto)
{
    auto& body = stav.Projekt.Body;
    const int p = misto == MistoVlozeni::Pred ? std::max(r, 1) : r + 1;
    const std::int32_t prumer = PrumerNovehoRadku(stav);
    body.OtevritMezeru(std::min(p, body.Pocet() + 1), PrazdnyBod(prumer));
    stav.Projekt.Zmeneno = true;
}

void OdstranitRadek(TStav& stav, int r, IZpravy& zpravy)
{
    auto& body = stav.Projekt.Body;
    if (!JeRadek(r, body.Pocet()))
        return;
    if (DrziData(body[r]) && !zpravy.VarovaniOkStorno(OtazkaZrusit))
        return;
    body.ZavritMezeru(r);
    stav.Projekt.Zmeneno = true;
}

void KopirovatRadek(TStav& stav, int r)
{
    if (JeRadek(r, stav.Projekt.PocetBodu()))
        stav.SchrankaRadku = stav.Projekt.Body[r];
}

void VyjmoutRadek(TStav& stav, int r)
{
    if (!JeRadek(r, stav.Projekt.PocetBodu()))
        return;
    KopirovatRadek(stav, r);
    stav.Projekt.Body[r] = PrazdnyBod();
    stav.Projekt.Zmeneno = true;
}

void VlozitZeSchranky(TStav& stav, int r, IZpravy& zpravy)
{
    auto& body = stav.Projekt.Body;
    if (!stav.SchrankaRadku || !JeRadek(r, body.Pocet()))
        return;
    // The label alone does not count as data here.
    if (!MaHodnoty(body[r]) || zpravy.VarovaniOkStorno(OtazkaPrepsat))
        body[r] = *stav.SchrankaRadku;
    stav.Projekt.Zmeneno = true;
}

void OdstranitPripojku(TStav& stav, int r, IZpravy& zpravy)
{
    auto& pripojky = stav.Projekt.Pripojky;
    if (!JeRadek(r, pripojky.Pocet()))
        return;
    if (DrziData(pripojky[r]) && !zpravy.VarovaniOkStorno(OtazkaZrusit))
        return;
    pripojky.ZavritMezeru(r);
    stav.Projekt.Zmeneno = true;
}

void SeraditPodleZDna(TStav& stav)
{
    auto& body = stav.Projekt.Body;
    std::vector<double> zDna;
    for (int i = 1; i <= body.Pocet(); ++i)
        zDna.push_back(body[i].ZDna);
    // Rows are numbered from 1, the swaps from 0.
    for (const auto& [p, m] : VymenyRazeniVyberem(std::move(zDna)))
        body.Prohodit(static_cast<int>(p) + 1, static_cast<int>(m) + 1);
    stav.Projekt.Zmeneno = true;
}

} // namespace lineon
