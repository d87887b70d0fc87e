#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace motrel::bench {

pid_t startProgram(const std::vector<std::string>& command, bool silent) {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (silent) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + command.front() + ": " + std::strerror(error));
    return pid;
}

void stopProgram(pid_t pid) {
    using namespace std::chrono_literals;
    kill(pid, SIGTERM);
    // Valgrind writes its output file on the way out, which can take a while.
    for (int waited = 0; waited < 300; ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(20ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

Memory memoryOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    Memory memory;
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") status >> memory.rssKiB;
        if (key == "VmHWM:") status >> memory.hwmKiB;
        status.ignore(1 << 10, '\n');
    }
    return memory;
}

}  // namespace motrel::bench
