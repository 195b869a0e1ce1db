#pragma once

namespace lineon {

struct TStav;

/// Converts record k of the coordinate list into a row as the manual-conversion window is set:
/// a manhole into the point table, a connection or crossing or a house manhole into the
/// connection table, over the focused row of that table or appended at its end.
/// Nothing is converted when k names no record or the focused row does not exist; appending to a
/// full table throws the table's capacity message and changes nothing.
void PrevestRadek(TStav& stav, int k, int aktivniRadekBodu, int aktivniRadekPripojek);

} // namespace lineon
