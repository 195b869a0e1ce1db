#pragma once

#include "data/Vykres.h"
#include "prikazy/VystupPdf.h"

#include <QSizeF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace lineon::malba {

/// One sheet of a drawing on paper: the part of the world it shows, from its top left corner.
struct TList {
    double x0 = 0; ///< world coordinates of the sheet's top left corner
    double y0 = 0;
    int cislo = 1;
};

/// The sheets of paper of `papirMm` that hold the drawing at its scale: one when it fits, else a
/// grid from the top left that overlaps by 10 mm, row by row, without the sheets on which nothing
/// is drawn.
std::vector<TList> Listy(const TVykres& vykres, QSizeF papirMm);

/// The drawing at true scale on a paged device (a PDF writer or a printer) whose page is
/// `papirMm` and whose painter is begun: each sheet on a page of its own, numbered in its lower
/// right corner "list 2/6" when there are more.
void MalovatNaListy(QPainter& malir, QPagedPaintDevice& zarizeni, const TVykres& vykres, QSizeF papirMm);

/// The PDF through Qt's PDF writer, for the desktop and the batch program.
class VystupPdf final : public IVystupPdf {
public:
    void Ulozit(const TVykres& vykres, const std::string& cesta, bool naListyA3,
                const soubor::Disk& disk) const override;
};

} // namespace lineon::malba
