#pragma once

#include <array>
#include <cstdint>

// The colours of the layers as CAD programs show the AutoCAD colour index, for the indices the
// drawings use (1 to 39); 7 is white on a dark background and black on a light one.
namespace lineon::malba {

struct TRgb {
    std::uint8_t r, g, b;
};

inline constexpr std::array<TRgb, 40> BarvyAci = {{
    {0, 0, 0},       {255, 0, 0},     {255, 255, 0},   {0, 255, 0},    {0, 255, 255},   {0, 0, 255},
    {255, 0, 255},   {255, 255, 255}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},    {255, 127, 127},
    {165, 0, 0},     {165, 82, 82},   {127, 0, 0},     {127, 63, 63},  {76, 0, 0},      {76, 38, 38},
    {38, 0, 0},      {38, 19, 19},    {255, 63, 0},    {255, 159, 127}, {165, 41, 0},   {165, 103, 82},
    {127, 31, 0},    {127, 79, 63},   {76, 19, 0},     {76, 47, 38},   {38, 9, 0},      {38, 23, 19},
    {255, 127, 0},   {255, 191, 127}, {165, 82, 0},    {165, 124, 82}, {127, 63, 0},    {127, 95, 63},
    {76, 38, 0},     {76, 57, 38},    {38, 19, 0},     {38, 28, 19},
}};

} // namespace lineon::malba
