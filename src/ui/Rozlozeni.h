#pragma once

#include <initializer_list>

class QBoxLayout;
class QObject;

namespace lineon::ui {

/// Adds widgets and nested layouts to a box layout in order.
void PridatDoRozlozeni(QBoxLayout* rozlozeni, std::initializer_list<QObject*> obsah);

} // namespace lineon::ui
