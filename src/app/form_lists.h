// The entries of the window's drop-down lists as the lists hold them: the built-in entries padded
// with blanks to 30 characters, the last built-in entry unpadded; after them the entries the own
// project file adds (the added insulations, the project's own materials marked «★ »), unpadded.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"

#include <string>
#include <vector>

namespace zeltar {

inline constexpr int kListTextWidth = 30; // characters of a padded entry
// The mark of a project's own material in the lists: «★ кирпич клинкерный».
inline constexpr std::string_view kOwnMaterialMark = "★ ";

// Empty for a control that is no list. The material lists end with the project's own materials.
std::vector<std::string> ListEntries(Control comboBox, const ProjectState& state);
// The entry's text, "" when the index lies outside the list (no selection).
std::string ListEntryText(Control comboBox, int index, const ProjectState& state);

// The entries a list holds whatever the project: without the added insulations and the own
// materials (the extra-layer lists: their fixed materials). 0 for a control that is no list.
int BuiltInListLength(Control comboBox);

// Whether the list ends with the project's own materials (the construction, insulation and
// extra-layer lists).
bool ListsOwnMaterials(Control comboBox);

// An own material as the lists show it.
std::string OwnMaterialEntry(const OwnMaterial& material);

} // namespace zeltar
