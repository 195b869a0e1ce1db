#pragma once

#include <QString>

#include <string_view>

namespace lineon::ui {

/// A Czech text of the program's own, written in the sources as UTF-8.
inline QString T(const char* text)
{
    return QString::fromUtf8(text);
}

inline QString T(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lineon::ui
