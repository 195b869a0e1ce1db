#pragma once

namespace lineon {

/// The preview window as the drawing of the profile sees it: shown or hidden by "na obrazovku"
/// before the drawing, repainted after it. The batch program has none (`BezNahledu`).
class INahledProfilu {
public:
    virtual ~INahledProfilu() = default;
    virtual void Zobrazit(bool zobrazit) = 0;
    virtual void Prekreslit() = 0;
};

/// No window: the preview list is still filled with "na obrazovku", nobody paints it.
class BezNahledu final : public INahledProfilu {
public:
    void Zobrazit(bool) override {}
    void Prekreslit() override {}
};

} // namespace lineon
