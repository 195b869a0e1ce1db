#pragma once

#include "data/LimityKontroly.h"
#include "data/Stav.h"
#include "kontrola/Nalez.h"

#include <cstdint>
#include <vector>

namespace lineon {

/// The engineer's checks of a computed line against the limits: slopes, drops and spacing of a
/// sewer, the cover of points and connections, the house connections' fall, the high and low
/// points of a water main, the slopes of a road axis. Sorted by stationing; findings at one
/// stationing keep the order of the checks. Reads the tables and results of the last
/// successful "Výpočet".
std::vector<TNalez> ZkontrolovatLinii(const TStav& stav, const TLimityKontroly& limity);

/// The minimum slope of a sewer pipe of the given DN: the table's row of the largest diameter not
/// above it, else 1000/DN ‰.
double MinimalniSpadStoky(const TLimityKontroly& limity, std::int32_t prumer);

/// Whether any finding is of the error kind.
bool ObsahujeChybu(const std::vector<TNalez>& nalezy);

} // namespace lineon
