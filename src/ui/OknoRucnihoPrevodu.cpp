#include "ui/OknoRucnihoPrevodu.h"

#include "ui/Rozlozeni.h"
#include "ui/SkupinaPrepinacu.h"
#include "ui/Text.h"
#include "ui/VazaneZaskrtavatko.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

enum Typ { Sachta = 0, PripojkaKrizeni = 1, DomovniSachta = 2 };

} // namespace

OknoRucnihoPrevodu::OknoRucnihoPrevodu(TStav& stav)
    : QWidget(nullptr, Qt::Tool), stav_(stav),
      vkladatNa_(new SkupinaPrepinacu(
          "RadioGroup1", "Vkládat data na",
          {"zaměřený řádek (přepisovat)", "zaměřený řádek (nepřepisovat)", "konec"}, this)),
      oznaceni_(new SkupinaPrepinacu("RadioGroup2", "Označení šachty",
                                     {"převzít číslo bodu", "převzít kód", "nepřebírat"}, this)),
      typ_(new SkupinaPrepinacu("RadioGroup3", "Typ", {"šachta", "přípojka, křížení", "domovní šachta"}, this))
{
    setWindowTitle(T("Ruční převod"));
    TRucniPrevod& v = stav_.RucniPrevod;
    auto* sloupec = new QVBoxLayout;
    QCheckBox* y = Zaskrtavatko("Ycheck", "Y --> Y", v.Ycheck);
    QCheckBox* x = Zaskrtavatko("Xcheck", "X --> X", v.Xcheck);
    zDna_ = Zaskrtavatko("Zdcheck", "Z --> Z dna", v.Zdcheck);
    zPoklopu_ = Zaskrtavatko("Zpcheck", "Z --> Z poklopu", v.Zpcheck);
    jenKanalizace_ = {Zaskrtavatko("Zvcheck", "Z --> Z vtoku", v.Zvcheck),
                      Zaskrtavatko("Zocheck", "Z --> Z odtoku", v.Zocheck)};
    sachta_ = {y, x, zDna_, zPoklopu_, jenKanalizace_[0], jenKanalizace_[1]};
    pripojka_ = Zaskrtavatko("pripcheck", "přípojka, křížení - Y, X --> Y, X", v.pripcheck);
    domovniSachta_ = {Zaskrtavatko("dscheck", "domovní šachta - Y, X --> Y, X", v.dscheck),
                      Zaskrtavatko("dspcheck", "domovní šachta - Z --> Z poklopu", v.dspcheck),
                      Zaskrtavatko("dsdcheck", "domovní šachta - Z --> Z dna", v.dsdcheck)};
    for (QWidget* pole : sachta_)
        sloupec->addWidget(pole);
    sloupec->addSpacing(12);
    sloupec->addWidget(pripojka_);
    sloupec->addSpacing(12);
    for (QWidget* pole : domovniSachta_)
        sloupec->addWidget(pole);
    sloupec->addStretch();

    auto* skupiny = new QVBoxLayout;
    PridatDoRozlozeni(skupiny, {typ_, vkladatNa_, oznaceni_});
    skupiny->addStretch();

    auto* rozlozeni = new QHBoxLayout(this);
    rozlozeni->addLayout(sloupec);
    rozlozeni->addSpacing(12);
    rozlozeni->addLayout(skupiny);
    rozlozeni->setSizeConstraint(QLayout::SetFixedSize);

    connect(vkladatNa_, &SkupinaPrepinacu::vybrano, this, [this](int i) { stav_.RucniPrevod.RadioGroup1 = i; });
    connect(oznaceni_, &SkupinaPrepinacu::vybrano, this, [this](int i) {
        stav_.Nastaveni.ZpusobOznaceni = i;
        emit zpusobOznaceniZmenen();
    });
    connect(typ_, &SkupinaPrepinacu::vybrano, this, [this](int i) {
        stav_.RucniPrevod.RadioGroup3 = i;
        PovolitPodleTypu();
    });
    Nacist();
    PouzitDruhSite(TDruhSite::Kanalizace);
}

QCheckBox* OknoRucnihoPrevodu::Zaskrtavatko(const char* nazev, const char* popis, bool& cil)
{
    return VazaneZaskrtavatko(this, nazev, popis, cil, nacitace_);
}

void OknoRucnihoPrevodu::Nacist()
{
    for (const auto& nacist : nacitace_)
        nacist();
    vkladatNa_->Vybrat(stav_.RucniPrevod.RadioGroup1);
    oznaceni_->Vybrat(stav_.Nastaveni.ZpusobOznaceni);
    typ_->Vybrat(stav_.RucniPrevod.RadioGroup3);
    PovolitPodleTypu();
}

void OknoRucnihoPrevodu::PovolitPodleTypu()
{
    const int typ = stav_.RucniPrevod.RadioGroup3;
    for (QWidget* pole : sachta_)
        pole->setEnabled(typ == Sachta);
    pripojka_->setEnabled(typ == PripojkaKrizeni);
    for (QWidget* pole : domovniSachta_)
        pole->setEnabled(typ == DomovniSachta);
    oznaceni_->setEnabled(typ == Sachta || typ == DomovniSachta);
}

void OknoRucnihoPrevodu::PouzitDruhSite(TDruhSite druh)
{
    zDna_->setVisible(druh != TDruhSite::OsaKomunikace);
    if (druh != TDruhSite::OsaKomunikace)
        zDna_->setText(T(druh == TDruhSite::Kanalizace ? "Z --> Z dna" : "Z --> Z potrubí"));
    for (QWidget* pole : jenKanalizace_)
        pole->setVisible(druh == TDruhSite::Kanalizace);
    zPoklopu_->setText(T(druh == TDruhSite::Kanalizace ? "Z --> Z poklopu" : "Z --> Z terénu"));
    oznaceni_->setTitle(T(druh == TDruhSite::Kanalizace ? "Označení šachty" : "Označení bodu"));
}

void OknoRucnihoPrevodu::showEvent(QShowEvent* udalost)
{
    Nacist();
    QWidget::showEvent(udalost);
}

} // namespace lineon::ui
