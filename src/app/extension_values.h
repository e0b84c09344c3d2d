// The inputs only the own project file holds, put into the project record from the values a file
// stores: one routine for the form model's load and for a conversion between the two file kinds.
#pragma once

#include "model/project_state.h"
#include "projectfile/own_project_file.h"

namespace zeltar {

// The extension control's parameter takes the value: a field's number as its commit holds it (a
// percentage / 100), a list's index, a check box's state.
void StoreExtensionValue(ProjectState& state, const projectfile::ExtensionValue& value);

// The project record of a checked file: its 131 lines applied as a load applies them, then its own
// materials and extension values.
ProjectState StateOfProject(const projectfile::LoadedOwnProject& project);

} // namespace zeltar
