#pragma once

#include <QString>

#include <cstddef>

namespace quindaro2 {

// An import lists at most this many of its problems and counts the rest:
// a file that is no export at all would otherwise give one for every line.
inline constexpr std::size_t kMostImportProblems = 100;

// One thing an import refuses: a whole file, a line or a cell, and why.
struct ImportProblem {
    QString file;
    int line = 0;    // 1-based; 0 for the whole file
    QString column;  // the column's heading; empty for a whole line or file
    QString text;    // what the file holds there
    QString reason;
};

} // namespace quindaro2
