#pragma once

#include "data/PoleNastaveni.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace lineon::ui {

class SkupinaPrepinacu;

/// The automatic-conversion settings "Automatický převod": the survey codes that the conversion
/// recognises, the manhole label mode and the two fill-in switches. Every edit is stored in the
/// settings at once, and the fields are reloaded from them whenever the window (or the coordinate
/// list) becomes active. The window is laid out by the network kind: the fields a kind does not
/// use are hidden and the label mode moves up under the last field shown. It stays
/// above the main window.
class OknoAutomatickehoPrevodu : public QWidget {
    Q_OBJECT
public:
    OknoAutomatickehoPrevodu(TStav& stav, IZpravy& zpravy);

    /// Every field again from the settings.
    void Nacist();
    /// Fields, captions, height and the place of the label mode for the network kind.
    void PouzitDruhSite(TDruhSite druh);

signals:
    /// "Označení šachty" was changed here.
    void zpusobOznaceniZmenen();

protected:
    void changeEvent(QEvent* udalost) override;

private:
    /// A code field with its caption at a place of the window; returns the caption.
    QLabel* Pole(const TPoleNastaveni& nastaveni, const char* popis, int x, int sirkaPopisu, int radek);
    QCheckBox* Zaskrtavatko(const char* nazev, const char* popis, bool& cil, int x, int radek);

    TStav& stav_;
    IZpravy& zpravy_;
    std::vector<std::function<void()>> nacitace_;
    SkupinaPrepinacu* oznaceni_;
    QLabel* zPoklopu_ = nullptr;          ///< caption of the cover (or terrain) code
    QLabel* zDna_ = nullptr;              ///< caption of the bottom (or pipe) code, gone for a road axis
    std::vector<QWidget*> jenKanalizace_; ///< inlet, outlet and label fields with their captions and boxes
    int sirka_ = 0;
};

} // namespace lineon::ui
