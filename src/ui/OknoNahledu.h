#pragma once

#include "data/Stav.h"
#include "profile/NahledProfilu.h"
#include "profile/ZnackyNalezu.h"
#include "zaklad/Zpravy.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QLabel;
class QPrinter;

namespace lineon::ui {

class PlatnoNahledu;

/// The profile preview "Podélný profil": the last drawing as its file holds it, with zoom, pan and
/// "Celý výkres"; under the mouse the status line reads the stationing and level. Its height
/// follows from the drawing's extents at its width. The drawing goes to PDF at true scale (one
/// page or A3 sheets) and to the printer. The findings of the checks are red marks at their
/// stationings (their texts as tool tips). Closing it empties the preview list and the marks.
class OknoNahledu : public QMainWindow, public INahledProfilu {
    Q_OBJECT
public:
    OknoNahledu(TStav& stav, IZpravy& zpravy);
    ~OknoNahledu() override;

    /// "na obrazovku": shown before a drawing, or hidden.
    void Zobrazit(bool zobrazit) override;
    /// After a drawing: the height for the new extents, the whole drawing fitted, then a repaint.
    void Prekreslit() override;
    /// The findings of the last calculation, marked on the drawing that follows it; none clears the marks.
    void Oznacit(std::vector<TNalez> nalezy);
    /// The marks on the drawing shown.
    std::vector<TZnackaNalezu> Znacky() const;

    PlatnoNahledu& Platno() { return *platno_; }
    /// What the status line says of the point under the mouse.
    QString TextPolohy() const;
    /// Writes the drawing as PDF (on A3 sheets with "na listy A3"); a failure is reported.
    bool UlozitPdf(const std::string& cesta);
    /// Prints the drawing at true scale on the printer's paper, on as many sheets as it needs.
    bool Tisknout(QPrinter& tiskarna);

    QAction* CelyVykresAkce() const { return celyVykres_; }
    QAction* SvetlePozadi() const { return svetlePozadi_; }
    QAction* NaListyA3() const { return naListyA3_; }

protected:
    void resizeEvent(QResizeEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;

private:
    /// The height that shows the whole extents at the present width.
    void NastavitVysku();
    void UkazatPolohu(std::optional<QPointF> svet);
    void VybratPdf();
    void VybratTisk();

    TStav& stav_;
    IZpravy& zpravy_;
    PlatnoNahledu* platno_;
    QLabel* poloha_;
    QAction* celyVykres_;
    QAction* svetlePozadi_;
    QAction* naListyA3_;
    std::vector<TNalez> nalezy_;
};

} // namespace lineon::ui
