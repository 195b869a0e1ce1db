#pragma once

#include <QObject>
#include <QRect>

#include <vector>

class QMainWindow;
class QWidget;

namespace lineon::ui {

/// The windows that belong to the main window. Each stays a window of its own, so that a dialog
/// that disables the main window leaves it usable, but the window system keeps it above the main
/// window only: not above other programs, nor above a file dialog or a message box. A side window
/// opens beside the main window the first time (`MistoVedleOkna`) and where it was last after
/// that, so that a place the user chose holds for the whole run; when the program makes it larger,
/// it moves back onto the screen.
class VedlejsiOkna : public QObject {
    Q_OBJECT
public:
    explicit VedlejsiOkna(QMainWindow& hlavni);

    /// A side window, placed beside the main window when it first opens.
    void PridatVedle(QWidget& okno);
    /// A dialog that the platform centres over the main window (the row dialogs).
    void PridatNad(QWidget& okno);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    /// The caption and menu bar of the main window, with its frame, on the screen.
    QRect Zahlavi() const;
    QRect Obrazovka() const;
    /// The window with its frame on the screen.
    QRect Ramecek(const QWidget& okno) const;
    /// Moves the window's frame to a place.
    void Presunout(QWidget& okno, QPoint ramecek);
    /// Puts a side window beside the main window, clear of the other open side windows.
    void Umistit(QWidget& okno);

    QMainWindow& hlavni_;
    std::vector<QWidget*> vedle_;
    std::vector<QWidget*> umistena_;
};

} // namespace lineon::ui
