#pragma once

#include "data/Stav.h"

#include "ui/ModelRadku.h"

namespace lineon::ui {

/// The connection table as the main window shows it, read-only and in place: column 0 numbers
/// the rows, columns 1..9 are the fields, with the same captions for every network kind.
class ModelPripojek : public ModelRadku {
    Q_OBJECT
public:
    ModelPripojek(TStav& stav, QObject* rodic);

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;

private:
    int PocetRadku() const override;

    TStav& stav_;
};

} // namespace lineon::ui
