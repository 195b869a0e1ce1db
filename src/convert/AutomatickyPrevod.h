#pragma once

namespace lineon {

struct TStav;

/// "!Spustit automatický převod!": turns the coded points of the coordinate list into point rows
/// (manholes by index), connection rows (connections and house manholes by index) and crossing
/// rows (in list order), appended to both tables. A table that would grow beyond its capacity
/// throws its capacity message and neither table changes; an empty list converts nothing.
void SpustitAutomatickyPrevod(TStav& stav);

} // namespace lineon
