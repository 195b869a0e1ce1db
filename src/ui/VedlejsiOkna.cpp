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
            bezRamecku_.push_back(okno);
        }
    } else if ((typ == QEvent::Move || typ == QEvent::Resize) && okno->isVisible() && Obsahuje(bezRamecku_, okno)) {
        if (okno->frameGeometry().size() != okno->size()) {
            std::erase(bezRamecku_, okno);
            Umistit(*okno);
        }
    } else if (typ == QEvent::Resize && okno->isVisible() && Obsahuje(umistena_, okno)) {
        // The program made the window larger: it goes back onto the screen.
        const QRect ramecek = okno->frameGeometry();
        if (const QRect naObrazovce = PosunoutNaObrazovku(ramecek, Zahlavi(), Obrazovka()); naObrazovce != ramecek)
            okno->move(naObrazovce.topLeft());
    }
    return false;
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
    // A window that was never shown has no frame yet; the main window's frame stands for it.
    const bool maRamecek = okno.frameGeometry().size() != okno.size();
    const QWidget& vzor = maRamecek ? okno : static_cast<QWidget&>(hlavni_);
    const QPoint vlevoNahore = vzor.geometry().topLeft() - vzor.frameGeometry().topLeft();
    const QSize ramecek = okno.size() + (vzor.frameGeometry().size() - vzor.size());
    std::vector<QRect> otevrena;
    for (const QWidget* jine : vedle_)
        if (jine != &okno && jine->isVisible())
            otevrena.push_back(jine->frameGeometry());
    const QPoint misto = MistoVedleOkna(ramecek, hlavni_.frameGeometry(), Zahlavi(), Obrazovka(), otevrena);
    okno.setGeometry(QRect(misto + vlevoNahore, okno.size()));
}

} // namespace lineon::ui
