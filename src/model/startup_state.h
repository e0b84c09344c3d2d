// The project as the program starts: the creation values of the window (thicknesses 0, all surface
// flags 1, coefficients 23 and 10, orientation 0) and then the start-up defaults (Moscow, reinforced
// concrete with polyurethane insulation, a store of frozen goods, lean beef, ...).
#pragma once

#include "model/project_state.h"

#include <string>

namespace zeltar {

ProjectState StartupState(std::string today);

} // namespace zeltar
