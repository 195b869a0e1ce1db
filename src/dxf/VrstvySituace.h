#pragma once

#include "dxf/DxfDokument.h"

#include <array>
#include <string_view>

// The layers and symbols of the site plan, as indices into the list of each writer operation.
namespace lineon {

/// Layers of the site plan's lines.
namespace VrstvaCarySituace {
inline constexpr int Stoka = 0;
inline constexpr int Pripojka = 1;
} // namespace VrstvaCarySituace

/// Layers of the site plan's texts and numbers.
namespace VrstvaTextuSituace {
inline constexpr int Popis = 0;
inline constexpr int Oznaceni = 1;
inline constexpr int Teren = 2;
inline constexpr int Potrubi = 3;
} // namespace VrstvaTextuSituace

/// Layers of the site plan's circles.
namespace VrstvaKruhuSituace {
inline constexpr int Sachta = 0;
inline constexpr int DSachta = 1;
inline constexpr int PripojkaP = 2;
} // namespace VrstvaKruhuSituace

/// The symbols of the site plan.
namespace ZnackaSituace {
inline constexpr int Sachta = 0;
inline constexpr int DSachta = 1;
inline constexpr int PripojkaP = 2; ///< the small mark of a connection point
inline constexpr int Hydrant = 3;
inline constexpr int Soupe = 4;
} // namespace ZnackaSituace

inline constexpr std::array<std::string_view, 2> VrstvyCarSituace = {"STOKA", "PRIPOJKA"};
inline constexpr std::array<std::string_view, 4> VrstvyTextuSituace = {"POPIS", "OZNACENI", "TEREN", "POTRUBI"};
inline constexpr std::array<std::string_view, 3> VrstvyKruhuSituace = {"SACHTA", "DSACHTA", "PRIPOJKAP"};

/// A symbol: the layer of the insertion and the block inserted.
struct TZnacka {
    std::string_view Vrstva;
    std::string_view Blok;
};

inline constexpr std::array<TZnacka, 5> ZnackySituace = {{
    {"SACHTA", "6$20"}, {"DSACHTA", "6$20"}, {"PRIPOJKAP", "6$20"}, {"HYDRANT", "6$12"}, {"SOUPE", "6$14"},
}};

/// A line of a symbol's block, in block coordinates as the file writes them.
struct TCaraBloku {
    std::string_view x1, y1, x2, y2;
};

/// A symbol's block: a circle round its base point and some lines.
struct TBlokZnacky {
    std::string_view Nazev;
    std::string_view Polomer;
    std::array<TCaraBloku, 2> Cary;
    std::size_t PocetCar;
};

inline constexpr std::array<TBlokZnacky, 3> BlokyZnacek = {{
    {"6$12", "0.75", {{{"0.0", "1.75", "0.0", "0.75"}, {"-0.5", "1.75", "0.5", "1.75"}}}, 2},
    {"6$14", "0.5", {}, 0},
    {"6$20", "1.0", {}, 0},
}};

/// The layer table of the site-plan file; its first layer is named by one blank.
inline constexpr std::array<dxf::TVrstva, 12> TabulkaVrstevSituace = {{
    {" ", 0}, {"STOKA", 6}, {"PRIPOJKA", 7}, {"SACHTA", 4}, {"DSACHTA", 5}, {"POPIS", 1},
    {"PRIPOJKAP", 6}, {"OZNACENI", 2}, {"TEREN", 3}, {"POTRUBI", 4}, {"HYDRANT", 8}, {"SOUPE", 9},
}};

} // namespace lineon
