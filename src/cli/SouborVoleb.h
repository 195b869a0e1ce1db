#pragma once

#include "data/Stav.h"
#include "zaklad/CteniRadku.h"

#include <string>

namespace lineon::cli {

/// Reads the options file of `compute` and `import`: UTF-8 (a byte order mark is passed over), one
/// `name=value` a line, read line by line, empty lines and lines starting with "#" ignored; the value is the rest of the line after the first "=", as
/// it stands. The names are the dialog-only controls of the outputs dialog, `AvBox` and `AoBox`
/// of the automatic conversion, and the settings by their names. Every value is checked as its
/// control would check it: check boxes and radio buttons take 1 or 0, numbers the control's
/// range, texts the length of the control's field (file names 16, `matField` 30, mark codes 12,
/// survey codes 5 or 6 characters; the title-block texts and the directory have no limit) and
/// only characters of code page 1250, as every text ends up in a file. The person list cannot be
/// set here. An unknown name or a bad value throws Chyba naming the file and the line, and then
/// nothing of the state has changed.
void NacistVolby(const std::string& cesta, TStav& stav);

/// The same over lines of a file or of memory (read as UTF-8: `CteniRadku::Kodovani::Utf8`).
void NacistVolby(soubor::CteniRadku& cteni, TStav& stav);

} // namespace lineon::cli
