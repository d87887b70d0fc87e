#include "callgrind_count.h"

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "child_process.h"

namespace motrel::bench {
namespace {

// Callgrind starts with this line's total in each dump it writes.
std::optional<long long> totalIn(const std::filesystem::path& dump) {
    std::ifstream file(dump);
    std::string line;
    while (std::getline(file, line)) {
        for (const std::string key : {"totals: ", "summary: "}) {
            if (line.rfind(key, 0) == 0) return std::stoll(line.substr(key.size()));
        }
    }
    return std::nullopt;
}

bool run(const std::vector<std::string>& command) {
    const pid_t pid = startProgram(command, true);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

void removeOldCallgrindFiles(const std::string& workDir) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(workDir, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("callgrind.", 0) == 0 || name.rfind("valgrind.", 0) == 0)
            fs::remove(entry.path(), ignored);
    }
}

std::optional<long long> instructionsUntilFirstPaint(FirstPaintWatch& watch,
                                                     const std::string& program,
                                                     const std::string& workDir) {
    namespace fs = std::filesystem;
    fs::create_directories(workDir);
    // %p: a process that forks (libdbus does, looking for a session bus) writes one file per
    // process; only the program's own counts.
    const pid_t pid =
        startProgram({"valgrind", "--tool=callgrind", "--log-file=" + workDir + "/valgrind.%p.log",
                      "--callgrind-out-file=" + workDir + "/callgrind.%p", program});
    const auto paint = watch.waitForFirstPaint(pid, Clock::now() + std::chrono::minutes(5));
    std::optional<long long> total;
    if (paint) {
        // Dumps the counters collected up to now into <file>.1 and returns when it is written.
        const std::string dumpFile = workDir + "/callgrind." + std::to_string(pid) + ".1";
        if (run({"callgrind_control", "--dump=first-paint", std::to_string(pid)}))
            total = totalIn(dumpFile);
    }
    stopProgram(pid);
    if (paint) watch.waitUntilDestroyed(paint->window, Clock::now() + std::chrono::seconds(30));
    return total;
}

}  // namespace motrel::bench
