#pragma once

#include <QDialog>

class QPushButton;

namespace lineon::ui {

/// The common frame of the point and connection dialogs: shown without waiting while the main
/// window takes no input, no close box, "OK" and "Cancel", and the Enter key moving on like Tab.
class RadkovyDialog : public QDialog {
    Q_OBJECT
public:
    explicit RadkovyDialog(QWidget* hlavniOkno);

    QPushButton* TlacitkoOk() const { return ok_; }
    QPushButton* TlacitkoCancel() const { return cancel_; }

signals:
    /// OK stored the row; the main window redraws and takes the focus.
    void ulozeno();

protected:
    void keyPressEvent(QKeyEvent* udalost) override;
    /// Stores the fields into the row.
    virtual void Ulozit() = 0;
    /// Lays the dialog out: its fields from the top, then "OK" and "Cancel" at the right.
    void Rozlozit(std::initializer_list<QObject*> obsah);

    /// The row being edited (1-based).
    int radek_ = 0;

private:
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace lineon::ui
