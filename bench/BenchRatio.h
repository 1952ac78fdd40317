#pragma once
// Runs the registered benchmarks and prints, for each pair, the ratio of the
// measured case to its floor measured in the same run:
//   ratio <case>/<floor> = 1.07 (goal <= 1.15)
// Lower is better; the goal is printed, not enforced, because machines vary.
// Ratios use CPU time: every case is single-threaded, and on a shared machine
// the wall clock also counts the time other processes held the core.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace quorvant::bench {

struct RatioPair {
    std::string measured, floor;
    double goal;
};

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Plain output: the log is read by people and scripts, not terminals.
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                repetitions[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
        ConsoleReporter::ReportRuns(runs);
    }
    // The median over the repetitions (--benchmark_repetitions), which with
    // --benchmark_enable_random_interleaving alternate between case and floor.
    std::map<std::string, double> PerIteration() const
    {
        std::map<std::string, double> medians;
        for (auto [name, times] : repetitions) {
            std::sort(times.begin(), times.end());
            const std::size_t n = times.size();
            medians[name] = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
        }
        return medians;
    }
    std::map<std::string, std::vector<double>> repetitions;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs)
{
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::cout.flush(); // the table goes through the stream, the ratios through stdio
    const auto perIteration = reporter.PerIteration();
    int missing = 0;
    for (const auto& pair : pairs) {
        const auto m = perIteration.find(pair.measured);
        const auto f = perIteration.find(pair.floor);
        if (m == perIteration.end() || f == perIteration.end() || f->second <= 0) {
            std::printf("ratio %s/%s: not measured\n", pair.measured.c_str(), pair.floor.c_str());
            ++missing;
            continue;
        }
        std::printf("ratio %s/%s = %.3f (goal <= %.2f)\n", pair.measured.c_str(), pair.floor.c_str(),
                    m->second / f->second, pair.goal);
    }
    benchmark::Shutdown();
    return missing ? 1 : 0;
}

} // namespace quorvant::bench
