#include "ui/DialogBodu.h"

#include "ui/CiselnePole.h"
#include "ui/Text.h"
#include "ui/Validator1250.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

constexpr int PocetZpusobu = 4;


} // namespace

DialogBodu::DialogBodu(TStav& stav, IZpravy& zpravy, HlavniOkno& hlavniOkno)
    : RadkovyDialog(hlavniOkno, "Úprava bodu"), stav_(stav), cField_(new QLineEdit), popisPrumeru_(new QLabel),
      dnoBox_(new QCheckBox(T("Dno"))), zpusEdit_(new QGroupBox(T("Možné způsoby editace"))),
      zpusoby_(new QButtonGroup(this))
{
    setWindowTitle(T("Úprava dat hlavní tabulky"));
    cField_->setMaxLength(12);
    Validator1250::Hlidat(cField_, zpravy);

    using enum PoleBodu;
    const struct {
        PoleBodu pole;
        double nejmene, nejvice;
        int desetin;
    } rozsahy[] = {
        {YField, 0, 9999999, 2},  {XField, 0, 9999999, 2}, {ZdField, 0, 9999, 2}, {ZpField, 0, 9999, 2},
        {ZvField, 0, 9999, 2},    {ZoField, 0, 9999, 2},   {pField, -9999, 9999, 2}, {vField, -9999, 9999, 2},
        {oField, -9999, 9999, 2}, {PpField, -32768, 32767, 0},
    };
    for (const auto& r : rozsahy) {
        ciselnaPole_[r.pole] = new CiselnePole(r.nejmene, r.nejvice, r.desetin);
        popisy_[r.pole] = new QLabel;
        popisy_[r.pole]->setBuddy(ciselnaPole_[r.pole]);
    }
    popisy_[YField]->setText(T("Y"));
    popisy_[XField]->setText(T("X"));
    popisy_[vField]->setText(T("vtok"));
    popisy_[oField]->setText(T("odtok"));
    popisy_[PpField] = popisPrumeru_;
    auto* popisOznaceni = new QLabel;
    popisOznaceni->setBuddy(cField_);
    popisy_[cField] = popisOznaceni;
    popisPrumeru_->setBuddy(ciselnaPole_[PpField]);

    auto* mrizka = new QGridLayout;
    mrizka->addWidget(popisOznaceni, 0, 0);
    mrizka->addWidget(cField_, 0, 1);
    mrizka->addWidget(dnoBox_, 0, 3);
    // Each height stands beside the level it belongs to.
    const PoleBodu radkyMrizky[][2] = {
        {YField, XField}, {ZdField, ZdField}, {ZpField, pField}, {ZvField, vField}, {ZoField, oField}};
    for (int i = 0; i < 5; ++i) {
        const auto [vlevo, vpravo] = radkyMrizky[i];
        mrizka->addWidget(popisy_[vlevo], i + 1, 0);
        mrizka->addWidget(ciselnaPole_[vlevo], i + 1, 1);
        if (vpravo != vlevo) {
            mrizka->addWidget(popisy_[vpravo], i + 1, 2, Qt::AlignRight);
            mrizka->addWidget(ciselnaPole_[vpravo], i + 1, 3);
        }
    }
    mrizka->setColumnMinimumWidth(1, 120);
    mrizka->setColumnMinimumWidth(3, 120);
    mrizka->setColumnStretch(1, 1);
    mrizka->setColumnStretch(3, 1);
    auto* prumer = new QHBoxLayout;
    prumer->addWidget(popisPrumeru_, 1);
    prumer->addWidget(ciselnaPole_[PpField]);

    auto* zpusobyRozlozeni = new QVBoxLayout(zpusEdit_);
    for (int i = 0; i < PocetZpusobu; ++i) {
        auto* volba = new QRadioButton;
        zpusoby_->addButton(volba, i);
        zpusobyRozlozeni->addWidget(volba);
    }
    zpusoby_->button(0)->setChecked(true);
    connect(zpusoby_, &QButtonGroup::idClicked, this, &DialogBodu::PouzitZpusob);

    Rozlozit({mrizka, prumer, zpusEdit_});
    PouzitDruhSite(TDruhSite::Kanalizace);
}

QRadioButton* DialogBodu::Zpusob(ZpusobEditace zpusob) const
{
    return static_cast<QRadioButton*>(zpusoby_->button(static_cast<int>(zpusob)));
}

ZpusobEditace DialogBodu::AktualniZpusob() const
{
    return static_cast<ZpusobEditace>(zpusoby_->checkedId());
}

QWidget* DialogBodu::Widget(PoleBodu pole) const
{
    if (pole == PoleBodu::cField)
        return cField_;
    if (pole == PoleBodu::DnoBox)
        return dnoBox_;
    return ciselnaPole_.at(pole);
}

void DialogBodu::Zobrazit(PoleBodu pole, bool viditelne)
{
    Widget(pole)->setVisible(viditelne);
    popisy_.at(pole)->setVisible(viditelne);
}

void DialogBodu::PouzitDruhSite(TDruhSite druh)
{
    using enum PoleBodu;
    const bool kanalizace = druh == TDruhSite::Kanalizace;
    const bool vodovod = druh == TDruhSite::Vodovod;
    popisy_[cField]->setText(T(kanalizace ? "Označení šachty" : "Číslo bodu"));
    popisy_[ZdField]->setText(T(kanalizace ? "Z dna" : "Z potrubí"));
    popisy_[ZpField]->setText(T(kanalizace ? "Z poklopu" : vodovod ? "Z terénu" : "Z osy"));
    popisy_[ZvField]->setText(T("Z vtoku"));
    popisy_[ZoField]->setText(T("Z odtoku"));
    Zobrazit(ZdField, druh != TDruhSite::OsaKomunikace);
    Zobrazit(pField, druh != TDruhSite::OsaKomunikace);
    for (PoleBodu pole : {ZvField, ZoField, vField, oField})
        Zobrazit(pole, kanalizace);
    dnoBox_->setVisible(kanalizace);
    zpusEdit_->setVisible(druh != TDruhSite::OsaKomunikace);
    const char* texty[PocetZpusobu] = {
        "všechny Z", vodovod ? "Z potrubí + výšky od potrubí" : "Z dna + výšky od dna",
        vodovod ? "Z terénu + výšky od potrubí" : "Z poklopu + výšky od dna", "Z poklopu + hloubka od poklopu"};
    for (int i = 0; i < PocetZpusobu; ++i)
        zpusoby_->button(i)->setText(T(texty[i]));
}

void DialogBodu::PouzitZpusob()
{
    using enum PoleBodu;
    const ZpusobEditace zpusob = AktualniZpusob();
    const TVyskyBodu vysky = VyskyProZpusob(stav_.Projekt.Body[radek_], zpusob);
    ciselnaPole_[pField]->NastavitHodnotu(vysky.p);
    ciselnaPole_[vField]->NastavitHodnotu(vysky.v);
    ciselnaPole_[oField]->NastavitHodnotu(vysky.o);
    for (PoleBodu pole : {ZdField, ZpField, ZvField, ZoField, pField, vField, oField})
        ciselnaPole_[pole]->setEnabled(PovolenoPole(pole, zpusob));
    const bool kanalizace = stav_.Nastaveni.DruhSite == TDruhSite::Kanalizace;
    popisy_[pField]->setText(T(zpusob == ZpusobEditace::ZPoklopuHloubkaOdPoklopu ? "dno"
                                  : kanalizace                                     ? "poklop"
                                                                                   : "terén"));
}

void DialogBodu::Otevrit(int r, int sloupec)
{
    using enum PoleBodu;
    const auto& body = stav_.Projekt.Body;
    if (r < 1 || r > body.Pocet())
        return;
    radek_ = r;
    const TDruhSite druh = stav_.Nastaveni.DruhSite;
    PouzitDruhSite(druh);
    const bool sPrumerem = r != body.Pocet() && druh != TDruhSite::OsaKomunikace;
    Zobrazit(PpField, sPrumerem);
    if (sPrumerem) {
        ciselnaPole_[PpField]->NastavitHodnotu(body[r].Prumer);
        popisPrumeru_->setText(QString::fromStdString("Průměr potrubí mezi " + body[r].Oznaceni + " a "
                                                      + body[r + 1].Oznaceni + " (mm)"));
    }
    setWindowTitle(T("Záznam č. ") + QString::number(r));

    const TPoleBodu pole = NacistPoleBodu(body[r], AktualniZpusob());
    cField_->setText(QString::fromStdString(pole.Oznaceni));
    ciselnaPole_[YField]->NastavitHodnotu(pole.Y);
    ciselnaPole_[XField]->NastavitHodnotu(pole.X);
    ciselnaPole_[ZdField]->NastavitHodnotu(pole.Zd);
    ciselnaPole_[ZpField]->NastavitHodnotu(pole.Zp);
    ciselnaPole_[ZvField]->NastavitHodnotu(pole.Zv);
    ciselnaPole_[ZoField]->NastavitHodnotu(pole.Zo);
    PouzitZpusob();
    dnoBox_->setChecked(pole.Dno);

    ZobrazitRadek();
    if (const auto cil = PoleProSloupec(sloupec, AktualniZpusob()); cil && Widget(*cil)->isVisible())
        Widget(*cil)->setFocus();
}

void DialogBodu::Ulozit()
{
    using enum PoleBodu;
    const TPoleBodu pole{cField_->text().toStdString(),
                         ciselnaPole_[YField]->Hodnota(),
                         ciselnaPole_[XField]->Hodnota(),
                         ciselnaPole_[ZdField]->Hodnota(),
                         ciselnaPole_[ZpField]->Hodnota(),
                         ciselnaPole_[ZvField]->Hodnota(),
                         ciselnaPole_[ZoField]->Hodnota(),
                         ciselnaPole_[pField]->Hodnota(),
                         ciselnaPole_[vField]->Hodnota(),
                         ciselnaPole_[oField]->Hodnota(),
                         ciselnaPole_[PpField]->CelaHodnota(),
                         dnoBox_->isChecked()};
    UlozitPoleBodu(stav_, radek_, pole, AktualniZpusob());
}

} // namespace lineon::ui
