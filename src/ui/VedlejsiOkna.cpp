#include "ui/VedlejsiOkna.h"

#include "ui/MistoVedleOkna.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace lineon::ui {

namespace {

bool Obsahuje(const std::vector<QWidget*>& okna, const QWidget* okno)
{
    return std::find(okna.begin(), okna.end(), okno) != okna.end();
}

} // namespace

VedlejsiOkna::VedlejsiOkna(QMainWindow& hlavni) : QObject(&hlavni), hlavni_(hlavni) {}

void VedlejsiOkna::PridatVedle(QWidget& okno)
{
    vedle_.push_back(&okno);
    PridatNad(okno);
}

void VedlejsiOkna::PridatNad(QWidget& okno)
{
    okno.installEventFilter(this);
}

bool VedlejsiOkna::eventFilter(QObject* objekt, QEvent* udalost)
{
    auto* okno = qobject_cast<QWidget*>(objekt);
    if (!okno)
        return false;
    const auto typ = udalost->type();
    if (typ == QEvent::Show) {
        // The window exists in the window system by now, but is not on the screen yet.
        if (QWindow* vlastni = okno->windowHandle())
            vlastni->setTransientParent(hlavni_.windowHandle());
        if (Obsahuje(vedle_, okno) && !Obsahuje(umistena_, okno) && hlavni_.isVisible()) {
            Umistit(*okno);
            umistena_.push_back(okno);
        }
    } else if (typ == QEvent::Resize && okno->isVisible() && Obsahuje(umistena_, okno)) {
        // The program made the window larger: it goes back onto the screen.
        const QRect ramecek = Ramecek(*okno);
        if (const QRect naObrazovce = PosunoutNaObrazovku(ramecek, Zahlavi(), Obrazovka()); naObrazovce != ramecek)
            Presunout(*okno, naObrazovce.topLeft());
    }
    return false;
}

QRect VedlejsiOkna::Ramecek(const QWidget& okno) const
{
    // Where the window system has not told the frame (never shown, or not at all), the main
    // window's frame stands for it.
    if (okno.frameGeometry().size() != okno.size())
        return okno.frameGeometry();
    const QRect hlavni = hlavni_.frameGeometry();
    const QRect klient = hlavni_.geometry();
    return okno.geometry().adjusted(hlavni.left() - klient.left(), hlavni.top() - klient.top(),
                                    hlavni.right() - klient.right(), hlavni.bottom() - klient.bottom());
}

void VedlejsiOkna::Presunout(QWidget& okno, QPoint ramecek)
{
    okno.setGeometry(okno.geometry().translated(ramecek - Ramecek(okno).topLeft()));
}

QRect VedlejsiOkna::Zahlavi() const
{
    const QMenuBar* menu = hlavni_.menuBar();
    const int spodek = menu->mapToGlobal(QPoint(0, menu->height())).y() - 1;
    const QRect hlavni = hlavni_.frameGeometry();
    return QRect(hlavni.topLeft(), QPoint(hlavni.right(), spodek));
}

QRect VedlejsiOkna::Obrazovka() const
{
    return hlavni_.screen()->availableGeometry();
}

void VedlejsiOkna::Umistit(QWidget& okno)
{
    std::vector<QRect> otevrena;
    for (const QWidget* jine : vedle_)
        if (jine != &okno && jine->isVisible())
            otevrena.push_back(Ramecek(*jine));
    Presunout(okno, MistoVedleOkna(Ramecek(okno).size(), hlavni_.frameGeometry(), Zahlavi(), Obrazovka(), otevrena));
}

} // namespace lineon::ui
