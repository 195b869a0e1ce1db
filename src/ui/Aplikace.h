#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace lineon::ui {

class DialogBodu;
class DialogNastaveni;
class DialogPripojky;
class DialogRoviny;
class HlavniOkno;
class OknoAutomatickehoPrevodu;
class OknoKontroly;
class OknoNahledu;
class OknoPsanehoProfilu;
class OknoRucnihoPrevodu;
class OknoSeznamuSouradnic;
class VedlejsiOkna;
class VolbaSouboru;
class VystupyOken;

/// The application object: owns the program-wide state and every window, starts them in their
/// order, connects the menu commands to the windows and writes the settings at the end.
class Aplikace : public QObject {
    Q_OBJECT
public:
    /// `souborNastaveni` and "$doplnky" beside it are read at start (when they exist) and written
    /// at the end.
    Aplikace(IZpravy& zpravy, VolbaSouboru& volbaSouboru, std::string souborNastaveni);
    ~Aplikace() override;

    /// Start-up: settings, caption and check marks, the other windows in their order, the main
    /// window shown; damaged settings lines are reported once.
    void Spustit();

    /// "Výpočet": the calculation with the outputs of the desktop program. A message of the
    /// calculation is shown as it comes; a file that an output cannot write is reported and ends
    /// the command.
    void Vypocet();

    /// A file given from outside (the command line, a drop on the main window): a project is
    /// opened as "Otevřít" does, a survey file imported as "Import" does, anything else refused.
    void OtevritZvenku(const std::string& cesta);

    TStav& Stav() { return *stav_; }
    IZpravy& Zpravy() { return zpravy_; }
    HlavniOkno& Okno() { return *okno_; }
    DialogBodu& Bod() { return *dialogBodu_; }
    DialogPripojky& Pripojka() { return *dialogPripojky_; }
    DialogNastaveni& Nastaveni() { return *dialogNastaveni_; }
    OknoPsanehoProfilu& Psany() { return *psany_; }
    OknoSeznamuSouradnic& Seznam() { return *seznam_; }
    OknoRucnihoPrevodu& RucniPrevod() { return *rucniPrevod_; }
    OknoAutomatickehoPrevodu& AutomatickyPrevod() { return *automatickyPrevod_; }
    DialogRoviny& Rovina() { return *rovina_; }
    OknoNahledu& Nahled() { return *nahled_; }
    OknoKontroly& Kontrola() { return *kontrola_; }

private:
    /// Reads the settings files; returns what is to be reported about them ("" for nothing).
    TZprava NacistNastaveni();
    /// Shutdown: the settings are written back; a failure is reported and the program still ends.
    void Ukoncit();
    void PripojitPrikazy();
    /// "Import" of a file: the tables stay as they are, so the written profile is read again and stays.
    void Importovat(const std::function<void()>& import);
    /// The side windows beside the main window, their kind-dependent parts, the shared label mode,
    /// and the written profile that follows the rows.
    void PripojitOkna();

    IZpravy& zpravy_;
    VolbaSouboru& volbaSouboru_;
    std::string souborNastaveni_;
    std::string souborDoplnku_;
    std::unique_ptr<TStav> stav_;
    std::unique_ptr<HlavniOkno> okno_;
    // The other windows are windows of their own, not children of the main window: the main
    // window is disabled while a dialog is open, and they must stay usable then.
    VedlejsiOkna* vedlejsi_ = nullptr;
    std::unique_ptr<OknoPsanehoProfilu> psany_;
    std::unique_ptr<DialogBodu> dialogBodu_;
    std::unique_ptr<OknoSeznamuSouradnic> seznam_;
    std::unique_ptr<OknoRucnihoPrevodu> rucniPrevod_;
    std::unique_ptr<OknoAutomatickehoPrevodu> automatickyPrevod_;
    std::unique_ptr<DialogRoviny> rovina_;
    std::unique_ptr<DialogNastaveni> dialogNastaveni_;
    std::unique_ptr<OknoNahledu> nahled_;
    std::unique_ptr<DialogPripojky> dialogPripojky_;
    std::unique_ptr<VystupyOken> vystupy_;
    std::unique_ptr<OknoKontroly> kontrola_;
};

} // namespace lineon::ui
