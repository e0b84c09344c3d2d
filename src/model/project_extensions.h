// What the own project file can hold beyond the 131-line file: each extension is off at its
// default, and a project using none gives exactly the results of the 131-line file. The inputs
// themselves are members of the project record (project_state.h); this names each extension and
// tells which ones a project uses (a save as a 131-line file lists those it would lose).
#pragma once

#include "model/project_state.h"

#include <string_view>
#include <vector>

namespace zeltar {

enum class Extension {
    RowUValue,           // a row's U-value typed directly
    ExtraLayers,         // extra layers of a row
    AddedInsulation,     // an insulation only the own file lists (PIR, XPS, mineral-wool core)
    OwnMaterials,        // materials of the user's own library
    Defrost,             // the defrost gain of the air coolers
    StaffOwnHours,       // the staff's own hours
    DoorOpenAllDay,      // a door-open time above 8 h/day
    LightingTwoDecimals, // a lighting density with two decimals
};

// The extension in Russian, as a message lists it ("коэффициент теплопередачи, заданный для ограждения").
std::string_view ExtensionText(Extension extension);

// The built-in length of a row's insulation list: a larger index chooses an added or own material.
int BuiltInInsulationCount(Row row);

// Whether the defrost gain counts: heaters, coolers, defrosts and their duration all given.
bool DefrostUsed(const ProjectState& state);

// The extensions the project uses, in the order of Extension, each once.
std::vector<Extension> UsedExtensions(const ProjectState& state);

} // namespace zeltar
