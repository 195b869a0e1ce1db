#pragma once

#include "data/Stav.h"

#include <string>

namespace lineon {

/// The window caption: program name, language, network kind and the project file
/// ("Bezejména" for an unnamed project), joined by " - "; " *" after it while the project has
/// unsaved changes.
std::string ObnovitTitulek(const TStav& stav);

} // namespace lineon
