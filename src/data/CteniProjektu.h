#pragma once

#include "data/Projekt.h"

#include <string>
#include <vector>

// Readers of the two project formats into an empty project; the lines are those of `cesta`.
namespace lineon {

void PrecistTabulkovyFormat(const std::vector<std::string>& radky, const std::string& cesta, TProjekt& projekt);

void PrecistRadkovyFormat(const std::vector<std::string>& radky, const std::string& cesta, TProjekt& projekt);

} // namespace lineon
