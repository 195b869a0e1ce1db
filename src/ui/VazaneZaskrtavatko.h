#pragma once

#include <functional>
#include <vector>

class QCheckBox;
class QWidget;

namespace lineon::ui {

/// A check box of a window, named as its control, that writes its state into `cil` as soon as it
/// is clicked; `nacitace` gets the step that shows `cil` in it again.
QCheckBox* VazaneZaskrtavatko(QWidget* okno, const char* nazev, const char* popis, bool& cil,
                              std::vector<std::function<void()>>& nacitace);

} // namespace lineon::ui
