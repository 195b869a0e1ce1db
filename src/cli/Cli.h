#pragma once

#include "prikazy/VystupPdf.h"
#include "zaklad/Soubor.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace lineon::cli {

/// Exit statuses of the batch program.
inline constexpr int Uspech = 0;
inline constexpr int VypocetZastaven = 1; ///< a check of the calculation stopped it, or an input yielded nothing
inline constexpr int ChybaPouziti = 2;    ///< a usage error or a file that could not be read or written

/// Runs one command line (without the program name); messages go to `chyby`, listings to `vystup`,
/// files onto `disk`, PDF files through `pdf` (without it, --pdf is refused).
int Spustit(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby,
            const soubor::Disk& disk = soubor::SystemovyDisk(), const IVystupPdf* pdf = nullptr);

// The commands, each in a file of its own; `argumenty` follow the command word.
int PrikazConvert(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby,
                  const soubor::Disk& disk);
int PrikazCompute(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby,
                  const soubor::Disk& disk, const IVystupPdf* pdf);
int PrikazImport(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby,
                 const soubor::Disk& disk);
int PrikazCheck(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby);

} // namespace lineon::cli
