#pragma once

#include <QDialog>

#include <string>

class QPushButton;

namespace lineon::ui {

class HlavniOkno;

/// The common frame of the point and connection dialogs: shown without waiting while the main
/// window takes no input, no close box, "OK" and "Cancel" (Escape cancels), and the Enter key
/// moving on like Tab. The dialog is a window of its own rather than a child of the main window,
/// so that disabling the main window leaves the side windows and the dialog itself usable.
class RadkovyDialog : public QDialog {
    Q_OBJECT
public:
    /// OK stores the row as the main window's step `nazevKroku` of "Zpět".
    RadkovyDialog(HlavniOkno& hlavniOkno, std::string nazevKroku);

    QPushButton* TlacitkoOk() const { return ok_; }
    QPushButton* TlacitkoCancel() const { return cancel_; }

    /// OK and Cancel alike: the main window takes input again and gets the focus back.
    void done(int vysledek) override;

protected:
    void keyPressEvent(QKeyEvent* udalost) override;
    /// Stores the fields into the row.
    virtual void Ulozit() = 0;
    /// Lays the dialog out: its fields from the top, then "OK" and "Cancel" at the right.
    void Rozlozit(std::initializer_list<QObject*> obsah);
    /// Shows the dialog with the fields loaded; the main window takes no input until it closes.
    void ZobrazitRadek();

    /// The row being edited (1-based).
    int radek_ = 0;

private:
    HlavniOkno& hlavniOkno_;
    std::string nazevKroku_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace lineon::ui
