#include "cli/Cli.h"

#include <ostream>

namespace lineon::cli {

int PrikazImport(const std::vector<std::string>&, std::ostream&, std::ostream& chyby)
{
    chyby << "error: Příkaz zatím není k dispozici.\n";
    return ChybaPouziti;
}

} // namespace lineon::cli
