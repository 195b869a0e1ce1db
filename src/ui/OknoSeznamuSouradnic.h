#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <QMainWindow>

#include <string>


class QAction;
class QListWidget;

namespace lineon::ui {

class HlavniOkno;
class VolbaSouboru;

/// The coordinate list "Seznam souřadnic": one line per imported survey point, from which points
/// are converted into the main window's tables, one at a time or all by their codes. It stays
/// above the main window; the two conversion settings windows are opened from its menus.
class OknoSeznamuSouradnic : public QMainWindow {
    Q_OBJECT
public:
    OknoSeznamuSouradnic(TStav& stav, IZpravy& zpravy, HlavniOkno& hlavniOkno);

    /// "Import": the import dialog, then the file into the list, which is shown. A file that
    /// cannot be read is reported and the list stays as it was.
    void Importovat(VolbaSouboru& volba);
    /// The same for the file `cesta` in the type last chosen in the import dialog.
    void ImportovatSoubor(const std::string& cesta);
    /// The list lines again from the coordinate list.
    void NaplnitSeznam();
    /// "Převod aktuálního řádku" (also a double-click or Enter on a line): the selected record into
    /// the focused row of the main window's tables, as the manual conversion is set.
    void PrevestAktualniRadek();
    /// "!Spustit automatický převod!": every coded record into rows.
    void SpustitAutomatickyPrevod();

    QListWidget& Seznam() const { return *seznam_; }
    QAction* AutomatickyPrevodDat() const { return automatickyPrevodDat_; }
    QAction* RucniPrevodDat() const { return rucniPrevodDat_; }
    QAction* Spustit() const { return spustit_; }
    QAction* PrevestCelySeznam() const { return prevestCelySeznam_; }
    QAction* PrevodAktualnihoRadku() const { return prevodAktualnihoRadku_; }
    QAction* NastaveniRucnihoPrevodu() const { return nastaveniRucnihoPrevodu_; }

signals:
    void zobrazitAutomatickyPrevod();
    void zobrazitRucniPrevod();
    /// The window became active: the automatic-conversion fields are reloaded from the settings.
    void aktivovano();
    /// The window was closed: the two settings windows close with it.
    void zavreno();

protected:
    void changeEvent(QEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    TStav& stav_;
    IZpravy& zpravy_;
    HlavniOkno& hlavniOkno_;
    QListWidget* seznam_;
    QAction* automatickyPrevodDat_;
    QAction* rucniPrevodDat_;
    QAction* spustit_;
    QAction* prevestCelySeznam_;
    QAction* prevodAktualnihoRadku_;
    QAction* nastaveniAutomatickehoPrevodu_;
    QAction* nastaveniRucnihoPrevodu_;
};

} // namespace lineon::ui
