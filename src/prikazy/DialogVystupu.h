#pragma once

#include "data/PoleNastaveni.h"
#include "data/Stav.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lineon {

/// Which controls of the outputs dialog accept input; a field's label follows its field.
/// At start the X and Y placement fields are disabled and everything else is enabled.
struct TPovoleniVystupu {
    bool profobrcheck = true;
    bool profdxfcheck = true;
    bool profField = true;
    bool psanobrcheck = true;
    bool psantxtcheck = true;
    bool psanField = true;
    bool dxField = true;
    bool dyField = true;
    bool vsXField = false;
    bool vsYField = false;
    bool datumEdit = true;
    bool zakEdit = true;
    bool mercombo = true;
    bool vypcombo = true;
    bool koncombo = true;
    bool soucombo = true;
    bool vyscombo = true;

    bool operator==(const TPovoleniVystupu&) const = default;
};

/// The outputs dialog "Nastavení" as values: the controls that mirror settings (copied in on
/// activation, back on closing) and the enabling of the controls. Its dialog-only controls are
/// `TVystupy`, which the outputs read while they run. The lists of the three person combos show
/// `Osoby` of the settings.
struct TDialogVystupu {
    // page "Výstupy"
    std::string FolderField; ///< "Adresář: "
    std::string sitField;
    std::string gpkgField; ///< the GeoPackage's file name, kept in "$doplnky"
    std::string profField;
    std::string psanField;
    // page "Situace"
    std::int32_t merfield = 0;
    double vyskyField = 0;
    double oznacField = 0;
    double vypocField = 0;
    std::string hydrantF;
    std::string soupeF;
    // page "Podélný profil"
    std::int32_t dmField = 0;
    std::int32_t vmField = 0;
    std::int32_t dField = 0;
    bool Stanbez = false;
    bool popdelcheck = false;
    int Krytiradio = 0;
    int Delkaradio = 0;
    // page "Srovnávací rovina"
    std::int32_t posSRField = 0;
    std::int32_t lhSRField = 0;
    // page "Umístění"
    std::int32_t dxField = 0;
    std::int32_t dyField = 0;
    std::int32_t vsXField = 0;
    std::int32_t vsYField = 0;

    TPovoleniVystupu Povoleno;
};

/// Creation at program start, after the settings are read: the output file names get their
/// defaults, the two radio groups the display settings when those are in range (else 0).
TDialogVystupu VytvoritDialogVystupu(TStav& stav);

/// Activation: every mirrored setting is copied into its control (the radio groups are not).
void AktivovatDialogVystupu(TDialogVystupu& dialog, const TStav& stav);

/// Closing: every control of the activation is copied back, the directory with a trailing "/",
/// and the two radio groups into `ZobrazeniKryti` and `ZobrazeniDelek`. A directory that the
/// settings file could not hold (a line break, a character outside code page 1250) is not taken:
/// the previous one stays and the returned message says so.
std::optional<std::string> ZavritDialogVystupu(const TDialogVystupu& dialog, TStav& stav);

/// A directory as the dialog stores it: "/" appended when it does not end so (empty gives "/").
std::string AdresarSLomitkem(std::string adresar);

/// The rule that runs after the user clicked `ovladac` (its check mark already changed):
/// enabling of the dependent controls and the pairs of which exactly one is set.
void PoKliknuti(TDialogVystupu& dialog, TVystupy& vystupy, std::string_view ovladac);

/// The person-name rule when the focus leaves "Měřil:", "Vypracoval:" or "Kontroloval:": a
/// non-empty name that is not yet among `Osoby` (case-sensitive) is added to them, and so to the
/// lists of all three combos. Returns whether it was added. A name beyond the 50th, or one with a
/// character outside code page 1250 (the list goes into the settings file), is refused with Chyba.
bool OpustitPoleOsoby(TNastaveni& nastaveni, const std::string& jmeno);

/// The range of a numeric control of the dialog (`merfield`, `dmField`, ...); no range for others.
TMeze MezeOvladace(std::string_view ovladac);

/// The length of a text control of the dialog (`sitField`, `matField`, `hydrantF`, ...); 0 for others.
int DelkaOvladace(std::string_view ovladac);

} // namespace lineon
