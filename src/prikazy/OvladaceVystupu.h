#pragma once

#include "data/Vystupy.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace lineon {

using ClenVystupu = std::variant<bool TVystupy::*, std::string TVystupy::*>;

/// A dialog-only control of the outputs dialog: its name, the value it holds in `TVystupy`, the
/// length of a text field, and for a pair of which exactly one is set, the other of the pair.
struct TOvladacVystupu {
    constexpr TOvladacVystupu(std::string_view nazev, ClenVystupu clen, int maxZnaku = 0,
                              bool TVystupy::*protejsek = nullptr)
        : Nazev(nazev), Clen(clen), MaxZnaku(maxZnaku), Protejsek(protejsek)
    {
    }

    std::string_view Nazev;
    ClenVystupu Clen;
    int MaxZnaku;                // texts: 0 when the field has no limit
    bool TVystupy::*Protejsek;   // check boxes and radio buttons of a pair
};

/// Every dialog-only control, page by page.
std::span<const TOvladacVystupu> OvladaceVystupu();

/// The control of that name, or nullptr.
const TOvladacVystupu* NajitOvladacVystupu(std::string_view nazev);

/// Sets a control from a text: a check box or radio button takes "1" or "0" (and the other of its
/// pair the opposite), a text field a text within its length and code page 1250. Throws Chyba
/// saying what was expected; nothing changes then.
void NastavitOvladac(TVystupy& vystupy, const TOvladacVystupu& ovladac, std::string_view hodnota);

} // namespace lineon
