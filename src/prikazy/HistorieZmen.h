#pragma once

#include "prikazy/ZmenaRadku.h"
#include "data/Stav.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lineon {

/// The steps of the run that changed the tables, for "Zpět" and "Znovu"; kept until the program
/// ends. A step holds the state of the tables on its other side, so undoing swaps it with the
/// state in force and redoing swaps it back. A step to another project ("Nový", "Otevřít") holds
/// the file name and the project directory too; the other steps leave the name as it stands, so
/// that undoing an edit after "Uložit jako" keeps the new name. Each state keeps its own
/// `Zmeneno`: undoing back to what was saved clears it.
class HistorieZmen {
public:
    /// Before a command that may change the tables: the state it starts from.
    void Zacit(const TStav& stav);
    /// After it: the command is the step `nazev` when it changed a table (a project step also when
    /// it changed the file name), and what was undone before is dropped then. `zmena` is what the
    /// step does to the rows, for the redraw after undoing or redoing it.
    void Dokoncit(const TStav& stav, const std::string& nazev, ZmenaRadku zmena);

    /// The step "Zpět" undoes and the one "Znovu" redoes; nothing when there is none.
    std::optional<std::string> NazevZpet() const;
    std::optional<std::string> NazevZnovu() const;

    /// "Zpět" and "Znovu": what the step did to the rows; nothing when there was no step.
    std::optional<ZmenaRadku> Zpet(TStav& stav);
    std::optional<ZmenaRadku> Znovu(TStav& stav);

    /// The project in force was written to its file, so every other state of the same project
    /// differs from the file now. A save asked for inside a command (before "Otevřít" or "Nový"
    /// goes on) is where that command starts.
    void Ulozeno(const TStav& stav);

private:
    /// What a step changes; a table the step left as it was is not kept.
    struct TObraz {
        std::optional<Tabulka<TBod>> Body;
        std::optional<Tabulka<TPripojka>> Pripojky;
        bool Zmeneno = false;
        std::string SouborProjektu;
        std::string AdresarProjektu;
    };
    struct TKrok {
        std::string Nazev;
        ZmenaRadku Zmena;
        TObraz Obraz;
    };

    static TObraz Obraz(const TStav& stav);
    /// Swaps the state kept in step `krok` with the state in force.
    static ZmenaRadku Vymenit(TStav& stav, TKrok& krok);

    std::vector<TKrok> kroky_;
    std::size_t pozice_ = 0;          ///< the steps done; those above are undone
    std::optional<TObraz> zacatek_;   ///< between Zacit and Dokoncit
};

} // namespace lineon
