#pragma once

#include "prikazy/DavkoveVystupy.h"

namespace lineon::ui {

class DialogRoviny;
class OknoNahledu;
class OknoPsanehoProfilu;

/// The outputs of "Výpočet" in the desktop program: the files as the batch program writes them,
/// and besides them the written-profile window and the comparison-plane dialog.
class VystupyOken : public DavkoveVystupy {
public:
    VystupyOken(TStav& stav, OknoPsanehoProfilu& psany, DialogRoviny& rovina, OknoNahledu& nahled);

    /// The file with "do textového souboru"; then the window is filled with "na obrazovku", or
    /// hidden. A file that cannot be written leaves the window as it was.
    void PsanyProfil() override;
    /// The comparison-plane dialog with the proposal; its OK draws the profile into the preview.
    void OtevritRovinu() override;

    /// Before "Výpočet".
    void ZacitVypocet();
    /// After it, however it ended: a written-profile window that it did not fill shows what no
    /// longer stands, and closes.
    void DokoncitVypocet();

private:
    OknoPsanehoProfilu& psany_;
    DialogRoviny& rovina_;
    OknoNahledu& nahled_;
    bool psanyVyplnen_ = false;
};

} // namespace lineon::ui
