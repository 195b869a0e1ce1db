#pragma once

#include "prikazy/EditacePripojky.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"
#include "ui/RadkovyDialog.h"

#include <array>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace lineon::ui {

class CiselnePole;

/// The connection dialog: one row of the connection table in full; the house manhole's cover
/// level, bottom level and height are kept consistent while the user types.
class DialogPripojky : public RadkovyDialog {
    Q_OBJECT
public:
    DialogPripojky(TStav& stav, IZpravy& zpravy, HlavniOkno& hlavniOkno);

    /// Opens the dialog for connection row r; the focus goes to the field of table column `sloupec`.
    void Otevrit(int r, int sloupec);

    /// The fields editprip1..editprip10 (texts are 1, 2 and 5).
    QLineEdit* editprip(int i) const { return pole_.at(static_cast<std::size_t>(i - 1)); }
    CiselnePole* Cislo(int i) const;
    QRadioButton* Zpusob(ZpusobEditaceVysky zpusob) const;

protected:
    void Ulozit() override;

private:
    ZpusobEditaceVysky AktualniZpusob() const;
    void PouzitZpusob();
    /// Derives the third of cover, bottom and height from the two the way of entry takes.
    void Prepocitat();
    void NacistText(int i, const std::string& text);

    TStav& stav_;
    std::array<QLineEdit*, 10> pole_{};
    QButtonGroup* zpusoby_;
};

} // namespace lineon::ui
