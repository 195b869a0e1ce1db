#pragma once

#include <string>
#include <vector>

namespace lineon {

/// One entity of a drawing as its DXF file holds it: world coordinates as written (x to the
/// right, y up), the colour of its layer as an AutoCAD colour index, heights and radii in drawing
/// units, angles in degrees counter-clockwise.
struct TPrvekVykresu {
    enum class Druh { Cara, Kruh, Text };
    Druh druh = Druh::Cara;
    int barva = 7;
    double x1 = 0; ///< start of a line, centre of a circle, insertion point of a text
    double y1 = 0;
    double x2 = 0; ///< end of a line
    double y2 = 0;
    double polomer = 0;
    double vyska = 0;
    double uhel = 0;
    int zarovnani = 0; ///< 0 left, 1 centre, 2 right, 4 middle (centred both ways)
    std::string text{}; ///< UTF-8

    bool operator==(const TPrvekVykresu&) const = default;
};

/// A whole drawing: its extents in world coordinates and its entities in the order written.
/// One drawing unit is `mmNaJednotku` millimetres of paper.
struct TVykres {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
    double mmNaJednotku = 1;
    std::vector<TPrvekVykresu> prvky;
};

} // namespace lineon
