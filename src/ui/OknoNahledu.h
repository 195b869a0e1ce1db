#pragma once

#include "data/Stav.h"
#include "profile/NahledProfilu.h"
#include "profile/ZnackyNalezu.h"

#include <QWidget>

class QPainter;

#include <vector>

namespace lineon::ui {

/// The profile preview "Podélný profil": paints the preview list of the last drawing across its
/// whole width (lines, circles, texts as boxes standing on their insertion points), its height
/// following from the drawing's extents, and the findings of the checks as red marks at their
/// stationings (their texts as tool tips). Closing it empties the list and the marks.
class OknoNahledu : public QWidget, public INahledProfilu {
    Q_OBJECT
public:
    explicit OknoNahledu(TStav& stav);

    /// "na obrazovku": shown before a drawing, or hidden.
    void Zobrazit(bool zobrazit) override;
    /// After a drawing: the height for the new extents, then a repaint.
    void Prekreslit() override;
    /// The findings of the last calculation, marked on the drawing that follows it; none clears the marks.
    void Oznacit(std::vector<TNalez> nalezy);
    /// The marks on the drawing shown.
    std::vector<TZnackaNalezu> Znacky() const;

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void resizeEvent(QResizeEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;
    bool event(QEvent* udalost) override;

private:
    /// The height that shows the whole extents at the present width.
    void NastavitVysku();
    void KreslitZnacky(QPainter& kreslic, const std::vector<TZnackaNalezu>& znacky) const;

    TStav& stav_;
    std::vector<TNalez> nalezy_;
};

} // namespace lineon::ui
