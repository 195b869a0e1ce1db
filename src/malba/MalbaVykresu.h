#pragma once

#include "data/Vykres.h"

#include <QColor>
#include <QPointF>

class QPainter;

// A drawing painted by Qt, on the screen, into a PDF or on a printer: lines and circles in their
// layers' colours, texts in DejaVu Sans with their height, angle and alignment.
namespace lineon::malba {

enum class Pozadi { Tmave, Svetle };

/// The colour of an AutoCAD colour index on that background: 7 is white on dark and black on
/// light; the dark colours are lightened on dark and the pale ones darkened on light, so that
/// every layer stays legible.
QColor Barva(int aci, Pozadi pozadi);

QColor BarvaPozadi(Pozadi pozadi);

/// How world coordinates (y up) map onto the device (y down): `meritko` device units per drawing
/// unit, the world point (`x0`, `y0`) at the device's origin.
struct TZobrazeni {
    double meritko = 1;
    double x0 = 0;
    double y0 = 0;

    QPointF Na(double x, double y) const { return {(x - x0) * meritko, (y0 - y) * meritko}; }
    double X(double xZarizeni) const { return x0 + xZarizeni / meritko; }
    double Y(double yZarizeni) const { return y0 - yZarizeni / meritko; }
};

/// Paints every entity of the drawing; lines are `sirkaCary` device units wide (0: one pixel).
/// Texts smaller than a device unit are left out, as no reader could read them.
void Malovat(QPainter& malir, const TVykres& vykres, const TZobrazeni& zobrazeni, Pozadi pozadi,
             double sirkaCary = 0);

/// The family of the drawings' texts, loaded from the system's fonts on first use.
const QString& PismoVykresu();

} // namespace lineon::malba
