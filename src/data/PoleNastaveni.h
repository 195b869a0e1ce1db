#pragma once

#include "data/Nastaveni.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lineon {

/// How a setting stands in the settings file.
enum class TypNastaveni {
    Cele,    ///< whole number
    Realne,  ///< real, written in the 23-character scientific form
    Kod,     ///< survey code; the file keeps its first 5 characters
    Text16,  ///< text; the file keeps its first 16 characters
    Radek,   ///< text of one whole line
    Logicke, ///< "TRUE" or "FALSE"
    Osoby,   ///< the count of person names, then that many name lines
};

using ClenNastaveni = std::variant<std::int32_t TNastaveni::*, double TNastaveni::*, std::string TNastaveni::*,
                                   bool TNastaveni::*, std::vector<std::string> TNastaveni::*>;

/// The range a window control allows for a number (`Od` > `Do`: no range).
struct TMeze {
    double Od = 0;
    double Do = -1;
    int Desetin = 0; ///< decimals the control can hold

    bool Plati() const { return Od <= Do; }
    /// Whether a value lies in the range (always, when there is none).
    bool Obsahuje(double x) const { return !Plati() || (x >= Od && x <= Do); }
};

/// The range in words, e.g. "11 až 10000".
std::string PopisMezi(const TMeze& meze);

/// One setting: its name, its line format, where it lives in `TNastaveni`, and the control that
/// edits it with that control's range or length.
struct TPoleNastaveni {
    constexpr TPoleNastaveni(std::string_view nazev, TypNastaveni typ, ClenNastaveni clen, std::string_view ovladac = {},
                             TMeze meze = {}, int maxZnaku = 0)
        : Nazev(nazev), Typ(typ), Clen(clen), Ovladac(ovladac), Meze(meze), MaxZnaku(maxZnaku)
    {
    }

    std::string_view Nazev;
    TypNastaveni Typ;
    ClenNastaveni Clen;
    std::string_view Ovladac; ///< window control that edits it; empty for menus and dialogs
    TMeze Meze;               ///< numbers: the control's (or menu's) range
    int MaxZnaku = 0;         ///< texts: length of the control's field; 0 when unlimited
};

/// Every setting in the order of the settings file.
std::span<const TPoleNastaveni> PoleNastaveni();

/// The setting of that name, or nullptr.
const TPoleNastaveni* NajitPoleNastaveni(std::string_view nazev);

/// The setting edited by that control, or nullptr.
const TPoleNastaveni* NajitPodleOvladace(std::string_view ovladac);

/// Sets a setting from a text as a control would take it: numbers within the control's range,
/// booleans "TRUE"/"FALSE" or "1"/"0", texts within the control's length and code page 1250,
/// `DruhSite` and `NazevSite` together, `Jazyk` "CZ" or "SK". Throws Chyba saying what was
/// expected; nothing changes then. The person list is not a single value and is refused.
void NastavitHodnotu(TNastaveni& nastaveni, const TPoleNastaveni& pole, std::string_view hodnota);

} // namespace lineon
