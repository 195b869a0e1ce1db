#pragma once

#include "data/KresData.h"

#include <optional>

namespace lineon {

/// One preview item in pixels of a window S pixels wide, as the preview window paints it.
struct TTvarNahledu {
    enum class Druh {
        Cara,     ///< a line from (x1, y1) to (x2, y2)
        Elipsa,   ///< a circle: the ellipse in the square from (x1, y1) to (x2, y2)
        Obdelnik, ///< a text: an outline rectangle from (x1, y1) to (x2, y2), standing on its insertion point
    };
    Druh druh = Druh::Cara;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    bool operator==(const TTvarNahledu&) const = default;
};

/// Maps a preview item onto a window `sirka` pixels wide: every coordinate is S times the preview
/// value, rounded with halves to the even neighbour. A text of n characters and height h becomes
/// the box from (x, y − h) to (x + n·h, y). An item with none of its three flags maps to nothing.
std::optional<TTvarNahledu> TvarNahledu(const KresData& polozka, int sirka);

} // namespace lineon
