#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"

namespace lineon {

/// Projects every connection row onto the line. A section takes a connection when the connection
/// lies closer to both its ends than the section is long; every section that takes it does so in
/// turn (a later one overwrites, and the tests after a take use the moved point), giving its
/// stationing, the pipe and ground levels there and the cover, and moving the row's point onto the
/// section. A connection that no section takes keeps stationing 0 and is reported; the
/// calculation goes on. An entirely empty row is no connection: its results are 0, unreported.
void PromitnoutPripojky(TStav& stav, IZpravy& zpravy);

/// One test of the projection: section i takes connection j (as it stands now) when the
/// connection lies closer to both its ends than the section is long. True when it took it.
bool ZkusitUsek(TStav& stav, IZpravy& zpravy, int j, int i);

/// Direction in degrees from a connection point to its house manhole, as the site plan turns it.
double UhelPripojky(double y, double x, double yDS, double xDS);

} // namespace lineon
