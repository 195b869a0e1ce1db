#pragma once

#include "data/Doplnky.h"
#include "zaklad/Zpravy.h"

#include <string>
#include <vector>

// The file "$doplnky" of the settings beyond "$nastav": one `name=value` a line, code page 1250
// with CR LF like every file of the program. A line of another name, or without "=", belongs to
// no value of this program and is kept as it stands when the file is written again.
namespace lineon {

/// Reads the file into `doplnky`, which starts from the defaults; a later line of a name wins.
/// A value that cannot be read gives the default, and the returned warnings name the file, the
/// line and the value. Throws Chyba when the file cannot be read (a missing file too) or holds
/// a line code page 1250 cannot hold.
std::vector<TZprava> NacistDoplnky(const std::string& cesta, TDoplnky& doplnky);

/// Writes the values into the file: the lines it holds stay in their order, each line of a known
/// name takes the current value, and the names it lacks follow at its end. Throws Chyba when the
/// file there cannot be read or the new one written; the file then stays as it was.
void UlozitDoplnky(const std::string& cesta, const TDoplnky& doplnky);

} // namespace lineon
