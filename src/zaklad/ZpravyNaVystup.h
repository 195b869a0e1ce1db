#pragma once

#include "zaklad/Zpravy.h"

#include <ostream>

namespace lineon {

/// Every message box becomes one line on standard error: "error: TEXT", "warning: TEXT" or
/// "information: TEXT". Questions are answered as a batch run needs: go on, do not save.
class ZpravyNaVystup : public IZpravy {
public:
    explicit ZpravyNaVystup(std::ostream& vystup) : vystup_(vystup) {}
    void Oznamit(DruhZpravy druh, const std::string& text) override;
    bool VarovaniOkStorno(const std::string& text) override;
    Odpoved DotazAnoNeStorno(const std::string& text) override;
    bool DotazAnoNe(const std::string& text) override;

private:
    std::ostream& vystup_;
};

} // namespace lineon
