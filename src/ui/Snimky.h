#pragma once

#include <string>

namespace lineon::ui {

class Aplikace;

/// Pictures of the windows for the documentation: opens a project, then saves PNG files of the
/// main window in each network kind, of the six pages of the outputs dialog and of both row
/// dialogs into a directory. Driven by tools/screenshots through the variables LINEON_SNIMKY
/// (the directory) and LINEON_SNIMKY_PROJEKT (the project).
void PoriditSnimky(Aplikace& program, const std::string& adresar, const std::string& projekt);

} // namespace lineon::ui
