#pragma once

#include "prikazy/ZmenaRadku.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QTableView;

namespace lineon::ui {

class ModelPsanehoProfilu;

/// The written-profile window "Psaný podélný profil": a heading in the output language above a
/// read-only table of the points, which can be printed as one page or whole and given another font. Its
/// columns fit their contents at any font, and the window widens to show them all as far as its
/// screen allows.
class OknoPsanehoProfilu : public QMainWindow {
    Q_OBJECT
public:
    OknoPsanehoProfilu(TStav& stav, IZpravy& zpravy);
    ~OknoPsanehoProfilu() override;

    /// After a calculation with "na obrazovku": the heading, the column headings of the network
    /// kind and language, the rows; the window is shown (or stays open).
    void Naplnit();
    /// After the main window's tables were redrawn: values changed in place show at once; when
    /// point rows were inserted, removed, reordered or replaced, the stationing, slopes and lengths
    /// of the last calculation no longer belong to the rows beside them, and the window closes.
    void SledovatRadky(ZmenaRadku zmena);

    /// Prints the heading and the visible part of the table as one page. With more copies asked
    /// for, the user confirms the others, and each of them is a print job of its own. Returns the
    /// number of pages printed.
    int Tisknout(QPrinter& tiskarna, int kopii);
    /// "Tisk celé tabulky ...": the heading and every row of the table in its font, on as many
    /// pages as they need, the column headings repeated on every page and each page numbered.
    /// False when the printer could not be started.
    bool TisknoutTabulku(QPrinter& tiskarna);

    QLabel& Nadpis() const { return *nadpis_; }
    QTableView& Tabulka() const { return *tabulka_; }
    QAction* Tisk() const { return tisk_; }
    QAction* TiskTabulky() const { return tiskTabulky_; }
    QAction* Font() const { return font_; }

private:
    /// "Nastavení tiskárny ...": the platform's printer set-up dialog.
    void NastavitTiskarnu();
    /// "Tisk ...": the platform's print dialog, then the pages.
    void VybratTisk();
    /// "Tisk celé tabulky ...": the platform's print dialog, then the pages.
    void VybratTiskTabulky();
    /// "Font": the platform's font dialog preset with the table's font.
    void VybratFont();
    /// One print job of one page; false when the printer could not be started.
    bool VytisknoutStranku(QPrinter& tiskarna);
    /// Every column as wide as its widest cell or heading. The window becomes as wide as the
    /// table (`jakoTabulka`), or only wider when the table no longer fits it.
    void PrizpusobitSloupce(bool jakoTabulka);

    TStav& stav_;
    IZpravy& zpravy_;
    QLabel* nadpis_;
    QTableView* tabulka_;
    ModelPsanehoProfilu* model_;
    std::unique_ptr<QPrinter> tiskarna_;
    QAction* nastaveniTiskarny_;
    QAction* tisk_;
    QAction* tiskTabulky_;
    QAction* font_;
};

} // namespace lineon::ui
