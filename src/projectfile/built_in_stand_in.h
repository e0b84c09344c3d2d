// A 131-line file holds only the built-in entries of its lists: a save that gives up the own file's
// additions writes, for an added insulation or an own material, the built-in entry of the same list
// whose conductivity comes nearest, so that the file loads and calculates close to the project.
#pragma once

#include "model/project_state.h"
#include "projectfile/project_file.h"

#include <vector>

namespace zeltar::projectfile {

// The lines with every list index beyond its built-in list replaced by the stand-in entry.
ProjectLines WithBuiltInStandIns(ProjectLines lines, const std::vector<OwnMaterial>& ownMaterials);

} // namespace zeltar::projectfile
