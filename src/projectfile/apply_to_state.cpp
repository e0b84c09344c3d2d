// Applying a checked project file to the project record, as the load command does, with the inputs
// that follow from the loaded choices: surface coefficients, cryoscopic temperature and the wall
// directions.
#include "projectfile/line_table.h"
#include "projectfile/project_file.h"

#include "model/surface_tiles.h"
#include "plan/compass.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <stdexcept>
#include <string>
#include <type_traits>

namespace zeltar::projectfile {

namespace {

using detail::LineEntry;

// Whole-number value of a line: a field text converted as a whole number, a stored list index or
// state value, or a flag (true only for exactly 1).
int WholeValue(const LineEntry& entry, const LoadedProject& file, std::size_t index)
{
    switch (entry.lineSpec.kind) {
    case LineKind::Integer: return static_cast<int>(file.numbers[index]);
    case LineKind::Flag: return FlagHolds(file.integers[index]) ? 1 : 0;
    default: return static_cast<int>(file.integers[index]);
    }
}

void StoreLine(const LineEntry& entry, const LoadedProject& file, std::size_t index, ProjectState& state)
{
    std::visit(
        [&](const auto& slot) {
            using Slot = std::decay_t<decltype(slot)>;
            if constexpr (std::is_same_v<Slot, double ProjectState::*>)
                state.*slot = file.numbers[index];
            else if constexpr (std::is_same_v<Slot, int ProjectState::*>)
                state.*slot = WholeValue(entry, file, index);
            else if constexpr (std::is_same_v<Slot, std::string ProjectState::*>)
                state.*slot = file.lines[index];
            else if constexpr (std::is_same_v<Slot, RowMember<double>>)
                state.rows[static_cast<std::size_t>(slot.row)].*slot.member = file.numbers[index];
            else if constexpr (std::is_same_v<Slot, RowMember<int>>)
                state.rows[static_cast<std::size_t>(slot.row)].*slot.member = WholeValue(entry, file, index);
        },
        entry.slot);
}

// Outer surface coefficients: walls and ceiling by their outside/inside flag (as the redrawn tiles
// set them), the floor by its placement; the room side is 10 W/(m2 K) everywhere.
void ApplySurfaceCoefficients(ProjectState& state)
{
    for (int row = WallA; row <= Ceiling; ++row)
        state.rows[static_cast<std::size_t>(row)].outerSurfaceCoefficient =
            OuterCoefficientFor(state.rows[static_cast<std::size_t>(row)].outsideFacing);
    state.rows[Floor].outerSurfaceCoefficient =
        refdata::kFloorTypes[static_cast<std::size_t>(state.floorType)].outerSurfaceCoefficient;
    for (EnclosureRow& row : state.rows)
        row.innerSurfaceCoefficient = kInnerSurfaceCoefficient;
}

// The wall directions as the redrawn plan writes them.
void ApplyWallDirections(ProjectState& state)
{
    const auto directions = plan::WallDirections(state.planOrientation);
    for (int wall = WallA; wall <= WallD; ++wall)
        state.rows[static_cast<std::size_t>(wall)].facing = directions[static_cast<std::size_t>(wall)];
}

} // namespace

void ApplyToState(const LoadedProject& file, ProjectState& state)
{
    for (std::size_t index = 0; index < kLineCount; ++index)
        StoreLine(detail::kLineEntries[index], file, index, state);

    state.planOrientation = plan::NormalizedOrientation(state.planOrientation);
    ApplySurfaceCoefficients(state);
    // The field shows the stored text only; the respiration test needs the product's own value.
    state.cryoscopicTemperature = refdata::kProducts[static_cast<std::size_t>(state.product)].cryoscopicPoint;
    ApplyWallDirections(state);
}

int StateLineValue(const ProjectState& state, int line)
{
    const LineEntry& entry = detail::kLineEntries[static_cast<std::size_t>(line - 1)];
    if (entry.lineSpec.kind != LineKind::StateValue)
        throw std::logic_error("file line " + std::to_string(line) + " holds no state value");
    const RecordValue value = ValueAt(const_cast<ProjectState&>(state), entry.slot); // only read
    return *value.whole;
}

} // namespace zeltar::projectfile
