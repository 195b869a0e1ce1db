#pragma once

#include "prikazy/EditaceBodu.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"
#include "ui/RadkovyDialog.h"

#include <map>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace lineon::ui {

class CiselnePole;

/// The point dialog: one row of the point table in full, its levels entered absolutely or as one
/// level plus heights from the bottom or the cover. The way of entry is kept between uses.
class DialogBodu : public RadkovyDialog {
    Q_OBJECT
public:
    DialogBodu(TStav& stav, IZpravy& zpravy, HlavniOkno& hlavniOkno);

    /// Opens the dialog for point row r; the focus goes to the field of table column `sloupec`.
    void Otevrit(int r, int sloupec);

    QLineEdit* cField() const { return cField_; }
    CiselnePole* Pole(PoleBodu pole) const { return ciselnaPole_.at(pole); }
    QCheckBox* DnoBox() const { return dnoBox_; }
    QLabel* PopisPrumeru() const { return popisPrumeru_; }
    QLabel* Popis(PoleBodu pole) const { return popisy_.at(pole); }
    QGroupBox* ZpusEdit() const { return zpusEdit_; }
    QRadioButton* Zpusob(ZpusobEditace zpusob) const;

protected:
    void Ulozit() override;

private:
    ZpusobEditace AktualniZpusob() const;
    /// Reloads the heights from the stored row and enables the fields of the way of entry.
    void PouzitZpusob();
    /// Captions and visible fields of the network kind.
    void PouzitDruhSite(TDruhSite druh);
    QWidget* Widget(PoleBodu pole) const;
    /// Shows or hides a field with its caption.
    void Zobrazit(PoleBodu pole, bool viditelne);

    TStav& stav_;
    QLineEdit* cField_;
    std::map<PoleBodu, CiselnePole*> ciselnaPole_;
    std::map<PoleBodu, QLabel*> popisy_;
    QLabel* popisPrumeru_;
    QCheckBox* dnoBox_;
    QGroupBox* zpusEdit_;
    QButtonGroup* zpusoby_;
};

} // namespace lineon::ui
