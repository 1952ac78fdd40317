// The default worksheet calculation against a floor loop of the same number
// of logarithms, exponentials and divisions at the same (extended) precision.
#include <cmath>

#include "BenchRatio.h"
#include "worksheet/SettingsFile.h"
#include "worksheet/WorksheetCalculation.h"

namespace {

// One solve for 360 months: 30 iterations x 2 sums x 358 powers, plus the
// payment's one logarithm and exponential.
constexpr int Logarithms = 1 + 30 * 2 * 358;
constexpr int Divisions = 1 + 30 * (2 * 359 + 5);

void DefaultCalculation(benchmark::State& state)
{
    quorvant::LoanWorksheet sheet;
    static_cast<quorvant::WorksheetInputs&>(sheet) = quorvant::DefaultInputs();
    for (auto _ : state) {
        quorvant::CalculateWorksheet(sheet, '.');
        benchmark::DoNotOptimize(sheet.Apr);
    }
}

void Floor(benchmark::State& state)
{
    for (auto _ : state) {
        long double x = 1.0056L, acc = 0;
        for (int i = 0; i < Logarithms; ++i) {
            const long double t = std::log(x) * (i + 2);
            acc += std::exp(-t);
            x += 1e-12L;
        }
        for (int i = 0; i < Divisions; ++i)
            acc = 1 / (acc + 1);
        benchmark::DoNotOptimize(acc);
    }
}

} // namespace

BENCHMARK(DefaultCalculation);
BENCHMARK(Floor);

int main(int argc, char** argv)
{
    return quorvant::bench::RunWithRatios(argc, argv, {{"DefaultCalculation", "Floor", 1.15}});
}
