// Counts the instructions a program executes from its start until its first paint, under
// valgrind's callgrind tool. Unlike wall time this hardly moves on a busy machine.
#pragma once

#include <optional>
#include <string>

#include "first_paint_watch.h"

namespace motrel::bench {

// Runs the program under callgrind, and when the watch sees its first paint asks callgrind
// (callgrind_control --dump) to write its counters so far. Returns the total, or nothing
// when the program painted nothing or callgrind wrote no counters. Files go to workDir.
// Removes the files an earlier benchmark run left in workDir; those of the last run stay there
// for callgrind_annotate.
void removeOldCallgrindFiles(const std::string& workDir);

std::optional<long long> instructionsUntilFirstPaint(FirstPaintWatch& watch,
                                                     const std::string& program,
                                                     const std::string& workDir);

}  // namespace motrel::bench
