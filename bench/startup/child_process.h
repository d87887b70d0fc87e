// Starting a program under measurement and reading its memory from outside, through /proc.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace motrel::bench {

// Starts the command (argv[0] is looked up on PATH) with the runner's environment, its output
// thrown away when silent; throws std::runtime_error when it cannot be started.
pid_t startProgram(const std::vector<std::string>& command, bool silent = false);

// Ends the program (SIGTERM, then SIGKILL if it lingers) and reaps it.
void stopProgram(pid_t pid);

// Resident memory in KiB from /proc/<pid>/status: now (VmRSS) and its peak (VmHWM).
struct Memory {
    long rssKiB = 0;
    long hwmKiB = 0;
};
Memory memoryOf(pid_t pid);

}  // namespace motrel::bench
