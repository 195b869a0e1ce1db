#include "ui/ModelPripojek.h"

#include "ui/BunkaTabulky.h"

#include <array>

namespace lineon::ui {

namespace {

constexpr std::array<const char*, 9> Nadpisy = {"Typ", "Ozn. př.", "Y příp., kříž.", "X příp., kříž.", "Ozn. d.š.",
                                                 "Y dom. šachty", "X dom. šachy", "Z pokl. d.š.", "Z dna d.š. "};

bool JeText(int sloupec) { return sloupec == 1 || sloupec == 2 || sloupec == 5; }

} // namespace

ModelPripojek::ModelPripojek(TStav& stav, QObject* rodic) : ModelRadku(rodic), stav_(stav)
{
    Nahradit();
}

int ModelPripojek::PocetRadku() const
{
    return stav_.Projekt.PocetPripojek();
}

QVariant ModelPripojek::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int sloupec = index.column();
    if (role == Qt::TextAlignmentRole)
        return bunka::Zarovnani(!JeText(sloupec));
    if (role != Qt::DisplayRole)
        return {};
    const TPripojka& p = stav_.Projekt.Pripojky[index.row() + 1];
    switch (sloupec) {
    case 0: return bunka::CeleCislo(index.row() + 1);
    case 1: return bunka::Text(p.Typ);
    case 2: return bunka::Text(p.OznaceniPripojky);
    case 3: return bunka::Cislo(p.Y);
    case 4: return bunka::Cislo(p.X);
    case 5: return bunka::Text(p.OznaceniDS);
    case 6: return bunka::Cislo(p.YDS);
    case 7: return bunka::Cislo(p.XDS);
    case 8: return bunka::Cislo(p.ZPoklopuDS);
    default: return bunka::Cislo(p.ZDnaDS);
    }
}

QVariant ModelPripojek::headerData(int sekce, Qt::Orientation smer, int role) const
{
    if (smer != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return sekce == 0 ? QString() : QString::fromUtf8(Nadpisy[static_cast<std::size_t>(sekce - 1)]);
}

} // namespace lineon::ui
