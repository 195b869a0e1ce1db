#include "ui/PlatnoNahledu.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace lineon::ui {

namespace {

/// One notch of the wheel zooms by a quarter.
constexpr double KrokPriblizeni = 1.25;

} // namespace

PlatnoNahledu::PlatnoNahledu(const TVykres& vykres, QWidget* rodic) : QWidget(rodic), vykres_(vykres)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PlatnoNahledu::CelyVykres()
{
    celyVykres_ = true;
    const double sirka = vykres_.maxX - vykres_.minX;
    const double vyska = vykres_.maxY - vykres_.minY;
    if (!(sirka > 0 && vyska > 0) || width() <= 0 || height() <= 0) {
        update();
        return;
    }
    const double meritko = std::min(width() / sirka, height() / vyska);
    zobrazeni_ = {meritko, (vykres_.minX + vykres_.maxX) / 2 - width() / (2 * meritko),
                  (vykres_.minY + vykres_.maxY) / 2 + height() / (2 * meritko)};
    update();
}

void PlatnoNahledu::Priblizit(double faktor, QPointF kolem)
{
    celyVykres_ = false;
    const double x = zobrazeni_.X(kolem.x());
    const double y = zobrazeni_.Y(kolem.y());
    // From a whole sheet down to a millimetre across the window, and no further.
    const double sirka = std::max(vykres_.maxX - vykres_.minX, 1e-9);
    const double meritko = std::clamp(zobrazeni_.meritko * faktor, 0.2 * width() / sirka, 1e6);
    zobrazeni_ = {meritko, x - kolem.x() / meritko, y + kolem.y() / meritko};
    update();
}

void PlatnoNahledu::NastavitPozadi(malba::Pozadi pozadi)
{
    pozadi_ = pozadi;
    update();
}

void PlatnoNahledu::NastavitZnacky(std::vector<TZnackaNalezu> znacky)
{
    znacky_ = std::move(znacky);
    update();
}

double PlatnoNahledu::XZnacky(double podil) const
{
    return zobrazeni_.Na(vykres_.minX + podil * (vykres_.maxX - vykres_.minX), 0).x();
}

void PlatnoNahledu::paintEvent(QPaintEvent*)
{
    QPainter kreslic(this);
    kreslic.fillRect(rect(), malba::BarvaPozadi(pozadi_));
    kreslic.setRenderHint(QPainter::Antialiasing);
    kreslic.setRenderHint(QPainter::TextAntialiasing);
    malba::Malovat(kreslic, vykres_, zobrazeni_, pozadi_);
    KreslitZnacky(kreslic);
}

// A red line down the whole height at the finding's stationing, under a red triangle at the top:
// an error drawn wider, information dashed.
void PlatnoNahledu::KreslitZnacky(QPainter& kreslic) const
{
    const QColor cervena(230, 30, 30);
    kreslic.setRenderHint(QPainter::Antialiasing, false);
    for (const TZnackaNalezu& znacka : znacky_) {
        const double x = XZnacky(znacka.x);
        QPen pero(cervena, znacka.Druh == DruhNalezu::Chyba ? 2 : 1);
        if (znacka.Druh == DruhNalezu::Informace)
            pero.setStyle(Qt::DashLine);
        kreslic.setPen(pero);
        kreslic.drawLine(QPointF(x, 0), QPointF(x, height()));
        kreslic.setPen(Qt::NoPen);
        kreslic.setBrush(cervena);
        const QPointF trojuhelnik[] = {{x - 5, 0}, {x + 5, 0}, {x, 9}};
        kreslic.drawPolygon(trojuhelnik, 3);
        kreslic.setBrush(Qt::NoBrush);
    }
}

void PlatnoNahledu::resizeEvent(QResizeEvent* udalost)
{
    QWidget::resizeEvent(udalost);
    if (celyVykres_)
        CelyVykres();
    update();
}

void PlatnoNahledu::wheelEvent(QWheelEvent* udalost)
{
    const double zarezy = udalost->angleDelta().y() / 120.0;
    if (zarezy != 0)
        Priblizit(std::pow(KrokPriblizeni, zarezy), udalost->position());
    udalost->accept();
}

void PlatnoNahledu::mousePressEvent(QMouseEvent* udalost)
{
    if (udalost->button() == Qt::LeftButton || udalost->button() == Qt::MiddleButton) {
        tazeni_ = udalost->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void PlatnoNahledu::mouseMoveEvent(QMouseEvent* udalost)
{
    const QPointF mys = udalost->position();
    if (tazeni_) {
        celyVykres_ = false;
        const QPointF posun = mys - *tazeni_;
        zobrazeni_.x0 -= posun.x() / zobrazeni_.meritko;
        zobrazeni_.y0 += posun.y() / zobrazeni_.meritko;
        tazeni_ = mys;
        update();
    }
    emit Poloha(QPointF(zobrazeni_.X(mys.x()), zobrazeni_.Y(mys.y())));
}

void PlatnoNahledu::mouseReleaseEvent(QMouseEvent*)
{
    tazeni_.reset();
    setCursor(Qt::CrossCursor);
}

void PlatnoNahledu::leaveEvent(QEvent*)
{
    emit Poloha(std::nullopt);
}

bool PlatnoNahledu::event(QEvent* udalost)
{
    if (udalost->type() != QEvent::ToolTip)
        return QWidget::event(udalost);
    const auto* pomoc = static_cast<QHelpEvent*>(udalost);
    QStringList texty;
    for (const TZnackaNalezu& znacka : znacky_)
        if (std::abs(XZnacky(znacka.x) - pomoc->pos().x()) <= 4)
            texty << QString::fromStdString(znacka.Text);
    if (texty.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(pomoc->globalPos(), texty.join(QLatin1Char('\n')), this);
    return true;
}

} // namespace lineon::ui
