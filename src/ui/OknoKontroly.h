#pragma once

#include "kontrola/Nalez.h"

#include <QWidget>

#include <vector>

class QTableWidget;

namespace lineon::ui {

/// "Kontrola linie": the findings of the checks after a calculation, in stationing order, one row
/// each with its kind, table row and text. A double-click asks for the row in its table.
class OknoKontroly : public QWidget {
    Q_OBJECT
public:
    OknoKontroly();

    /// Shows the findings, or closes the window when there are none.
    void Ukazat(const std::vector<TNalez>& nalezy);

    QTableWidget& Seznam() const { return *seznam_; }

signals:
    /// The row of a finding: a point (a section is its first point's row) or a connection.
    void ukazatRadek(bool pripojka, int radek);

private:
    QTableWidget* seznam_;
    std::vector<TNalez> nalezy_;
};

} // namespace lineon::ui
