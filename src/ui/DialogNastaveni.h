#pragma once

#include "prikazy/DialogVystupu.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace lineon::ui {

class CiselnePole;

/// The outputs dialog "Nastavení": six pages holding every option of the outputs, no buttons,
/// closed by its close box. Each activation copies the mirrored settings in and disables the
/// windows registered with `PridatZakazaneOkno`; closing copies them back and enables those windows.
/// The dialog-only options are written into `TVystupy` as the user changes them. Every control
/// carries its name as its object name.
class DialogNastaveni : public QDialog {
    Q_OBJECT
public:
    DialogNastaveni(TStav& stav, IZpravy& zpravy);

    /// The menu command: shows the dialog without waiting.
    void Zobrazit();
    /// A window that takes no input while the dialog is active (the main window first).
    void PridatZakazaneOkno(QWidget* okno);
    /// Shows or hides the controls that depend on the network kind.
    void PouzitDruhSite(int druh);

    const TDialogVystupu& Hodnoty() const { return hodnoty_; }
    QTabWidget& Stranky() const { return *stranky_; }

public slots:
    /// Escape closes the dialog as its close box does.
    void reject() override;

protected:
    void changeEvent(QEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    QWidget* StrankaVystupy();
    QWidget* StrankaSituace();
    QWidget* StrankaProfil();
    QWidget* StrankaRovina();
    QWidget* StrankaUmisteni();
    QWidget* StrankaObsah();

    QCheckBox* Zaskrtavatko(const char* nazev, const char* popis, bool& cil);
    QRadioButton* Prepinac(const char* nazev, const char* popis, bool& cil);
    QLineEdit* Text(const char* nazev, std::string& cil);
    template <class Hodnota>
    CiselnePole* Cislo(const char* nazev, Hodnota& cil);
    QComboBox* Kombo(const char* nazev, std::string& cil);
    /// A caption that is enabled and shown with its field.
    QLabel* Popis(const char* text, QWidget* pole);
    /// Adds a row "caption field" to a grid.
    void Radek(QGridLayout* mrizka, const char* popis, QWidget* pole);
    void NaplnitOsoby();
    /// The rules that follow a click, then every check mark and enabling as they now stand.
    void PoKliknuti(const char* nazev);
    void ObnovitPovoleni();
    void Povolit(QWidget* pole, bool povoleno);
    void Zobrazit(QWidget* pole, bool viditelne);
    /// Copies the values into every control.
    void Nacist();

    TStav& stav_;
    IZpravy& zpravy_;
    TDialogVystupu hodnoty_;
    QTabWidget* stranky_;
    std::vector<std::function<void()>> nacitace_;
    std::vector<std::function<void()>> zaskrtnuti_;
    std::map<QWidget*, QLabel*> popisy_;
    std::vector<QComboBox*> osoby_;
    std::vector<QWidget*> zakazanaOkna_;
    /// The dialog lost the focus to a message of its own: coming back is no new activation.
    bool uPodrizenehoOkna_ = false;
};

} // namespace lineon::ui
