// The member of the project record behind a control ("RoomLength", "StructureThicknessA",
// "SunlitCeiling"), from the typed table of projectfile/record_fields.h, so that one generic routine
// commits every field.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"
#include "projectfile/record_fields.h"

namespace zeltar {

// Exactly one member is set: the parameter is a number, a whole number (index, flag, count) or text.
using ParameterSlot = RecordValue;

// Throws std::out_of_range for a control that stands for no member of the record.
ParameterSlot FindParameter(ProjectState& state, Control control);

// The parameter's value as a number (a whole number widened; text parameters are not numbers).
double ParameterValue(const ProjectState& state, Control control);

} // namespace zeltar
