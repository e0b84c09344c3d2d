// Fuzz target for project files: any bytes either are refused with a line and a message, or load
// into a project whose recalculation gives finite numbers everywhere and which writes back to the
// same lines. Any other outcome aborts.
#include "calc/recalculate.h"
#include "model/startup_state.h"
#include "projectfile/project_file.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace zeltar;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "project file fuzz: %s\n", what);
    std::abort();
}

void RequireFinite(double value, const char* name)
{
    if (!std::isfinite(value)) {
        std::fprintf(stderr, "project file fuzz: %s = %g\n", name, value);
        std::abort();
    }
}

// Every number of the pass. A member added to RecalcValues must be added here too.
void RequireFiniteResults(const calc::RecalcResult& result)
{
    const calc::RecalcValues& v = result.values;
    // clang-format off
    static_assert(sizeof(calc::RecalcValues) == 52 * sizeof(double), "check every member below");
    for (double k : v.heatTransferCoefficient) RequireFinite(k, "heatTransferCoefficient");
    for (double q : v.enclosureHeatGain) RequireFinite(q, "enclosureHeatGain");
    for (double t : v.solarTemperatureDifference) RequireFinite(t, "solarTemperatureDifference");
    for (double q : v.solarHeatGain) RequireFinite(q, "solarHeatGain");
    const struct {
        double value;
        const char* name;
    } scalars[] = {
        {v.roomArea, "roomArea"}, {v.roomVolume, "roomVolume"},
        {v.productEnthalpyDifference, "productEnthalpyDifference"},
        {v.packagingEnthalpyDifference, "packagingEnthalpyDifference"},
        {v.respirationHeat, "respirationHeat"}, {v.netCapacity, "netCapacity"},
        {v.grossCapacity, "grossCapacity"}, {v.packagingMass, "packagingMass"},
        {v.roomAirDensity, "roomAirDensity"}, {v.outsideAirMoisture, "outsideAirMoisture"},
        {v.outsideAirEnthalpy, "outsideAirEnthalpy"}, {v.q1, "q1"}, {v.q12, "q12"}, {v.q3, "q3"},
        {v.q21, "q21"}, {v.q22, "q22"}, {v.q2, "q2"}, {v.q5, "q5"},
        {v.vehiclePasses, "vehiclePasses"}, {v.doorOpenShare, "doorOpenShare"},
        {v.doorHeatGain, "doorHeatGain"}, {v.lightingHeatGain, "lightingHeatGain"},
        {v.staffHeatGain, "staffHeatGain"}, {v.vehicleHeatGain, "vehicleHeatGain"},
        {v.consumerHeatGain, "consumerHeatGain"}, {v.fanHeatGain, "fanHeatGain"}, {v.q4, "q4"},
        {v.defrostHeatGain, "defrostHeatGain"},
        {v.totalHeatGain, "totalHeatGain"}, {v.equipmentCapacity, "equipmentCapacity"},
        {result.netCapacity, "result.netCapacity"},
        {result.doorOpenTime.value_or(0), "result.doorOpenTime"},
    };
    // clang-format on
    for (const auto& s : scalars)
        RequireFinite(s.value, s.name);
}

// A loaded file writes back, and what it writes reads back to the same lines.
void RequireWritesBack(const projectfile::LoadedProject& file)
{
    const auto written = projectfile::WriteProjectFile(file.lines);
    const auto* bytes = std::get_if<std::string>(&written);
    if (!bytes)
        Fail("a loaded file cannot be written back");
    const auto reread = projectfile::ReadProjectFile(*bytes);
    const auto* again = std::get_if<projectfile::LoadedProject>(&reread);
    if (!again || again->lines != file.lines)
        Fail("a written file does not read back to the same lines");
}

// Lines of a file however it ends them (CR LF, LF alone or CR alone, even mixed): at least one.
long LinesIn(std::string_view bytes)
{
    long ends = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++ends;
    }
    return ends + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = projectfile::ReadProjectFile(bytes);
    if (const auto* problem = std::get_if<projectfile::FileProblem>(&read)) {
        // Line 0: the whole file is refused (a PDF, a picture, other data, UTF-16, an object file);
        // a short file names its first missing line, a long one its first line too many.
        if (problem->line < 0 || problem->line > std::max<long>(projectfile::kLineCount, LinesIn(bytes)) ||
            problem->message.empty())
            Fail("a refusal names no line of the file");
        if (problem->message.find('\0') != std::string::npos)
            Fail("a NUL byte would cut the refusal's message short");
        return 0;
    }
    const auto& file = std::get<projectfile::LoadedProject>(read);
    RequireWritesBack(file);

    ProjectState state = StartupState("01.01.2025");
    projectfile::ApplyToState(file, state);
    RequireFiniteResults(calc::Recalculate(state));
    return 0;
}
