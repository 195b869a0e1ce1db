#pragma once

#include "data/Stav.h"
#include "written/NadpisyPsanehoProfilu.h"

#include <QAbstractTableModel>

#include <array>
#include <string>

namespace lineon::ui {

/// The table of the written-profile window: one row per point, columns 0..8, headings of the
/// network kind and language of the last calculation; the cells are read live from the project.
class ModelPsanehoProfilu : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelPsanehoProfilu(const TStav& stav, QObject* rodic);

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;

    /// Takes the headings of the kind and language in force and the number of points.
    void Naplnit();
    /// Every cell again, with the headings and rows of the last `Naplnit`.
    void Obnovit();

private:
    const TStav& stav_;
    int pocetRadku_ = 0;
    std::array<std::string, psany::PocetSloupcuOkna> nadpisy_;
};

} // namespace lineon::ui
