#include "ui/MistoVedleOkna.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lineon::ui {

namespace {

/// The places tried beside the main window lie this many pixels apart.
constexpr int Krok = 16;

std::int64_t Plocha(const QRect& a, const QRect& b)
{
    const QRect prunik = a.intersected(b);
    return prunik.isEmpty() ? 0 : std::int64_t(prunik.width()) * prunik.height();
}

} // namespace

QRect PosunoutNaObrazovku(QRect okno, const QRect& zahlavi, const QRect& obrazovka)
{
    okno.moveLeft(std::max(obrazovka.left(), std::min(okno.left(), obrazovka.right() + 1 - okno.width())));
    okno.moveTop(std::max(obrazovka.top(), std::min(okno.top(), obrazovka.bottom() + 1 - okno.height())));
    if (okno.intersects(zahlavi))
        okno.moveTop(zahlavi.bottom() + 1);
    return okno;
}

QPoint MistoVedleOkna(QSize okno, const QRect& hlavni, const QRect& zahlavi, const QRect& obrazovka,
                      const std::vector<QRect>& otevrena)
{
    // Along the right edge of the main window from its top down, along its bottom edge from its
    // left on, and beside and below every open side window.
    std::vector<QPoint> mista;
    for (int y = hlavni.top(); y <= hlavni.bottom(); y += Krok)
        mista.emplace_back(hlavni.right() + 1, y);
    for (int x = hlavni.left(); x <= hlavni.right(); x += Krok)
        mista.emplace_back(x, hlavni.bottom() + 1);
    for (const QRect& jine : otevrena) {
        mista.emplace_back(jine.right() + 1, jine.top());
        mista.emplace_back(jine.left(), jine.bottom() + 1);
    }

    // Off the screen weighs most, then the other side windows, then the main window.
    std::vector<std::pair<QPoint, std::int64_t>> ceny;
    std::int64_t nejmene = std::numeric_limits<std::int64_t>::max();
    for (const QPoint& misto : mista) {
        const QRect r = PosunoutNaObrazovku(QRect(misto, okno), zahlavi, obrazovka);
        std::int64_t cena = (std::int64_t(r.width()) * r.height() - Plocha(r, obrazovka)) * 1000 + Plocha(r, hlavni);
        for (const QRect& jine : otevrena)
            cena += 4 * Plocha(r, jine);
        ceny.emplace_back(r.topLeft(), cena);
        nejmene = std::min(nejmene, cena);
    }
    // The first place tried that is hardly worse than the best: a window a few pixels too wide for
    // the right side stays at the top of the main window rather than sliding down by its overlap.
    const std::int64_t snese = nejmene + std::int64_t(okno.width()) * okno.height() / 100;
    for (const auto& [misto, cena] : ceny)
        if (cena <= snese)
            return misto;
    return ceny.front().first;
}

} // namespace lineon::ui
