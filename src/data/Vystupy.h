#pragma once

#include <string>

namespace lineon {

/// The dialog-only values of the outputs dialog "Nastavení", by control name, with their defaults
/// at program start, and the three output file names. The mirrored values live in `TNastaveni`.
struct TVystupy {
    // page "Výstupy"
    bool Sitcheck = true;
    std::string SouborSituace = "situace.dxf"; ///< sitField
    bool profcheck = true;
    bool profobrcheck = true;
    bool profdxfcheck = true;
    std::string SouborProfilu = "podprof.dxf"; ///< profField
    bool psancheck = true;
    bool psanobrcheck = false;
    bool psantxtcheck = true;
    std::string SouborPsanehoProfilu = "podprof.csv"; ///< psanField
    // page "Situace"
    bool stocRcheck = false; ///< "rovnoběžně"; exactly one of stocRcheck and stocKcheck is set
    bool stocKcheck = true;  ///< "kolmo"
    // page "Podélný profil"
    std::string matField;
    bool CheckBox1 = true; ///< "Jednotný průměr potrubí"
    // page "Umístění"
    bool RadioButton1 = true; ///< centre of the line moved by dX and dY
    bool RadioButton2 = false; ///< own coordinates X and Y
    // page "Obsah kresby"
    bool ramcheck = true;
    bool znakcheck = true;
    bool tabcheck = false;
    std::string datumEdit;
    std::string zakEdit;
    std::string mercombo;
    std::string vypcombo;
    std::string koncombo;
    std::string soucombo = "JTSK";
    std::string vyscombo = "Bpv";
};

} // namespace lineon
