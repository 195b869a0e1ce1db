#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace lineon::ui {

/// Where a side window goes when it opens for the first time. Every rectangle is in screen
/// pixels with the window frames: `hlavni` is the main window, `zahlavi` its part from the top of
/// the frame to the bottom of the menu bar, `obrazovka` the free part of its screen, `otevrena` the
/// side windows already open. The window goes to the right of the main window or below it, is
/// pushed back onto the screen where it does not fit there, never covers the caption or the menu
/// bar of the main window, and covers the open side windows, then the main window, as little as
/// it can. Returns the top left corner of its frame.
QPoint MistoVedleOkna(QSize okno, const QRect& hlavni, const QRect& zahlavi, const QRect& obrazovka,
                      const std::vector<QRect>& otevrena);

/// A window moved onto the screen (its top left corner first when it is larger than the screen),
/// then below the caption and menu bar of the main window when it would cover them.
QRect PosunoutNaObrazovku(QRect okno, const QRect& zahlavi, const QRect& obrazovka);

} // namespace lineon::ui
