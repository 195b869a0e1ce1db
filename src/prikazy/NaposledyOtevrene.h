#pragma once

#include "data/Doplnky.h"

#include <string>

// "Naposledy otevřené" of the "Soubor" menu: the projects last opened or saved, kept in "$doplnky".
namespace lineon {

/// Puts a project at the top of the list: once, the latest first, at most
/// `PocetNaposledyOtevrenych`. A name that code page 1250 cannot hold stays off the list, since
/// "$doplnky" could not be written with it.
void ZapamatovatProjekt(TDoplnky& doplnky, const std::string& cesta);

/// Takes a project off the list.
void ZapomenoutProjekt(TDoplnky& doplnky, const std::string& cesta);

/// What is told when a project of the list is no longer there.
std::string TextChybejicihoProjektu(const std::string& cesta);

} // namespace lineon
