#pragma once

namespace lineon {

/// What a command did to the rows, for the redraw that follows it.
enum class ZmenaRadku {
    /// Values changed in place (or nothing): the cursors keep their rows and columns.
    Hodnoty,
    /// Point rows were inserted, removed or reordered: the cursors keep their row numbers as far
    /// as the tables reach, but what was computed for a row belongs to another one now.
    Radky,
    /// Another project: both tables start again on their first row.
    Projekt,
};

} // namespace lineon
