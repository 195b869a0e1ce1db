#pragma once

#include "data/Zpravy.h"

namespace lineon::ui {

/// Messages of the desktop program while it takes pictures of its windows unattended: written to
/// the standard error output instead of boxes that would wait for an answer. A warning with OK and
/// Cancel counts as OK, a question as No.
class ZpravyBezOken : public IZpravy {
public:
    void Oznamit(DruhZpravy druh, const std::string& text) override;
    bool VarovaniOkStorno(const std::string& text) override;
    Odpoved DotazAnoNeStorno(const std::string& text) override;
    bool DotazAnoNe(const std::string& text) override;
};

} // namespace lineon::ui
