#pragma once

#include "data/Stav.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;

namespace lineon::ui {

class SkupinaPrepinacu;

/// The manual-conversion settings "Ruční převod": which values of a surveyed point go into which
/// fields, where the row goes, how it is labelled and what kind of row it becomes. Only the
/// controls of the chosen "Typ" take input. It stays above the main window; every control names
/// itself as its control does, and every change is stored at once.
class OknoRucnihoPrevodu : public QWidget {
    Q_OBJECT
public:
    explicit OknoRucnihoPrevodu(TStav& stav);

    /// Every control again from the values in force (the label mode is shared with the automatic
    /// conversion).
    void Nacist();
    /// Captions and visible check boxes of the network kind.
    void PouzitDruhSite(TDruhSite druh);

signals:
    /// "Označení šachty" was changed here.
    void zpusobOznaceniZmenen();

protected:
    void showEvent(QShowEvent* udalost) override;

private:
    QCheckBox* Zaskrtavatko(const char* nazev, const char* popis, bool& cil);
    /// Enables only the controls of the chosen "Typ".
    void PovolitPodleTypu();

    TStav& stav_;
    std::vector<std::function<void()>> nacitace_;
    SkupinaPrepinacu* vkladatNa_;
    SkupinaPrepinacu* oznaceni_;
    SkupinaPrepinacu* typ_;
    QCheckBox* zDna_ = nullptr;             ///< "Z --> Z dna", gone for a road axis
    QCheckBox* zPoklopu_ = nullptr;         ///< "Z --> Z poklopu"
    std::vector<QWidget*> jenKanalizace_;   ///< inlet and outlet, for a sewer only
    std::vector<QWidget*> sachta_;          ///< the check boxes of a manhole
    QCheckBox* pripojka_ = nullptr;         ///< the check box of a connection or crossing
    std::vector<QWidget*> domovniSachta_;   ///< the check boxes of a house manhole
};

} // namespace lineon::ui
