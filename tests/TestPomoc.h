#pragma once

#include "data/ImportZamereni.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"
#include "zaklad/Zpravy.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lineon::test {

/// A fresh directory under /tmp, removed with everything in it at the end of the test.
class DocasnyAdresar {
public:
    DocasnyAdresar();
    ~DocasnyAdresar();
    DocasnyAdresar(const DocasnyAdresar&) = delete;
    DocasnyAdresar& operator=(const DocasnyAdresar&) = delete;
    /// The directory, ending with "/".
    const std::string& Cesta() const { return cesta_; }
    std::string operator/(const std::string& nazev) const { return cesta_ + nazev; }

private:
    std::string cesta_;
};

/// A directory kept after the run under build/test-output/<nazev>/ (ending with "/"), for files that
/// later tests read back, such as every DXF file for the ezdxf reader.
std::string VystupniAdresar(const std::string& nazev);

/// Writes `cestaDxf` + ".expect.json" beside a DXF file written under `VystupniAdresar`: the number
/// of entities expected per "TYPE:LAYER" (e.g. "LINE:STOKA"), which the ezdxf reader compares with
/// what it reads.
void OcekavatEntity(const std::string& cestaDxf, const std::map<std::string, int>& pocty);

/// The repository's own directory (ending with "/"), for examples and golden files.
std::string ZdrojovyAdresar();

std::string PrecistBajty(const std::string& cesta);

/// The text of the Chyba that `akce` throws, or "(žádná chyba)".
std::string TextChyby(const std::function<void()>& akce);
void ZapsatBajty(const std::string& cesta, const std::string& bajty);

/// Records every message; questions are answered from queues (OK / Yes by default).
class ZaznamZprav : public IZpravy {
public:
    struct Zprava {
        DruhZpravy druh;
        std::string text;
        bool operator==(const Zprava&) const = default;
    };
    std::vector<Zprava> zpravy;
    std::vector<std::string> otazky;
    std::deque<bool> odpovediOkStorno;
    std::deque<Odpoved> odpovediAnoNeStorno;
    std::deque<bool> odpovediAnoNe;

    void Oznamit(DruhZpravy druh, const std::string& text) override;
    bool VarovaniOkStorno(const std::string& text) override;
    Odpoved DotazAnoNeStorno(const std::string& text) override;
    bool DotazAnoNe(const std::string& text) override;
};

/// Opens a project file that must open without a word; a message throws std::runtime_error.
void Otevrit(TStav& stav, const std::string& cesta, FormatProjektu format);

/// The coordinate list that the survey lines give, as the import builds it line by line.
TSeznamSouradnic SeznamZRadku(const std::vector<std::string>& radky, TypZamereni typ = TypZamereni::Textovy);

/// Runs the batch program in this process, its files written onto `disk`.
struct VysledekCli {
    int status;
    std::string vystup;
    std::string chyby;
};
VysledekCli SpustitCli(const std::vector<std::string>& argumenty, const soubor::Disk& disk = soubor::SystemovyDisk());

/// A disk that fails as a real one can: it refuses to create a file ("přístup odepřen"), or it is
/// full once `poBajtech` bytes of a file have been written ("na disku není místo").
class PorouchanyDisk : public soubor::Disk {
public:
    enum class Druh { Vytvoreni, Zapis };
    PorouchanyDisk(Druh druh, std::size_t poBajtech) : druh_(druh), poBajtech_(poBajtech) {}

    int ChybaVytvoreni() const override;
    std::size_t Misto(std::size_t zapsano, std::size_t n) const override;

private:
    Druh druh_;
    std::size_t poBajtech_;
};

/// The disk that is full after `poBajtech` bytes of each file.
inline PorouchanyDisk PlnyDisk(std::size_t poBajtech)
{
    return {PorouchanyDisk::Druh::Zapis, poBajtech};
}

} // namespace lineon::test
