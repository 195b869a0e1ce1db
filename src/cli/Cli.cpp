#include "cli/Cli.h"

#include <ostream>

namespace lineon::cli {

namespace {
constexpr const char* Pouziti =
    "usage: lineon-cli convert IN OUT [--in-format csv|dat] [--out-format csv|dat] [--settings FILE]\n"
    "       lineon-cli compute PROJECT [--format csv|dat] [--settings FILE] [--options FILE]\n"
    "                          [--kind 1|2|3] [--lang CZ|SK] [--out DIR] [--gpkg [FILE.gpkg]]\n"
    "                          [--plane R0] [--plane-shift DR] [--shift-points P1,P2,...] [--pdf] [--pdf-a3]\n"
    "       lineon-cli import SURVEY [--type 1|2] [--settings FILE] [--options FILE] [--kind 1|2|3]\n"
    "                         [--list] [--save PROJECT] [--format csv|dat]\n"
    "       lineon-cli check PROJECT [--format csv|dat] [--settings FILE] [--limits FILE] [--kind 1|2|3]\n";
} // namespace

int Spustit(const std::vector<std::string>& argumenty, std::ostream& vystup, std::ostream& chyby,
            const soubor::Disk& disk, const IVystupPdf* pdf)
{
    if (argumenty.empty()) {
        chyby << Pouziti;
        return ChybaPouziti;
    }
    const std::vector<std::string> zbytek(argumenty.begin() + 1, argumenty.end());
    const std::string& prikaz = argumenty.front();
    if (prikaz == "convert")
        return PrikazConvert(zbytek, vystup, chyby, disk);
    if (prikaz == "compute")
        return PrikazCompute(zbytek, vystup, chyby, disk, pdf);
    if (prikaz == "import")
        return PrikazImport(zbytek, vystup, chyby, disk);
    if (prikaz == "check")
        return PrikazCheck(zbytek, vystup, chyby);
    chyby << "error: Neznámý příkaz „" << prikaz << "“.\n" << Pouziti;
    return ChybaPouziti;
}

} // namespace lineon::cli
