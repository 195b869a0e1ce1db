#pragma once

#include "zaklad/CteniRadku.h"
#include "zaklad/PrehledCteni.h"
#include "data/Projekt.h"

#include <string>

// Readers of the two project formats into an empty project, line by line.
namespace lineon {

/// What a reader found besides the rows, for the message that tells it.
struct TPrehledProjektu {
    VybraneRadky Neuplne;  ///< lines of the table format with fewer fields than their row has
    bool DrziData = false; ///< a complete row holds data; a file without one yields nothing
};

void PrecistTabulkovyFormat(soubor::CteniRadku& cteni, TProjekt& projekt, TPrehledProjektu& prehled);

void PrecistRadkovyFormat(soubor::CteniRadku& cteni, TProjekt& projekt, TPrehledProjektu& prehled);

/// The next line of a project file; a line whose bytes or characters the file cannot hold, or
/// that is longer than any line of a project, throws Chyba naming the file and the line.
bool DalsiRadekProjektu(soubor::CteniRadku& cteni, soubor::TRadekSouboru& radek);

/// A row among the points that has the shape of a connection row: the "#" line is missing.
[[noreturn]] void ChybiOddelovac(const std::string& cesta, std::size_t radek, const char* coMaTvar);

} // namespace lineon
