#pragma once

#include "data/Vykres.h"
#include "zaklad/Soubor.h"

#include <string>

namespace lineon {

/// The drawings as PDF at true scale: one page the size of the extents, or A3 landscape sheets
/// that overlap by 10 mm (`naListyA3`). The batch program gets it from its main function, which
/// has Qt; the core has none.
class IVystupPdf {
public:
    virtual ~IVystupPdf() = default;
    /// Puts the file in place of a previous one; throws Chyba naming the file when it cannot be
    /// written, the previous file then stays as it was.
    virtual void Ulozit(const TVykres& vykres, const std::string& cesta, bool naListyA3,
                        const soubor::Disk& disk) const = 0;
};

/// The PDF beside a DXF file: the same name with ".pdf" for its extension.
std::string NazevPdf(const std::string& souborDxf);

} // namespace lineon
