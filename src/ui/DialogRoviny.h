#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"
#include "prikazy/InformaceORovine.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace lineon {
class INahledProfilu;
}

namespace lineon::ui {

class CiselnePole;

/// The comparison-plane dialog "Informace o srovnávací rovině": the plane, the points it may step
/// at, and its step, as the calculation proposed them. It stays above the main window and keeps
/// it disabled while it is open; OK draws the profile, the close box draws nothing. The values and
/// their rules are the core's `InformaceORovine`; the window only shows and forwards them.
class DialogRoviny : public QDialog {
    Q_OBJECT
public:
    DialogRoviny(TStav& stav, IZpravy& zpravy, QWidget* hlavniOkno);

    /// Opened by the calculation: the proposal into the fields, the points 2..N−1 into the check
    /// list with the proposed ones checked; the main window is disabled. OK draws into `nahled`.
    void Naplnit(INahledProfilu& nahled);
    /// "Posun srovnávací roviny u šachty" for a sewer, "... u bodu" otherwise.
    void PouzitDruhSite(TDruhSite druh);

    CiselnePole* srovField() const { return srovField_; }
    QListWidget* poscombo() const { return poscombo_; }
    CiselnePole* posSRField() const { return posSRField_; }
    QPushButton* OKButton() const { return okButton_; }
    QLabel* Label2() const { return label2_; }

public slots:
    /// The close box (and Escape): the check list is emptied, the main window enabled, nothing drawn.
    void reject() override;

private:
    /// OK: the fields and checks go to the core, which closes the dialog and draws the profile.
    /// A refusal keeps the dialog open; a failed drawing closes it and is reported.
    void Potvrdit();
    /// Hides the dialog with its check list emptied and enables the main window.
    void Skryt();

    TStav& stav_;
    IZpravy& zpravy_;
    INahledProfilu* nahled_ = nullptr;
    QWidget* hlavniOkno_;
    InformaceORovine informace_;
    CiselnePole* srovField_;
    QLabel* label2_;
    QListWidget* poscombo_;
    CiselnePole* posSRField_;
    QPushButton* okButton_;
};

} // namespace lineon::ui
