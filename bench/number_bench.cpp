// Number reading and result format on realistic field texts and results, each beside the
// standard library's conversion of the same values in the same run. After the runs a summary
// gives each as a ratio of its baseline.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "motrel/number_text.h"

namespace {

// Texts as the fields hold them (comma separator) and the same numbers as from_chars takes them.
const std::vector<std::string_view> fieldTexts = {"38",   "85",      "1,5",     "57,21",
                                                  "8000", "4,1    ", "162,44",  "0,7",
                                                  "2,15", "44",      "8000,53", "31,11"};
const std::vector<std::string_view> plainTexts = {
    "38", "85", "1.5", "57.21", "8000", "4.1", "162.44", "0.7", "2.15", "44", "8000.53", "31.11"};

// Results as the calculators produce them.
const std::vector<double> results = {57.206208425720620, 31.107854222890046, 8390.7007575757575,
                                     162.44107740340296, 22.150739190588604, 10.488750000000000,
                                     41.953125000000000, 0.0035757575757575, 19.177021544322236,
                                     53.732780213456701, 8000.5330000000000, -57.206208425720620};

void readNumberFields(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto text : fieldTexts) benchmark::DoNotOptimize(motrel::readNumber(text, ','));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(fieldTexts.size()));
}
BENCHMARK(readNumberFields);

void fromCharsFields(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto text : plainTexts) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(plainTexts.size()));
}
BENCHMARK(fromCharsFields);

void formatResults(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : results)
            benchmark::DoNotOptimize(motrel::formatResult(value, ','));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(results.size()));
}
BENCHMARK(formatResults);

// The baseline builds a std::string as well, like formatResult.
void toCharsShortest(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : results) {
            char buffer[32];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
            benchmark::DoNotOptimize(std::string(buffer, end));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(results.size()));
}
BENCHMARK(toCharsShortest);

// Keeps each benchmark's time per iteration besides printing it.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void printRatio(const RecordingReporter& reporter, const std::string& name,
                const std::string& baseline, double target) {
    const auto found = reporter.times.find(name);
    const auto base = reporter.times.find(baseline);
    if (found == reporter.times.end() || base == reporter.times.end()) return;
    const double ratio = found->second / base->second;
    std::printf("%-18s %5.2fx %s (target %.1fx) %s\n", name.c_str(), ratio, baseline.c_str(),
                target, ratio <= target ? "ok" : "SLOWER THAN TARGET");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\nRatios against the baseline of the same run:\n");
    printRatio(reporter, "readNumberFields", "fromCharsFields", 1.5);
    printRatio(reporter, "formatResults", "toCharsShortest", 2.0);
    return 0;
}
