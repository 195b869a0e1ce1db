#pragma once

#include "dxf/VrstvyProfilu.h"
#include "zaklad/Cisla.h"

#include <optional>

// How the profile's texts and numbers stand in its file, for every surface that shows the file's
// entities.
namespace lineon::dxf {

/// A text of the profile at 1:H is H × 0.002 high, on the layer "ROVINA" H × 0.0025.
inline double VyskaTextuProfilu(int vrstva, double H)
{
    return H * (vrstva == VrstvaTextuProfilu::Rovina ? 0.0025 : 0.002);
}

/// The crossing and connection level labels stand upright across the profile; other texts have
/// no angle.
inline std::optional<int> UhelTextuProfilu(int vrstva)
{
    if (vrstva >= VrstvaTextuProfilu::KotaKrizeni1 && vrstva <= VrstvaTextuProfilu::KotaPripojky)
        return 90;
    return std::nullopt;
}

/// A number of the profile as its text: `desetin` decimals, at least three characters.
inline cisla::TCislo TextCislaProfilu(double hodnota, int desetin)
{
    return cisla::CisloF(hodnota, 3, desetin);
}

/// The colour index of a layer in a layer table; 7 (white or black) for a layer it lacks.
template <std::size_t N>
int BarvaVrstvy(const std::array<TVrstva, N>& tabulka, std::string_view nazev)
{
    for (const TVrstva& vrstva : tabulka)
        if (vrstva.Nazev == nazev)
            return vrstva.Barva;
    return 7;
}

} // namespace lineon::dxf
