// What one keystroke costs in the core: read the texts, evaluate, format the labels.
#include "bending/bending.h"
#include "buckling/buckling.h"
#include "number/number.h"
#include "section/section.h"

#include <benchmark/benchmark.h>

namespace {

// Unequal plates (h 100, w 60, t1 8, t2 5), so that every shape computes and the profiles
// take their general paths.
const zolk::SectionTexts kTexts{"100", "60", "8", "5", "10", "0", "10"};

void SectionKeystroke(benchmark::State& state) {
    const auto code = static_cast<std::uint8_t>(state.range(0));
    for (auto _ : state) {
        const zolk::SectionResult result = zolk::EvaluateSectionTexts(kTexts, code);
        benchmark::DoNotOptimize(zolk::FormatExponent(result.values.area));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.values.inertia));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.values.modulus));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.values.polarInertia));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.values.polarModulus));
    }
}
BENCHMARK(SectionKeystroke)->ArgName("code")->DenseRange(0, zolk::kSectionCodeCount - 1);

void BendingKeystroke(benchmark::State& state) {
    const auto loadCase = static_cast<std::uint8_t>(state.range(0));
    const zolk::BendingMember member{210000, 833.3333333333334, 166.66666666666669, 100};
    const zolk::BendingTexts texts{"100", "25", "10"};
    for (auto _ : state) {
        const zolk::BendingResult result = zolk::EvaluateBendingTexts(texts, loadCase, member);
        benchmark::DoNotOptimize(zolk::FormatExponent(result.moment));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.stress));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.deflection));
        benchmark::DoNotOptimize(zolk::FormatFixed(result.position));
    }
}
BENCHMARK(BendingKeystroke)->ArgName("case")->DenseRange(0, zolk::kLoadCaseCount - 1);

// Buckling has no text of its own: it runs from the stored values when its page is shown.
void BucklingEvaluation(benchmark::State& state) {
    const auto bucklingCase = static_cast<std::uint8_t>(state.range(0));
    for (auto _ : state) {
        const zolk::BucklingResult result =
            zolk::EvaluateEuler(bucklingCase, 210000, 833.3333333333334, 100, 100);
        benchmark::DoNotOptimize(zolk::FormatExponent(result.criticalLoad));
        benchmark::DoNotOptimize(zolk::FormatExponent(result.stress));
    }
}
BENCHMARK(BucklingEvaluation)->ArgName("case")->DenseRange(0, zolk::kBucklingCaseCount - 1);

} // namespace

BENCHMARK_MAIN();
