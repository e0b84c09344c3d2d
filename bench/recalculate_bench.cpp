// How long the window waits after each edit (one recalculation) and when a project is opened
// (reading, checking and applying the file). Figures only; nothing here asserts a time.
#include "calc/goods_enthalpy.h"
#include "calc/recalculate.h"
#include "model/startup_state.h"
#include "projectfile/project_file.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <variant>

namespace {

using namespace zeltar;

std::string ProjectBytes()
{
    std::ifstream in(ZELTAR_BENCH_PROJECT, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " ZELTAR_BENCH_PROJECT);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

projectfile::LoadedProject LoadedBenchProject()
{
    auto checked = projectfile::ReadProjectFile(ProjectBytes());
    if (const auto* problem = std::get_if<projectfile::FileProblem>(&checked))
        throw std::runtime_error(problem->message);
    return std::get<projectfile::LoadedProject>(std::move(checked));
}

ProjectState BenchProjectState()
{
    ProjectState state = StartupState("01.01.2025");
    projectfile::ApplyToState(LoadedBenchProject(), state);
    return state;
}

// One full pass: sixteen steps, two enthalpy sums of the goods, three moist-air evaluations.
void BM_Recalculate(benchmark::State& st)
{
    const ProjectState project = BenchProjectState();
    for (auto _ : st) {
        calc::RecalcResult result = calc::Recalculate(project);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

// The heaviest part of the pass: one enthalpy sum over the longest range (12000 steps of 0.01 K,
// the frozen share evaluated at each step below the cryoscopic point).
void BM_CumulativeEnthalpyLongestSum(benchmark::State& st)
{
    const calc::GoodsProperties beef{70, -1.5, 2300};
    for (auto _ : st)
        benchmark::DoNotOptimize(calc::CumulativeEnthalpy(70, beef));
}
BENCHMARK(BM_CumulativeEnthalpyLongestSum)->Unit(benchmark::kMicrosecond);

// Opening a project: code page conversion, the check of all 131 lines and applying them to a
// freshly started state.
void BM_ReadAndApplyProjectFile(benchmark::State& st)
{
    const std::string bytes = ProjectBytes();
    const ProjectState startup = StartupState("01.01.2025");
    for (auto _ : st) {
        auto checked = projectfile::ReadProjectFile(bytes);
        ProjectState state = startup;
        projectfile::ApplyToState(std::get<projectfile::LoadedProject>(checked), state);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_ReadAndApplyProjectFile)->Unit(benchmark::kMicrosecond);

} // namespace
