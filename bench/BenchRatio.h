#pragma once
// Runs the registered benchmarks and prints, for each pair, the ratio of the
// measured case to its floor measured in the same run:
//   ratio <case>/<floor> = 1.07 (goal <= 1.15)
// Lower is better; the goal is printed, not enforced, because machines vary.

#include <benchmark/benchmark.h>

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
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                perIteration[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> perIteration;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs)
{
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::cout.flush();  // the table goes through the stream, the ratios through stdio
    int missing = 0;
    for (const auto& pair : pairs) {
        const auto m = reporter.perIteration.find(pair.measured);
        const auto f = reporter.perIteration.find(pair.floor);
        if (m == reporter.perIteration.end() || f == reporter.perIteration.end() || f->second <= 0) {
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
