#pragma once

#include <QString>

namespace lineon::ui {

/// A Czech text of the program's own, written in the sources as UTF-8.
inline QString T(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace lineon::ui
