#pragma once

#include <string>

namespace lineon {

/// The name of the settings file.
inline constexpr const char* NazevSouboruNastaveni = "$nastav";

/// The user's configuration directory of the program, ending with "/": "$XDG_CONFIG_HOME/lineon/"
/// when the variable holds an absolute path, else "$HOME/.config/lineon/"; empty without either.
std::string AdresarKonfigurace(const char* xdgConfigHome, const char* home);

/// Whether this process may create files in a directory.
bool LzeZapisovat(const std::string& adresar);

/// The settings file of a run: "$nastav" in the working directory when one exists there; else the
/// one in the program's directory when the program may write there, as a program run from its
/// build folder; else (an installed program) the one in the configuration directory, when there
/// is one. The settings are written back to the same file at the end, so a run started elsewhere
/// keeps the settings it read. The directories end with "/".
std::string SouborNastaveniBehu(const std::string& pracovniAdresar, const std::string& adresarProgramu,
                                bool zapisovatelnyProgram, const std::string& adresarKonfigurace);

/// Creates the directory of the settings file when it is missing, as the configuration directory
/// is on the first run of an installed program; a directory that cannot be made is left to the
/// writing of the settings at the end to report.
void VytvoritAdresarNastaveni(const std::string& souborNastaveni);

/// The name of the file of the settings beyond "$nastav".
inline constexpr const char* NazevSouboruDoplnku = "$doplnky";

/// "$doplnky" beside the settings file of the run, so that the two are read from and written to
/// the same directory.
std::string SouborDoplnkuBehu(const std::string& souborNastaveni);

} // namespace lineon
