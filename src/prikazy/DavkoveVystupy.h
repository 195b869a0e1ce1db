#pragma once

#include "calc/Vypocet.h"

namespace lineon {

/// The outputs of a calculation run without windows: the written profile into its file, the site
/// plan, the GeoPackage, and a record that the comparison-plane dialog was asked for (the caller fills and confirms
/// it). The desktop program extends it with its windows.
class DavkoveVystupy : public IVystupyVypoctu {
public:
    explicit DavkoveVystupy(TStav& stav) : stav_(stav) {}

    void PsanyProfil() override;
    void Situace() override;
    void Gis() override;
    void OtevritRovinu() override;

    /// Whether the calculation asked for the comparison-plane dialog.
    bool RovinaVyzadana() const { return rovinaVyzadana_; }

protected:
    TStav& stav_;

private:
    bool rovinaVyzadana_ = false;
};

} // namespace lineon
