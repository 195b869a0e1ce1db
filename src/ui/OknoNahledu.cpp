#include "ui/OknoNahledu.h"

#include "profile/VyskaNahledu.h"
#include "profile/TvarNahledu.h"

#include <QCloseEvent>
#include <QPainter>

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
    udalost->accept();
}

} // namespace lineon::ui
