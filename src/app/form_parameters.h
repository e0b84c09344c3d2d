// The project parameter behind a control, by its name in the project record ("RoomLength",
// "StructureThicknessA", "SunlitCeiling"), so that one generic routine commits every field.
#pragma once

#include "model/project_state.h"

#include <string>
#include <string_view>

namespace zeltar {

// Exactly one member is set: the parameter is a number, a whole number (index, flag, count) or text.
struct ParameterSlot {
    double* real = nullptr;
    int* whole = nullptr;
    std::string* text = nullptr;
};

// Throws std::out_of_range for a name the project record does not have.
ParameterSlot FindParameter(ProjectState& state, std::string_view name);

// The parameter's value as a number (a whole number widened; text parameters are not numbers).
double ParameterValue(const ProjectState& state, std::string_view name);

} // namespace zeltar
