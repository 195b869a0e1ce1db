#pragma once

#include "data/PoleNastaveni.h"
#include "data/Stav.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lineon {

/// The outputs dialog "Nastavení" as values, worked from `TabulkaNastaveni`: the values its
/// controls show where they are not edited at once (`Prevzeti`), and the enabling of every
/// control. The lists of the three person combos show `Osoby` of the settings.
struct TDialogVystupu {
    TNastaveni Nastaveni; ///< the mirrored settings as the controls show them
    TVystupy Vystupy;     ///< the output file names as their fields show them
    TDoplnky Doplnky;     ///< the settings beyond the settings file as their controls show them
    std::array<bool, TabulkaNastaveni.size()> Povoleno{}; ///< by row of the table
};

/// Where a control's value lives while the dialog shows it.
using TCilOvladace = std::variant<std::int32_t*, TDruhSite*, double*, std::string*, bool*, std::vector<std::string>*,
                                  std::vector<TMinimalniSpad>*>;

/// Creation at program start, after the settings are read: the output file names get their
/// defaults, the two radio groups the display settings when those are in range (else 0), and
/// every control its enabling at start.
TDialogVystupu VytvoritDialogVystupu(TStav& stav);

/// Activation: every value taken at activation is copied into its control (not the radio groups).
void AktivovatDialogVystupu(TDialogVystupu& dialog, const TStav& stav);

/// Closing: every control of the activation is copied back, the directory with a trailing "/",
/// and the two radio groups into `ZobrazeniKryti` and `ZobrazeniDelek`. A directory that the
/// settings file could not hold (a line break, a character outside code page 1250) is not taken:
/// the previous one stays and the returned message says so.
std::optional<std::string> ZavritDialogVystupu(const TDialogVystupu& dialog, TStav& stav);

/// The value the control of that row edits: in the dialog, or at once in the state.
TCilOvladace CilOvladace(TDialogVystupu& dialog, TStav& stav, const TPoleNastaveni& pole);

/// A directory as the dialog stores it: "/" appended when it does not end so (empty gives "/").
std::string AdresarSLomitkem(std::string adresar);

/// The rules that run after the user clicked the control of row `pole` (its check mark already
/// changed): the other of a pair, the enabling of the controls that depend on it, and unchecking
/// the check box above when the last one under it is unchecked.
void PoKliknuti(TDialogVystupu& dialog, TVystupy& vystupy, std::size_t pole);

/// The person-name rule when the focus leaves "Měřil:", "Vypracoval:" or "Kontroloval:": a
/// non-empty name that is not yet among `Osoby` (case-sensitive) is added to them, and so to the
/// lists of all three combos. Returns whether it was added. A name beyond the 50th, or one with a
/// character outside code page 1250 (the list goes into the settings file), is refused with Chyba.
bool OpustitPoleOsoby(TNastaveni& nastaveni, const std::string& jmeno);

} // namespace lineon
