#pragma once

namespace lineon {

/// The manual-conversion window "Ruční převod": which values of a surveyed point go where.
/// "Označení šachty" is the setting `ZpusobOznaceni`, shared with the automatic conversion.
struct TRucniPrevod {
    bool Ycheck = true;
    bool Xcheck = true;
    bool Zdcheck = true;
    bool Zpcheck = true;
    bool Zvcheck = true;
    bool Zocheck = true;
    bool pripcheck = true;
    bool dscheck = true;
    bool dspcheck = true;
    bool dsdcheck = true;
    int RadioGroup1 = 0; ///< 0 "zaměřený řádek (přepisovat)", 1 "zaměřený řádek (nepřepisovat)", 2 "konec"
    int RadioGroup3 = 0; ///< 0 "šachta", 1 "přípojka, křížení", 2 "domovní šachta"
};

/// The two window-only switches of the automatic conversion, on at every program start.
struct TAutomatickyPrevod {
    bool AvBox = true; ///< "Z dna --> Z vtoku"
    bool AoBox = true; ///< "Z dna --> Z odtoku"
};

} // namespace lineon
