#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"

namespace lineon {

/// The outputs that the calculation starts after a successful run, in this order.
class IVystupyVypoctu {
public:
    virtual ~IVystupyVypoctu() = default;
    virtual void PsanyProfil() = 0;   ///< when psancheck is on
    virtual void Situace() = 0;       ///< when Sitcheck is on
    virtual void Gis() = 0;           ///< when gpkgcheck is on: the GeoPackage
    virtual void OtevritRovinu() = 0; ///< when profcheck is on: the comparison-plane dialog
};

/// For a run that needs the calculated rows only.
class ZadneVystupy final : public IVystupyVypoctu {
public:
    void PsanyProfil() override {}
    void Situace() override {}
    void Gis() override {}
    void OtevritRovinu() override {}
};

/// "Výpočet": checks the rows, computes stationing, lengths, slopes and covers, proposes the
/// comparison plane, projects the connections onto the line and starts the chosen outputs.
/// True when it ran to its end (messages about single connections included); false when a check
/// stopped it, in which case no output was started. A `Chyba` of an output ends the command.
bool Vypocet(TStav& stav, IZpravy& zpravy, IVystupyVypoctu& vystupy);

} // namespace lineon
