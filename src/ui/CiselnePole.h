#pragma once

#include <QLineEdit>

namespace lineon::ui {

/// A number field with a range and a number of decimals. It shows its value with those decimals
/// but keeps the value it was given exactly until the user types a new one, so that a dialog
/// confirmed without changes gives back what it was loaded with. Keys that cannot lead to a
/// number in the range are refused; an unfinished entry is dropped when the field loses the focus,
/// and the value in force stays.
class CiselnePole : public QLineEdit {
    Q_OBJECT
public:
    CiselnePole(double nejmene, double nejvice, int desetin, QWidget* rodic = nullptr);

    double Hodnota() const { return hodnota_; }
    int CelaHodnota() const { return static_cast<int>(hodnota_); }
    void NastavitHodnotu(double hodnota);

signals:
    /// The user typed a valid number.
    void hodnotaZmenena(double hodnota);

protected:
    void focusOutEvent(QFocusEvent* udalost) override;

private:
    void PriUprave(const QString& text);

    int desetin_;
    double hodnota_ = 0;
};

} // namespace lineon::ui
