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
    PridatDoRozlozeni(sloupec, {Zaskrtavatko("Ycheck", "Y --> Y", v.Ycheck), Zaskrtavatko("Xcheck", "X --> X", v.Xcheck),
                                Zaskrtavatko("Zdcheck", "Z --> Z dna", v.Zdcheck),
                                Zaskrtavatko("Zpcheck", "Z --> Z poklopu", v.Zpcheck),
                                Zaskrtavatko("Zvcheck", "Z --> Z vtoku", v.Zvcheck),
                                Zaskrtavatko("Zocheck", "Z --> Z odtoku", v.Zocheck)});
    sloupec->addSpacing(12);
    sloupec->addWidget(Zaskrtavatko("pripcheck", "přípojka, křížení - Y, X --> Y, X", v.pripcheck));
    sloupec->addSpacing(12);
    PridatDoRozlozeni(sloupec, {Zaskrtavatko("dscheck", "domovní šachta - Y, X --> Y, X", v.dscheck),
                                Zaskrtavatko("dspcheck", "domovní šachta - Z --> Z poklopu", v.dspcheck),
                                Zaskrtavatko("dsdcheck", "domovní šachta - Z --> Z dna", v.dsdcheck)});
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
    PouzitDruhSite(1);
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
    for (const char* nazev : {"Ycheck", "Xcheck", "Zdcheck", "Zpcheck", "Zvcheck", "Zocheck"})
        findChild<QWidget*>(QString::fromUtf8(nazev))->setEnabled(typ == Sachta);
    findChild<QWidget*>(QStringLiteral("pripcheck"))->setEnabled(typ == PripojkaKrizeni);
    for (const char* nazev : {"dscheck", "dspcheck", "dsdcheck"})
        findChild<QWidget*>(QString::fromUtf8(nazev))->setEnabled(typ == DomovniSachta);
    oznaceni_->setEnabled(typ == Sachta || typ == DomovniSachta);
}

void OknoRucnihoPrevodu::PouzitDruhSite(int druh)
{
    auto* zDna = findChild<QCheckBox*>(QStringLiteral("Zdcheck"));
    zDna->setVisible(druh != 3);
    if (druh != 3)
        zDna->setText(T(druh == 1 ? "Z --> Z dna" : "Z --> Z potrubí"));
    for (const char* nazev : {"Zvcheck", "Zocheck"})
        findChild<QWidget*>(QString::fromUtf8(nazev))->setVisible(druh == 1);
    findChild<QCheckBox*>(QStringLiteral("Zpcheck"))->setText(T(druh == 1 ? "Z --> Z poklopu" : "Z --> Z terénu"));
    oznaceni_->setTitle(T(druh == 1 ? "Označení šachty" : "Označení bodu"));
}

void OknoRucnihoPrevodu::showEvent(QShowEvent* udalost)
{
    Nacist();
    QWidget::showEvent(udalost);
}

} // namespace lineon::ui
