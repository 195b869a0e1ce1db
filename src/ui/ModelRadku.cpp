#include "ui/ModelRadku.h"

namespace lineon::ui {

int ModelRadku::rowCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : pocet_;
}

int ModelRadku::columnCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : PocetSloupcu;
}

void ModelRadku::Prekreslit()
{
    const int pocet = PocetRadku();
    if (pocet > pocet_) {
        beginInsertRows({}, pocet_, pocet - 1);
        pocet_ = pocet;
        endInsertRows();
    } else if (pocet < pocet_) {
        beginRemoveRows({}, pocet, pocet_ - 1);
        pocet_ = pocet;
        endRemoveRows();
    }
    if (pocet_ > 0)
        emit dataChanged(index(0, 0), index(pocet_ - 1, PocetSloupcu - 1));
}

void ModelRadku::Nahradit()
{
    beginResetModel();
    pocet_ = PocetRadku();
    endResetModel();
}

} // namespace lineon::ui
