#pragma once

namespace lineon {

class IPlatnoSituace;
class RadkovyVystup;
struct TStav;

/// Writes the site plan of the computed line into `AdresarProjektu` + `SouborSituace` when
/// "Situace (do DXF)" (`Sitcheck`) is on; otherwise touches nothing. Throws Chyba when the file
/// cannot be written (a previous file of that name stays as it was).
void VytvoritSituaci(const TStav& stav);

/// The site plan into an output, whatever the switch.
void VytvoritSituaci(const TStav& stav, RadkovyVystup& vystup);

/// The site plan drawn on any surface.
void VytvoritSituaci(const TStav& stav, IPlatnoSituace& platno);

} // namespace lineon
