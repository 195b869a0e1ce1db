#pragma once

#include <string>

namespace lineon::ui {

class Aplikace;

/// Pictures of the windows for the documentation: opens a project, then saves PNG files of the
/// main window in each network kind, of the six pages of the outputs dialog, of both row dialogs,
/// of the comparison-plane dialog, the preview and the written profile in both languages after
/// "Výpočet", and of the coordinate list of a survey with both conversion windows in each network
/// kind into a directory. Driven by tools/screenshots through the variables LINEON_SNIMKY (the
/// directory), LINEON_SNIMKY_PROJEKT (the project) and LINEON_SNIMKY_ZAMERENI (the survey file).
void PoriditSnimky(Aplikace& program, const std::string& adresar, const std::string& projekt,
                   const std::string& zamereni);

} // namespace lineon::ui
