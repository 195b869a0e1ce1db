#pragma once

#include "data/Stav.h"

#include "ui/ModelRadku.h"

namespace lineon::ui {

/// The point table as the main window shows it, read in place from the project: column 0 numbers
/// the rows, columns 1..9 are the fields; the captions and the hidden columns follow the network
/// kind last applied. A hidden column keeps its place with an empty caption and no values.
class ModelBodu : public ModelRadku {
    Q_OBJECT
public:
    static constexpr int SloupecDno = 9;

    ModelBodu(TStav& stav, QObject* rodic);

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// A click on "Dno" asks for the change through `zmenitDno`, so that it is one step of the
    /// window's commands.
    bool setData(const QModelIndex& index, const QVariant& hodnota, int role) override;

    /// Applies the captions and visibility of a network kind (1, 2 or 3).
    void NastavitDruhSite(TDruhSite druh);
    /// Whether a column shows values in the kind last applied.
    bool Viditelny(int sloupec) const;

signals:
    /// "Dno" of point row `radek` (1-based) is to become `dno`.
    void zmenitDno(int radek, bool dno);

private:
    int PocetRadku() const override;

    TStav& stav_;
    TDruhSite druh_ = TDruhSite::Kanalizace;
};

} // namespace lineon::ui
