#include "calc/Geometrie.h"

#include <cmath>
#include <numbers>

namespace lineon::geometrie {

double Vzdalenost(double y1, double x1, double y2, double x2)
{
    const double dY = y2 - y1;
    const double dX = x2 - x1;
    return std::sqrt(dY * dY + dX * dX);
}

double Smer(double dY, double dX)
{
    if (dX == 0)
        return dY > 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
    const double smer = std::atan(dY / dX);
    return smer < 0 ? smer + std::numbers::pi : smer;
}

double SmerStupne(double dY, double dX)
{
    if (dX == 0)
        return dY > 0 ? 90 : 270;
    return std::atan(dY / dX) * 180 / std::numbers::pi;
}

} // namespace lineon::geometrie
