#include "ui/ModelBodu.h"

#include "ui/BunkaTabulky.h"

#include <array>

namespace lineon::ui {

namespace {

// Captions of columns 1..9 for the kinds 1..3; an empty caption marks a hidden column.
constexpr std::array<std::array<const char*, 9>, 3> Nadpisy = {{
    {"Označení", "Y", "X", "Z dna", "Z poklopu", "Z vtoku", "Z odtoku", "Průměr", "Dno"},
    {"Číslo", "Y", "X", "Z potrubí", "Z terénu", "", "", "Průměr", ""},
    {"Číslo", "Y", "X", "", "Z osy", "", "", "", ""},
}};

} // namespace

ModelBodu::ModelBodu(TStav& stav, QObject* rodic) : ModelRadku(rodic), stav_(stav)
{
    Nahradit();
}

int ModelBodu::PocetRadku() const
{
    return stav_.Projekt.PocetBodu();
}

bool ModelBodu::Viditelny(int sloupec) const
{
    return sloupec == 0 || *Nadpisy[static_cast<std::size_t>(druh_) - 1][static_cast<std::size_t>(sloupec - 1)];
}

QVariant ModelBodu::data(const QModelIndex& index, int role) const
{
    const int sloupec = index.column();
    if (!index.isValid() || !Viditelny(sloupec))
        return {};
    const TBod& bod = stav_.Projekt.Body[index.row() + 1];
    if (sloupec == SloupecDno)
        return role == Qt::CheckStateRole ? QVariant(bod.Dno ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role == Qt::TextAlignmentRole)
        return bunka::Zarovnani(sloupec != 1);
    if (role != Qt::DisplayRole)
        return {};
    switch (sloupec) {
    case 0: return bunka::CeleCislo(index.row() + 1);
    case 1: return bunka::Text(bod.Oznaceni);
    case 2: return bunka::Cislo(bod.Y);
    case 3: return bunka::Cislo(bod.X);
    case 4: return bunka::Cislo(bod.ZDna);
    case 5: return bunka::Cislo(bod.ZPoklopu);
    case 6: return bunka::Cislo(bod.ZVtoku);
    case 7: return bunka::Cislo(bod.ZOdtoku);
    default: return bunka::CeleCislo(bod.Prumer);
    }
}

QVariant ModelBodu::headerData(int sekce, Qt::Orientation smer, int role) const
{
    if (smer != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (sekce == 0)
        return QString();
    return QString::fromUtf8(Nadpisy[static_cast<std::size_t>(druh_) - 1][static_cast<std::size_t>(sekce - 1)]);
}

Qt::ItemFlags ModelBodu::flags(const QModelIndex& index) const
{
    Qt::ItemFlags priznaky = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == SloupecDno && Viditelny(SloupecDno))
        priznaky |= Qt::ItemIsUserCheckable;
    return priznaky;
}

bool ModelBodu::setData(const QModelIndex& index, const QVariant& hodnota, int role)
{
    if (role != Qt::CheckStateRole || index.column() != SloupecDno || !Viditelny(SloupecDno))
        return false;
    emit zmenitDno(index.row() + 1, hodnota.toInt() == Qt::Checked);
    return true;
}

void ModelBodu::NastavitDruhSite(TDruhSite druh)
{
    if (druh == druh_)
        return;
    druh_ = druh;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    Prekreslit();
}

} // namespace lineon::ui
