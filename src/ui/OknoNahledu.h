#pragma once

#include "data/Stav.h"
#include "profile/NahledProfilu.h"

#include <QWidget>

namespace lineon::ui {

/// The profile preview "Podélný profil": paints the preview list of the last drawing across its
/// whole width (lines, circles, texts as boxes standing on their insertion points), its height
/// following from the drawing's extents. Closing it empties the list.
class OknoNahledu : public QWidget, public INahledProfilu {
    Q_OBJECT
public:
    explicit OknoNahledu(TStav& stav);

    /// "na obrazovku": shown before a drawing, or hidden.
    void Zobrazit(bool zobrazit) override;
    /// After a drawing: the height for the new extents, then a repaint.
    void Prekreslit() override;

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void resizeEvent(QResizeEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;

private:
    /// The height that shows the whole extents at the present width.
    void NastavitVysku();

    TStav& stav_;
};

} // namespace lineon::ui
