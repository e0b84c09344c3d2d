// The entries of the window's lists by their plain names (no padding, no mark): what the own project
// file stores for a list choice, so that a project keeps its choices however a list is reordered.
// The index rules of the own file's additions: a row's insulation list is its built-in entries,
// then the added insulations (PIR, XPS, mineral-wool core), then the project's own materials; a
// construction list is its built-in entries, then the own materials; an extra layer chooses from
// the extra-layer materials, then the own materials.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::projectfile {

// Empty for a control that is no list. `ownMaterials` lengthens the material lists.
std::vector<std::string> ListEntryNames(Control list, std::string_view parameter,
                                        const std::vector<OwnMaterial>& ownMaterials);

// The entries of the list's own table, before the added insulations and own materials (an extra
// layer's list: all its fixed materials); 0 for a control that is no list.
int BuiltInEntryCount(Control list, std::string_view parameter);

// The position of `name` in the list, nullopt when the list has no such entry.
std::optional<int> FindListEntry(const std::vector<std::string>& names, std::string_view name);

// Whether the list's entries go on with the own materials (construction, insulation, extra layers).
bool ListTakesOwnMaterials(Control list, std::string_view parameter);

// Whether a list of materials that takes own materials shows this name among its built-in entries:
// an own material may not bear it, or a stored name would choose the wrong entry.
bool IsBuiltInMaterialName(std::string_view name);

} // namespace zeltar::projectfile
