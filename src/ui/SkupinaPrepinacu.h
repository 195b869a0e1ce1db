#pragma once

#include <QGroupBox>

#include <initializer_list>

class QButtonGroup;

namespace lineon::ui {

/// A titled group of radio buttons, one of which is chosen (a "radio group"). The group carries
/// the control's name; its buttons are named after it with their index (RadioGroup20, ...).
class SkupinaPrepinacu : public QGroupBox {
    Q_OBJECT
public:
    SkupinaPrepinacu(const char* nazev, const char* nadpis, std::initializer_list<const char*> volby,
                     QWidget* rodic = nullptr);

    int Vybrana() const;
    /// Chooses a button without emitting `vybrano`.
    void Vybrat(int index);

signals:
    /// The user chose a button.
    void vybrano(int index);

private:
    QButtonGroup* tlacitka_;
};

} // namespace lineon::ui
