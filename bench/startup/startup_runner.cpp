// Start-up of the calculator against the minimal Qt window: both programs are started in turn
// on the X display the runner is given, and watched from outside until their window is mapped
// and painted. Prints the median time to the first paint, the resident memory at that moment
// and, under callgrind, the instructions executed until then, with the ratio of the two.
//
//   motrel_bench_startup [--runs N] [--callgrind-runs N] [--verbose] [--work-dir DIR]
//                        <motrel-calculator> <minimal window>
//
// scripts/bench-startup.sh builds both programs and runs this under Xvfb.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "callgrind_count.h"
#include "child_process.h"
#include "first_paint_watch.h"

namespace {

using namespace motrel::bench;

struct Options {
    int runs = 10;
    int callgrindRuns = 1;
    bool verbose = false;
    std::string workDir = "/tmp/motrel-bench-startup";
    std::vector<std::string> programs;  // the calculator, then the minimal window
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        auto value = [&] {
            if (i + 1 >= argc) throw std::runtime_error(word + " needs a value");
            return std::string(argv[++i]);
        };
        if (word == "--runs") {
            options.runs = std::stoi(value());
        } else if (word == "--callgrind-runs") {
            options.callgrindRuns = std::stoi(value());
        } else if (word == "--work-dir") {
            options.workDir = value();
        } else if (word == "--verbose") {
            options.verbose = true;
        } else {
            options.programs.push_back(word);
        }
    }
    if (options.programs.size() != 2 || options.runs < 1)
        throw std::runtime_error(
            "usage: motrel_bench_startup [--runs N] [--callgrind-runs N] [--verbose] "
            "[--work-dir DIR] <motrel-calculator> <minimal window>");
    return options;
}

struct Sample {
    double ms = 0;
    double rssMiB = 0;
    double hwmMiB = 0;
};

Sample startOnce(FirstPaintWatch& watch, const std::string& program) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = startProgram({program});
    const auto paint = watch.waitForFirstPaint(pid, start + std::chrono::seconds(60));
    // Read at once: the program sits idle in its event loop after painting.
    const Memory memory = memoryOf(pid);
    stopProgram(pid);
    if (!paint) throw std::runtime_error(program + " showed no painted window within 60 s");
    watch.waitUntilDestroyed(paint->window, Clock::now() + std::chrono::seconds(10));
    return {std::chrono::duration<double, std::milli>(paint->painted - start).count(),
            static_cast<double>(memory.rssKiB) / 1024.0,
            static_cast<double>(memory.hwmKiB) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void printRow(const char* figure, double motrel, double minimal) {
    std::printf("%-20s %10.2f %10.2f %8.2fx\n", figure, motrel, minimal, motrel / minimal);
}

int runBenchmark(const Options& options) {
    // The window is watched through X11, so both programs must draw on this display.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    FirstPaintWatch watch(options.verbose);

    // One start of each first, not counted: the font cache and the disk cache are then
    // equally warm for both.
    for (const std::string& program : options.programs) startOnce(watch, program);

    // Alternating, and each round the other one first, so that a slow spell of the machine
    // falls on both alike.
    std::vector<Sample> samples[2];
    for (int round = 0; round < options.runs; ++round) {
        for (int k = 0; k < 2; ++k) {
            const int which = (round % 2 == 0) ? k : 1 - k;
            if (options.verbose) std::fprintf(stderr, "%s\n", options.programs[which].c_str());
            samples[which].push_back(startOnce(watch, options.programs[which]));
        }
    }
    std::vector<double> instructions[2];
    removeOldCallgrindFiles(options.workDir);
    for (int round = 0; round < options.callgrindRuns; ++round) {
        for (int which = 0; which < 2; ++which) {
            const auto count =
                instructionsUntilFirstPaint(watch, options.programs[which], options.workDir);
            if (!count)
                throw std::runtime_error("callgrind counted nothing for " +
                                         options.programs[which]);
            instructions[which].push_back(static_cast<double>(*count) / 1e6);
        }
    }

    auto medianOf = [&](int which, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& sample : samples[which]) values.push_back(sample.*field);
        return median(values);
    };
    std::printf("%d starts each, medians; ratio = motrel / minimal\n", options.runs);
    std::printf("%-20s %10s %10s %9s\n", "figure", "motrel", "minimal", "ratio");
    printRow("first paint (ms)", medianOf(0, &Sample::ms), medianOf(1, &Sample::ms));
    printRow("VmRSS (MiB)", medianOf(0, &Sample::rssMiB), medianOf(1, &Sample::rssMiB));
    printRow("VmHWM (MiB)", medianOf(0, &Sample::hwmMiB), medianOf(1, &Sample::hwmMiB));
    if (options.callgrindRuns > 0)
        printRow("instructions (M)", median(instructions[0]), median(instructions[1]));
    for (int which = 0; which < 2; ++which) {
        std::printf("%s first paint (ms):", which == 0 ? "motrel " : "minimal");
        for (const Sample& sample : samples[which]) std::printf(" %.1f", sample.ms);
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return runBenchmark(parse(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "motrel_bench_startup: %s\n", error.what());
        return 1;
    }
}
