#pragma once

#include <QAbstractTableModel>

namespace lineon::ui {

/// A table of the main window over one of the project's row tables: column 0 numbers the rows,
/// columns 1..9 are the fields. Redrawing tells the view which rows came or went at the end and
/// that every cell may have changed, so that the view keeps its cursor, selection and scroll
/// position; only a replaced table starts the view afresh.
class ModelRadku : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int PocetSloupcu = 10;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;

    /// Reads the row count and every cell again.
    void Prekreslit();
    /// The same after the table was replaced: the view forgets its cursor and scrolls to the top.
    void Nahradit();

protected:
    using QAbstractTableModel::QAbstractTableModel;

    /// The number of rows of the project's table.
    virtual int PocetRadku() const = 0;

private:
    int pocet_ = 0;
};

} // namespace lineon::ui
