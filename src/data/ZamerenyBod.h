#pragma once

#include <string>
#include <vector>

namespace lineon {

/// One surveyed point of the coordinate list, as the import read it.
struct TZamerenyBod {
    std::string CisloBodu;
    std::string YText;
    std::string XText;
    std::string ZText; ///< "0.000" when the file gives no level
    double Y = 0;
    double X = 0;
    double Z = 0;
    std::string Kod;

    bool operator==(const TZamerenyBod&) const = default;
};

/// The coordinate list: records 1..PocetZamerenychBodu (at most 5000); index 0 is an empty record.
struct TSeznamSouradnic {
    static constexpr int Kapacita = 5000;
    std::vector<TZamerenyBod> Body = std::vector<TZamerenyBod>(1); ///< Body[0] is unused
    int PocetZamerenychBodu() const { return static_cast<int>(Body.size()) - 1; }
};

/// The line of a record in the list window: number, Y, X, level and code joined by two blanks.
std::string RadekSeznamu(const TZamerenyBod& bod);

} // namespace lineon
