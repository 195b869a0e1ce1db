#pragma once

#include "prikazy/DialogVystupu.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <QDialog>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace lineon::ui {

class CiselnePole;
class PoleData;

/// The outputs dialog "Nastavení": seven pages holding every option of the outputs and the limits of the checks, no buttons,
/// closed by its close box. Each activation copies the mirrored settings in and disables the
/// windows registered with `PridatZakazaneOkno`; closing copies them back and enables those windows.
/// The dialog-only options are written into `TVystupy` as the user changes them. The pages, their
/// controls and the rules between them come from `TabulkaNastaveni`; every control carries its
/// name as its object name.
class DialogNastaveni : public QDialog {
    Q_OBJECT
public:
    DialogNastaveni(TStav& stav, IZpravy& zpravy);

    /// The menu command: shows the dialog without waiting.
    void Zobrazit();
    /// A window that takes no input while the dialog is active (the main window first).
    void PridatZakazaneOkno(QWidget* okno);
    /// Shows or hides the controls that depend on the network kind.
    void PouzitDruhSite(TDruhSite druh);

    QTabWidget& Stranky() const { return *stranky_; }

public slots:
    /// Escape closes the dialog as its close box does.
    void reject() override;

protected:
    void changeEvent(QEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    /// A page: its rows of the table in order, a grid for each run of rows of one group.
    QWidget* Stranka(StrankaVystupu stranka);
    /// The control of row `i` in its place of the grid.
    void Umistit(QGridLayout* mrizka, std::size_t i);
    /// The control of row `i`, bound to its value.
    QWidget* Vytvorit(std::size_t i);
    QCheckBox* Zaskrtavatko(std::size_t i, bool& cil);
    QRadioButton* Prepinac(std::size_t i, bool& cil);
    QLineEdit* Text(std::size_t i, std::string& cil);
    template <class Hodnota>
    CiselnePole* Cislo(std::size_t i, Hodnota& cil);
    QComboBox* Kombo(std::size_t i, std::string& cil);
    PoleData* Datum(std::string& cil);
    QGroupBox* Volby(std::size_t i, std::int32_t& cil);
    QLineEdit* TabulkaSpadu(std::vector<TMinimalniSpad>& cil);
    /// The caption of the field of row `i`, enabled and shown with its field.
    QLabel* Popis(std::size_t i);
    void NaplnitOsoby();
    /// The rules that follow a click, then every check mark and enabling as they now stand.
    void PoKliknuti(std::size_t i);
    void ObnovitPovoleni();
    /// Enables or shows the control of row `i` with its caption.
    void Povolit(std::size_t i, bool povoleno);
    void Ukazat(std::size_t i, bool viditelne);
    /// Copies the values into every control.
    void Nacist();

    TStav& stav_;
    IZpravy& zpravy_;
    TDialogVystupu hodnoty_;
    QTabWidget* stranky_;
    std::vector<std::function<void()>> nacitace_;
    std::vector<std::function<void()>> zaskrtnuti_;
    std::array<QWidget*, TabulkaNastaveni.size()> ovladace_{}; ///< by row; nullptr for rows of other windows
    std::array<QLabel*, TabulkaNastaveni.size()> popisy_{};
    std::vector<QComboBox*> osoby_;
    std::vector<QWidget*> zakazanaOkna_;
    /// The dialog lost the focus to a message of its own: coming back is no new activation.
    bool uPodrizenehoOkna_ = false;
};

} // namespace lineon::ui
