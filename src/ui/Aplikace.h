#pragma once

#include "data/Stav.h"
#include "data/Zpravy.h"

#include <QObject>

#include <memory>
#include <string>

namespace lineon::ui {

class DialogBodu;
class DialogNastaveni;
class DialogPripojky;
class HlavniOkno;
class VolbaSouboru;

/// The application object: owns the program-wide state and every window, starts them in their
/// order, connects the menu commands to the windows and writes the settings at the end.
class Aplikace : public QObject {
    Q_OBJECT
public:
    /// `souborNastaveni` is read at start (when it exists) and written at the end.
    Aplikace(IZpravy& zpravy, VolbaSouboru& volbaSouboru, std::string souborNastaveni);
    ~Aplikace() override;

    /// Start-up: settings, caption and check marks, the other windows in their order, the main
    /// window shown; damaged settings lines are reported once.
    void Spustit();

    TStav& Stav() { return *stav_; }
    HlavniOkno& Okno() { return *okno_; }
    DialogBodu& Bod() { return *dialogBodu_; }
    DialogPripojky& Pripojka() { return *dialogPripojky_; }
    DialogNastaveni& Nastaveni() { return *dialogNastaveni_; }

private:
    /// Reads the settings file; returns what is to be reported about it ("" for nothing).
    std::string NacistNastaveni();
    /// Shutdown: the settings are written back; a failure is reported and the program still ends.
    void Ukoncit();
    void PripojitPrikazy();

    IZpravy& zpravy_;
    VolbaSouboru& volbaSouboru_;
    std::string souborNastaveni_;
    std::unique_ptr<TStav> stav_;
    std::unique_ptr<HlavniOkno> okno_;
    DialogBodu* dialogBodu_ = nullptr;
    std::unique_ptr<DialogNastaveni> dialogNastaveni_; ///< a window of its own: it disables the main window
    DialogPripojky* dialogPripojky_ = nullptr;
};

} // namespace lineon::ui
