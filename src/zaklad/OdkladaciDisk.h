#pragma once

#include "zaklad/Soubor.h"

#include <mutex>
#include <string>
#include <vector>

namespace lineon::soubor {

/// The disk of writers that work at once and are put in place in an order of their own: a file
/// its writer finishes stays a temporary file (synced) until `Potvrdit` names it; what is never
/// put in place is removed at the end, so the previous file of that name stays as it was. Files
/// are created and written on the disk it is given.
class OdkladaciDisk final : public Disk {
public:
    explicit OdkladaciDisk(const Disk& disk) : disk_(disk) {}
    ~OdkladaciDisk() override;
    OdkladaciDisk(const OdkladaciDisk&) = delete;
    OdkladaciDisk& operator=(const OdkladaciDisk&) = delete;

    int ChybaVytvoreni() const override { return disk_.ChybaVytvoreni(); }
    std::size_t Misto(std::size_t zapsano, std::size_t n) const override { return disk_.Misto(zapsano, n); }
    /// Keeps the finished file aside.
    void Nahradit(const std::string& docasny, const std::string& cil, const std::string& cesta) const override;

    /// Puts the finished files written under the name `cesta` in place, in the order they were
    /// finished; nothing when none was. Throws Chyba naming the file when a rename fails.
    void Potvrdit(const std::string& cesta);

private:
    struct TOdlozeny {
        std::string docasny;
        std::string cil;
        std::string cesta;
    };

    const Disk& disk_;
    mutable std::mutex zamek_;
    mutable std::vector<TOdlozeny> odlozene_;
};

} // namespace lineon::soubor
