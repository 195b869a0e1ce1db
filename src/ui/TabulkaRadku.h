#pragma once

#include <QTableView>

namespace lineon::ui {

/// One table of the main window: whole rows selected, no editing in place but the check boxes,
/// rows opened by a double-click or Enter. The active row is the row of the cursor, counted from 1.
class TabulkaRadku : public QTableView {
    Q_OBJECT
public:
    explicit TabulkaRadku(QWidget* rodic = nullptr);

    /// The row of the cursor (1-based), 0 when the table has none.
    int AktivniRadek() const;
    /// The column of the cursor, 0 (row numbers) when the table has none.
    int AktivniSloupec() const;
    /// Puts the cursor on a row (kept within the table) and column.
    void NastavitKurzor(int radek, int sloupec);

signals:
    /// Double-click on a row or Enter.
    void otevritRadek();

protected:
    void keyPressEvent(QKeyEvent* udalost) override;
    void mouseDoubleClickEvent(QMouseEvent* udalost) override;
};

} // namespace lineon::ui
