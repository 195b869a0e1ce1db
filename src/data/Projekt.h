#pragma once

#include "data/Bod.h"
#include "data/Pripojka.h"
#include "zaklad/Tabulka.h"

#include <string>

namespace lineon {

/// The open project: both row tables, the file it came from and whether it has unsaved changes.
/// The network kind, the language and the project directory are settings (`TNastaveni`).
struct TProjekt {
    Tabulka<TBod> Body{"Tabulka bodů"};
    Tabulka<TPripojka> Pripojky{"Tabulka přípojek"};
    bool Zmeneno = false;
    std::string SouborProjektu; ///< full path; empty for an unnamed project

    /// A fresh program holds one point row, all zero and empty (its `Dno` clear), and no connections.
    TProjekt() { Body.NastavitPocet(1); }

    int PocetBodu() const { return Body.Pocet(); }
    int PocetPripojek() const { return Pripojky.Pocet(); }
};

} // namespace lineon
