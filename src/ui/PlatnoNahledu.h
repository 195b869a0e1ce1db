#pragma once

#include "data/Vykres.h"
#include "malba/MalbaVykresu.h"
#include "profile/ZnackyNalezu.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace lineon::ui {

/// The surface of the profile preview: the drawing's entities in their layers' colours with real
/// texts, zoomed with the mouse wheel around the cursor, moved by dragging, fitted whole until the
/// user zooms; the findings of the checks as red marks at their stationings.
class PlatnoNahledu : public QWidget {
    Q_OBJECT
public:
    explicit PlatnoNahledu(const TVykres& vykres, QWidget* rodic = nullptr);

    /// "Celý výkres": the whole extents, centred.
    void CelyVykres();
    /// Zooms by `faktor` keeping the world point under `kolem` (pixels of this widget) in place.
    void Priblizit(double faktor, QPointF kolem);
    void NastavitPozadi(malba::Pozadi pozadi);
    /// The marks, each at a fraction of the extents' width.
    void NastavitZnacky(std::vector<TZnackaNalezu> znacky);

    const malba::TZobrazeni& Zobrazeni() const { return zobrazeni_; }
    malba::Pozadi Pozadi() const { return pozadi_; }
    /// The x in pixels of a mark at that fraction of the extents' width.
    double XZnacky(double podil) const;
    const std::vector<TZnackaNalezu>& Znacky() const { return znacky_; }

signals:
    /// The mouse at that world point; nothing when it left the surface.
    void Poloha(std::optional<QPointF> svet);

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void resizeEvent(QResizeEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;
    void leaveEvent(QEvent* udalost) override;
    bool event(QEvent* udalost) override;

private:
    void KreslitZnacky(QPainter& kreslic) const;

    const TVykres& vykres_;
    malba::TZobrazeni zobrazeni_;
    malba::Pozadi pozadi_ = malba::Pozadi::Tmave;
    bool celyVykres_ = true; ///< fitted whole until the user zooms or moves it
    std::optional<QPointF> tazeni_;
    std::vector<TZnackaNalezu> znacky_;
};

} // namespace lineon::ui
