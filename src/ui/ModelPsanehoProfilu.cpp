#include "ui/ModelPsanehoProfilu.h"

#include "ui/BunkaTabulky.h"
#include "written/BunkyPsanehoProfilu.h"

namespace lineon::ui {

ModelPsanehoProfilu::ModelPsanehoProfilu(const TStav& stav, QObject* rodic) : QAbstractTableModel(rodic), stav_(stav)
{
    Naplnit();
}

int ModelPsanehoProfilu::rowCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : pocetRadku_;
}

int ModelPsanehoProfilu::columnCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : psany::PocetSloupcuOkna;
}

QVariant ModelPsanehoProfilu::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return bunka::Zarovnani(index.column() != 0);
    if (role != Qt::DisplayRole)
        return {};
    return bunka::Text(psany::BunkaOkna(stav_, index.row() + 1, index.column()));
}

QVariant ModelPsanehoProfilu::headerData(int sekce, Qt::Orientation smer, int role) const
{
    if (smer != Qt::Horizontal || role != Qt::DisplayRole || sekce < 0 || sekce >= psany::PocetSloupcuOkna)
        return {};
    return bunka::Text(nadpisy_[static_cast<std::size_t>(sekce)]);
}

void ModelPsanehoProfilu::Naplnit()
{
    beginResetModel();
    pocetRadku_ = stav_.Projekt.PocetBodu();
    nadpisy_ = psany::NadpisySloupcuOkna(stav_.Nastaveni.DruhSite, stav_.Nastaveni.Jazyk);
    endResetModel();
}

void ModelPsanehoProfilu::Obnovit()
{
    if (pocetRadku_ > 0)
        emit dataChanged(index(0, 0), index(pocetRadku_ - 1, psany::PocetSloupcuOkna - 1));
}

} // namespace lineon::ui
