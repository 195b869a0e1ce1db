#pragma once

#include <cstdint>
#include <string>

namespace lineon {

/// One row of the point table; the column captions change with the network kind, the fields do not.
struct TBod {
    std::string Oznaceni; ///< manhole label or point number, at most 12 characters
    double Y = 0;
    double X = 0;
    double ZDna = 0;     ///< invert (sewer) or pipe level (water main); unused on a road axis
    double ZPoklopu = 0; ///< cover, ground or axis level
    double ZVtoku = 0;   ///< inlet level (sewer)
    double ZOdtoku = 0;  ///< outlet level (sewer)
    std::int32_t Prumer = 0; ///< diameter in mm of the pipe from this point to the next one
    bool Dno = false;
    std::string DnoText; ///< "Ano"/"Ne" as stored in the project files

    bool operator==(const TBod&) const = default;
};

/// An empty row as the editing commands create it: no label, zero levels, `Dno` set.
TBod PrazdnyBod(std::int32_t prumer = 0);

/// A point row holds data when it has a label or any non-zero coordinate or level
/// (`Prumer` and `Dno` do not count).
bool DrziData(const TBod& bod);

/// Whether any of the six coordinates and levels is non-zero (the label does not count).
bool MaHodnoty(const TBod& bod);

/// Heights of a manhole above its bottom, each level rounded to whole centimetres first.
double VyskaPoklopu(const TBod& bod);
double VyskaOdtoku(const TBod& bod);
double VyskaVtoku(const TBod& bod);

} // namespace lineon
