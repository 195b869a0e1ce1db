#pragma once

// Plan geometry of the line: Y and X are national-grid coordinates in metres.
namespace lineon::geometrie {

/// Distance in plan between two points.
double Vzdalenost(double y1, double x1, double y2, double x2);

/// Direction of a section in radians from arctan(dY / dX), in 0..π: a vertical section (dX = 0)
/// gives π/2 when dY > 0 and 3π/2 otherwise.
double Smer(double dY, double dX);

/// Direction of a section in degrees, arctan(dY / dX) as it stands (negative values stay
/// negative); a vertical section gives 90 when dY > 0 and 270 otherwise.
double SmerStupne(double dY, double dX);

} // namespace lineon::geometrie
