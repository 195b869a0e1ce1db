#pragma once

#include "prikazy/DavkoveVystupy.h"
#include "zaklad/OdkladaciDisk.h"

#include <functional>
#include <future>
#include <string>
#include <vector>

namespace lineon {

/// The batch program's outputs of one calculation, formatted at once: the written profile, the
/// site plan and the GeoPackage each on a thread of its own as the calculation starts them, the
/// profile on the caller's thread while they run (`Profil`). Each goes into a temporary file;
/// `Dokoncit` puts them in place in the order of the outputs, so that a failure ends the run as
/// if they had been written one after another: the files before the first failing output are in
/// place, its own and the later ones are removed, and its Chyba is the one thrown. Outputs that
/// write the same file run one after another.
class SoubezneVystupy final : public DavkoveVystupy {
public:
    explicit SoubezneVystupy(TStav& stav);
    /// Waits for the threads; what was not put in place is removed.
    ~SoubezneVystupy() override;

    void PsanyProfil() override;
    void Situace() override;
    void Gis() override;
    /// The profile, drawn by `kresleni` on this thread.
    void Profil(const std::function<void()>& kresleni);
    /// Waits for every output and puts the files in place in order, up to the first that failed,
    /// whose Chyba it throws.
    void Dokoncit();

private:
    struct TUloha {
        std::string cesta;
        std::future<void> vysledek;
    };

    /// Until the outputs already started into the file `cesta` have ended.
    void PockatNa(const std::string& cesta);
    void Spustit(std::string cesta, std::function<void()> prace);

    soubor::OdkladaciDisk disk_;
    const soubor::Disk* puvodni_;
    std::vector<TUloha> ulohy_;
};

} // namespace lineon
