#pragma once

#include <string>

namespace lineon {

/// The name of the settings file.
inline constexpr const char* NazevSouboruNastaveni = "$nastav";

/// The settings file of a run: "$nastav" in the working directory when one exists there, else the
/// one in the program's directory. The settings are written back to the same file at the end, so
/// a run started elsewhere keeps the settings it read. Both directories end with "/".
std::string SouborNastaveniBehu(const std::string& pracovniAdresar, const std::string& adresarProgramu);

/// The name of the file of the settings beyond "$nastav".
inline constexpr const char* NazevSouboruDoplnku = "$doplnky";

/// "$doplnky" beside the settings file of the run, so that the two are read from and written to
/// the same directory.
std::string SouborDoplnkuBehu(const std::string& souborNastaveni);

} // namespace lineon
