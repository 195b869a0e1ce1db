#include "zaklad/OdkladaciDisk.h"

#include <unistd.h>

namespace lineon::soubor {

OdkladaciDisk::~OdkladaciDisk()
{
    for (const TOdlozeny& soubor : odlozene_)
        ::unlink(soubor.docasny.c_str());
}

void OdkladaciDisk::Nahradit(const std::string& docasny, const std::string& cil, const std::string& cesta) const
{
    const std::lock_guard zamek(zamek_);
    odlozene_.push_back({docasny, cil, cesta});
}

void OdkladaciDisk::Potvrdit(const std::string& cesta)
{
    const std::lock_guard zamek(zamek_);
    for (auto soubor = odlozene_.begin(); soubor != odlozene_.end();) {
        if (soubor->cesta != cesta) {
            ++soubor;
            continue;
        }
        const TOdlozeny hotovy = *soubor;
        soubor = odlozene_.erase(soubor);
        try {
            disk_.Nahradit(hotovy.docasny, hotovy.cil, hotovy.cesta);
        } catch (...) {
            ::unlink(hotovy.docasny.c_str());
            throw;
        }
    }
}

} // namespace lineon::soubor
