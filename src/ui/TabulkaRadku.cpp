#include "ui/TabulkaRadku.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace lineon::ui {

TabulkaRadku::TabulkaRadku(QWidget* rodic) : QTableView(rodic)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
}

int TabulkaRadku::AktivniRadek() const
{
    const QModelIndex kurzor = currentIndex();
    return kurzor.isValid() ? kurzor.row() + 1 : 0;
}

int TabulkaRadku::AktivniSloupec() const
{
    const QModelIndex kurzor = currentIndex();
    return kurzor.isValid() ? kurzor.column() : 0;
}

void TabulkaRadku::NastavitKurzor(int radek, int sloupec)
{
    const int pocet = model()->rowCount();
    if (pocet == 0)
        return;
    const QModelIndex index = model()->index(std::clamp(radek, 1, pocet) - 1, std::clamp(sloupec, 0, model()->columnCount() - 1));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TabulkaRadku::keyPressEvent(QKeyEvent* udalost)
{
    if ((udalost->key() == Qt::Key_Return || udalost->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit otevritRadek();
        return;
    }
    QTableView::keyPressEvent(udalost);
}

void TabulkaRadku::mouseDoubleClickEvent(QMouseEvent* udalost)
{
    QTableView::mouseDoubleClickEvent(udalost);
    if (indexAt(udalost->position().toPoint()).isValid())
        emit otevritRadek();
}

} // namespace lineon::ui
