#include "ui/OknoNahledu.h"

#include "profile/VyskaNahledu.h"
#include "profile/TvarNahledu.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace lineon::ui {

OknoNahledu::OknoNahledu(TStav& stav) : QWidget(nullptr, Qt::Tool), stav_(stav)
{
    setWindowTitle(QString::fromUtf8("Podélný profil"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(800, 300);
}

void OknoNahledu::Zobrazit(bool zobrazit)
{
    if (!zobrazit) {
        hide();
        return;
    }
    show();
    raise();
}

void OknoNahledu::Prekreslit()
{
    NastavitVysku();
    update();
}

void OknoNahledu::Oznacit(std::vector<TNalez> nalezy)
{
    nalezy_ = std::move(nalezy);
    update();
}

std::vector<TZnackaNalezu> OknoNahledu::Znacky() const
{
    if (stav_.SeznamKresby.empty())
        return {};
    return ZnackyNalezu(nalezy_, stav_.RozsahProfilu);
}

void OknoNahledu::NastavitVysku()
{
    const TRozsahProfilu& rozsah = stav_.RozsahProfilu;
    if (rozsah.Vpravo <= rozsah.Vlevo)
        return;
    const int vyska = VyskaNahledu(rozsah, width());
    if (vyska != height())
        resize(width(), vyska);
}

void OknoNahledu::paintEvent(QPaintEvent*)
{
    QPainter kreslic(this);
    kreslic.fillRect(rect(), Qt::white);
    kreslic.setPen(QPen(Qt::black, 0));
    kreslic.setBrush(Qt::NoBrush);
    const int s = width();
    for (const KresData& polozka : stav_.SeznamKresby) {
        const auto tvar = TvarNahledu(polozka, s);
        if (!tvar)
            continue;
        switch (tvar->druh) {
        case TTvarNahledu::Druh::Cara:
            kreslic.drawLine(tvar->x1, tvar->y1, tvar->x2, tvar->y2);
            break;
        case TTvarNahledu::Druh::Elipsa:
            kreslic.drawEllipse(tvar->x1, tvar->y1, tvar->x2 - tvar->x1, tvar->y2 - tvar->y1);
            break;
        case TTvarNahledu::Druh::Obdelnik:
            kreslic.drawRect(tvar->x1, tvar->y1, tvar->x2 - tvar->x1, tvar->y2 - tvar->y1);
            break;
        }
    }
    KreslitZnacky(kreslic, Znacky());
}

// A red line down the whole height at the finding's stationing, under a red triangle at the top:
// an error drawn wider, information dashed.
void OknoNahledu::KreslitZnacky(QPainter& kreslic, const std::vector<TZnackaNalezu>& znacky) const
{
    const QColor cervena(220, 0, 0);
    for (const TZnackaNalezu& znacka : znacky) {
        const double x = znacka.x * width();
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

bool OknoNahledu::event(QEvent* udalost)
{
    if (udalost->type() != QEvent::ToolTip)
        return QWidget::event(udalost);
    const auto* pomoc = static_cast<QHelpEvent*>(udalost);
    QStringList texty;
    for (const TZnackaNalezu& znacka : Znacky())
        if (std::abs(znacka.x * width() - pomoc->pos().x()) <= 4)
            texty << QString::fromStdString(znacka.Text);
    if (texty.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(pomoc->globalPos(), texty.join(QLatin1Char('\n')), this);
    return true;
}

void OknoNahledu::resizeEvent(QResizeEvent* udalost)
{
    QWidget::resizeEvent(udalost);
    NastavitVysku();
    update();
}

void OknoNahledu::closeEvent(QCloseEvent* udalost)
{
    stav_.SeznamKresby.clear();
    nalezy_.clear();
    udalost->accept();
}

} // namespace lineon::ui
