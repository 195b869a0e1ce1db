#pragma once

#include "prikazy/HistorieZmen.h"
#include "prikazy/ZmenaRadku.h"
#include "data/Stav.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Zpravy.h"
#include "ui/AkceHlavnihoOkna.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>

namespace lineon::ui {

class ModelBodu;
class ModelPripojek;
class TabulkaRadku;
class VolbaSouboru;


/// The main window: both tables of the project and the menus from which everything starts.
/// The commands of other windows (outputs dialog, row dialogs, calculation, import) are connected
/// to `Akce()` and to the signals below by the application object.
class HlavniOkno : public QMainWindow {
    Q_OBJECT
public:
    HlavniOkno(TStav& stav, IZpravy& zpravy, VolbaSouboru& volbaSouboru, QWidget* rodic = nullptr);

    // The "Soubor" commands; a file error is shown and ends the command.
    void Novy();
    void Otevrit();
    /// Opens the project `cesta` as "Otevřít" does after its dialog, unsaved changes asked about first.
    void OtevritSoubor(const std::string& cesta, FormatProjektu format);
    /// True when the project was written.
    bool Ulozit();
    /// True when the project was written, false when the dialog was cancelled or writing failed.
    bool UlozitJako();
    /// The unsaved-changes prompt; true when the calling command may go on.
    bool PotvrditUlozeni();

    /// Runs a command that may change the tables as the step `nazev` of "Zpět": a failure is
    /// shown; the caption, the tables and the undo items follow either way. A command that
    /// `preradi` the point rows, or changes their number, is a change of rows.
    void Provest(const std::string& nazev, const std::function<void()>& prikaz, bool preradi = false);
    /// "Zpět" and "Znovu" ("Úpravy").
    void Zpet();
    void Znovu();

    /// Rebuilds the caption from the program name, language, network kind and project file.
    void ObnovitTitulek();
    /// Redraws both tables after a command; the cursors, selections and scroll positions stay
    /// unless the command put another project in place. Tells the other windows through
    /// `tabulkyPrekresleny`.
    void PrekreslitTabulky(ZmenaRadku zmena = ZmenaRadku::Hodnoty);
    /// The network-kind command (k = 1, 2, 3): check mark, kind and caption, the table columns,
    /// and `druhSitePrepnut` for the kind-dependent parts of the other windows.
    void PrepnoutDruhSite(TDruhSite k);
    /// The language command ("CZ" or "SK"): check mark, `Jazyk` and caption.
    void PrepnoutJazyk(const std::string& jazyk);
    /// Puts the check marks of the language menu after the settings were read.
    void OznacitJazyk();
    /// The items of "Naposledy otevřené" from the list, numbered for the keyboard.
    void ObnovitNaposledy();
    /// Before the calculation reads the rows: with the cursor in "Dno", it steps to the column
    /// before and back, which ends a change of that cell still in progress.
    void PotvrditDno();

    const AkceHlavnihoOkna& Akce() const { return akce_; }
    TabulkaRadku& TabulkaBodu() const { return *tabulkaBodu_; }
    TabulkaRadku& TabulkaPripojek() const { return *tabulkaPripojek_; }

signals:
    /// The network kind was applied; other windows show or hide their kind-dependent controls.
    void druhSitePrepnut(TDruhSite druh);
    /// Double-click or Enter in the point table outside the "Dno" column: row and column of the cursor.
    void otevritBod(int radek, int sloupec);
    /// Double-click or Enter in the connection table.
    void otevritPripojku(int radek, int sloupec);
    /// The window was allowed to close; the program ends.
    void zavreno();
    /// Both tables were redrawn after a command that changed rows as stated.
    void tabulkyPrekresleny(ZmenaRadku zmena);
    /// A project or survey file was dropped on the window.
    void otevritSoubor(const std::string& cesta);

protected:
    void changeEvent(QEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;
    /// One local file of a kind the program opens can be dropped on the window.
    void dragEnterEvent(QDragEnterEvent* udalost) override;
    void dropEvent(QDropEvent* udalost) override;

private:
    void VytvoritMenu();
    /// The shortcuts of the menu commands; those of the row commands work where their table has
    /// the focus.
    void NastavitKlavesy();
    void VytvoritKontextoveMenu();
    void PripojitUpravy();
    /// Runs a file command: a failure is shown and counts as not done; a command done is the
    /// change `hotovo` of the rows.
    bool ZkusitSoubor(const std::function<bool()>& prikaz, ZmenaRadku hotovo = ZmenaRadku::Hodnoty);
    /// A file command that may put another project in place, as the step `nazev`.
    void ZmenitProjekt(const std::string& nazev, const std::function<bool()>& prikaz);
    /// A save that was done: the other states of the project differ from the file now.
    bool Ulozeno(bool ulozeno);
    /// After "Zpět" or "Znovu": the caption and the tables follow the step, when there was one.
    void PoKroku(std::optional<ZmenaRadku> zmena);
    /// The undo items name their steps, or stand disabled without one.
    void ObnovitZpet();
    /// The project in force goes to the top of "Naposledy otevřené".
    void Zapamatovat();
    /// An item of "Naposledy otevřené": a project that is gone is told and taken off the list.
    void OtevritNaposledy(std::string cesta);

    TStav& stav_;
    IZpravy& zpravy_;
    VolbaSouboru& volbaSouboru_;
    FormatProjektu typUlozeni_ = FormatProjektu::Tabulka; ///< the save dialog remembers its file type
    AkceHlavnihoOkna akce_;
    QMenu* naposledy_ = nullptr;
    HistorieZmen historie_;
    ModelBodu* modelBodu_;
    ModelPripojek* modelPripojek_;
    TabulkaRadku* tabulkaBodu_;
    TabulkaRadku* tabulkaPripojek_;
};

} // namespace lineon::ui
