#pragma once

#include "zaklad/Zpravy.h"

class QWidget;

namespace lineon::ui {

/// Messages of the desktop program as modal message boxes over a window.
class ZpravyOknem : public IZpravy {
public:
    /// `okno` is the window the boxes are centred on (none: the screen).
    explicit ZpravyOknem(QWidget* okno = nullptr) : okno_(okno) {}
    void NastavitOkno(QWidget* okno) { okno_ = okno; }

    void Oznamit(DruhZpravy druh, const std::string& text) override;
    bool VarovaniOkStorno(const std::string& text) override;
    Odpoved DotazAnoNeStorno(const std::string& text) override;
    bool DotazAnoNe(const std::string& text) override;

private:
    QWidget* okno_;
};

} // namespace lineon::ui
