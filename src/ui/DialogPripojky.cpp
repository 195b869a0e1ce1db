#include "ui/DialogPripojky.h"

#include "ui/CiselnePole.h"
#include "ui/Text.h"
#include "ui/Validator1250.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

constexpr int DelkaTextu = 10;
constexpr int Zp = 8;
constexpr int Zd = 9;
constexpr int Vyska = 10;

} // namespace

DialogPripojky::DialogPripojky(TStav& stav, IZpravy& zpravy, HlavniOkno& hlavniOkno)
    : RadkovyDialog(hlavniOkno, "Úprava přípojky"), stav_(stav), zpusoby_(new QButtonGroup(this))
{
    setWindowTitle(T("Úprava dat doplňkové tabulky"));
    const char* popisy[] = {"Typ",
                            "Označení přípojky",
                            "Y (přípojky, křížení)",
                            "X (přípojky, křížení)",
                            "Označení domovní šachty",
                            "Y domovní šachty",
                            "X domovní šachty",
                            "Z poklopu d. š.",
                            "Z dna d. š.",
                            "výška d. š."};
    // Whole digits allowed before the point: the connection's Y has six, the other numbers seven.
    const double nejvice[] = {0, 0, 999999.99, 9999999.99, 0, 9999999.99, 9999999.99, 9999999.99, 9999999.99, 9999999.99};
    auto* formular = new QFormLayout;
    for (int i = 1; i <= 10; ++i) {
        QLineEdit* pole;
        if (i == 1 || i == 2 || i == 5) {
            pole = new QLineEdit;
            pole->setMaxLength(DelkaTextu);
            Validator1250::Hlidat(pole, zpravy);
        } else {
            auto* cislo = new CiselnePole(0, nejvice[i - 1], 2);
            if (i >= Zp)
                connect(cislo, &CiselnePole::hodnotaZmenena, this, &DialogPripojky::Prepocitat);
            pole = cislo;
        }
        pole->setMinimumWidth(140);
        pole_[static_cast<std::size_t>(i - 1)] = pole;
        formular->addRow(T(popisy[i - 1]), pole);
    }

    auto* skupina = new QGroupBox(T("Způsoby editace výšky d.š."));
    auto* volby = new QVBoxLayout(skupina);
    const char* zpusoby[] = {"všechny Z", "Z dna + výška", "Z poklopu + výška"};
    for (int i = 0; i < 3; ++i) {
        auto* volba = new QRadioButton(T(zpusoby[i]));
        zpusoby_->addButton(volba, i);
        volby->addWidget(volba);
    }
    zpusoby_->button(0)->setChecked(true);
    connect(zpusoby_, &QButtonGroup::idClicked, this, &DialogPripojky::PouzitZpusob);

    Rozlozit({formular, skupina});
    PouzitZpusob();
}

CiselnePole* DialogPripojky::Cislo(int i) const
{
    return static_cast<CiselnePole*>(editprip(i));
}

QRadioButton* DialogPripojky::Zpusob(ZpusobEditaceVysky zpusob) const
{
    return static_cast<QRadioButton*>(zpusoby_->button(static_cast<int>(zpusob)));
}

ZpusobEditaceVysky DialogPripojky::AktualniZpusob() const
{
    return static_cast<ZpusobEditaceVysky>(zpusoby_->checkedId());
}

void DialogPripojky::PouzitZpusob()
{
    const TPovoleniDS povoleni = PovolenaPoleDS(AktualniZpusob());
    Cislo(Zp)->setEnabled(povoleni.ZPoklopu);
    Cislo(Zd)->setEnabled(povoleni.ZDna);
    Cislo(Vyska)->setEnabled(povoleni.Vyska);
}

void DialogPripojky::Prepocitat()
{
    // Only the derived field is rewritten: the one being typed in keeps its text.
    const ZpusobEditaceVysky zpusob = AktualniZpusob();
    const TUrovneDS urovne
        = lineon::Prepocitat({Cislo(Zp)->Hodnota(), Cislo(Zd)->Hodnota(), Cislo(Vyska)->Hodnota()}, zpusob);
    switch (zpusob) {
    case ZpusobEditaceVysky::VsechnyZ: Cislo(Vyska)->NastavitHodnotu(urovne.Vyska); break;
    case ZpusobEditaceVysky::ZDnaVyska: Cislo(Zp)->NastavitHodnotu(urovne.ZPoklopu); break;
    case ZpusobEditaceVysky::ZPoklopuVyska: Cislo(Zd)->NastavitHodnotu(urovne.ZDna); break;
    }
}

void DialogPripojky::NacistText(int i, const std::string& text)
{
    // A longer label from a file is shown whole, so that OK does not cut it.
    const QString hodnota = QString::fromStdString(text);
    editprip(i)->setMaxLength(std::max<int>(DelkaTextu, static_cast<int>(hodnota.size())));
    editprip(i)->setText(hodnota);
}

void DialogPripojky::Otevrit(int r, int sloupec)
{
    if (r < 1 || r > stav_.Projekt.PocetPripojek())
        return;
    radek_ = r;
    setWindowTitle(T("Záznam č. ") + QString::number(r));
    const TPolePripojky pole = NacistPolePripojky(stav_.Projekt.Pripojky[r]);
    NacistText(1, pole.Typ);
    NacistText(2, pole.OznaceniPripojky);
    Cislo(3)->NastavitHodnotu(pole.Y);
    Cislo(4)->NastavitHodnotu(pole.X);
    NacistText(5, pole.OznaceniDS);
    Cislo(6)->NastavitHodnotu(pole.YDS);
    Cislo(7)->NastavitHodnotu(pole.XDS);
    Cislo(Zp)->NastavitHodnotu(pole.Urovne.ZPoklopu);
    Cislo(Zd)->NastavitHodnotu(pole.Urovne.ZDna);
    Cislo(Vyska)->NastavitHodnotu(pole.Urovne.Vyska);
    PouzitZpusob();
    ZobrazitRadek();
    if (sloupec >= 1 && sloupec <= 9 && editprip(sloupec)->isEnabled())
        editprip(sloupec)->setFocus();
}

void DialogPripojky::Ulozit()
{
    const TPolePripojky pole{editprip(1)->text().toStdString(),
                             editprip(2)->text().toStdString(),
                             Cislo(3)->Hodnota(),
                             Cislo(4)->Hodnota(),
                             editprip(5)->text().toStdString(),
                             Cislo(6)->Hodnota(),
                             Cislo(7)->Hodnota(),
                             {Cislo(Zp)->Hodnota(), Cislo(Zd)->Hodnota(), Cislo(Vyska)->Hodnota()}};
    UlozitPolePripojky(stav_, radek_, pole);
}

} // namespace lineon::ui
