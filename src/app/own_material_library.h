// The user's own materials library: materials the user keeps for every project (name, conductivity,
// the solar factor used when one is the construction layer of a wall or the ceiling), in the user's
// data folder. A project copies the entries it uses (FormModel::useOwnMaterial), so it opens the
// same on a machine without the library.
//
// The file: UTF-8, LF line ends, the first line `ZELTAR-MATERIALS 1`, then one line a material
// `material = name; conductivity; solar factor` with decimal commas («material = пеностекло; 0,06; 1»).
// It is written through the safe writer: a failed write leaves the old library whole.
#pragma once

#include "model/project_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::library {

inline constexpr std::string_view kLibraryFirstLine = "ZELTAR-MATERIALS 1";
inline constexpr std::string_view kLibraryFileName = "materials.txt";
// A library file larger than this is no library of ours: it is refused, not read.
inline constexpr std::size_t kLargestLibraryBytes = 1024 * 1024;

// What a material may hold: a name of 1..60 characters without «;» or a line break (it stands on
// one line of the library and of the project file), a conductivity above 0 up to 500 W/(m K)
// (metals reach 160), a solar factor above 0 up to kLargestSolarFactor, a name no built-in list has.
inline constexpr std::size_t kLongestName = 60;
inline constexpr double kLargestConductivity = 500;
// Bare-surface solar factors of the built-in construction materials run from 0,71 (metals) to 1,85
// (red brick); a darker own surface may go somewhat higher.
inline constexpr double kLargestSolarFactor = 3;

// The material with its name's surrounding blanks removed, or the reason in Russian why it
// cannot be kept («Название материала пустое.»).
struct CheckedMaterial {
    std::optional<OwnMaterial> material;
    std::string problem;
};
CheckedMaterial CheckMaterial(OwnMaterial material);

// The library's path: $XDG_DATA_HOME/zeltar/materials.txt, else $HOME/.local/share/zeltar/
// materials.txt (an unset or relative value ignored as the XDG rules say); "" when neither gives one.
std::string LibraryPath(const char* xdgDataHome, const char* home);

struct LibraryContents {
    std::vector<OwnMaterial> materials;
    std::string problem; // why the file could not be read or is no library ("" when it was read)
};
// The library as its text holds it; a faulty text gives no materials and a problem naming the line.
LibraryContents ParseLibrary(std::string_view text, const std::string& path);
// The library at `path`: none yet is an empty library without problem.
LibraryContents ReadLibrary(const std::string& path);

std::string LibraryText(const std::vector<OwnMaterial>& materials);
// Writes the library, creating its folder; the error message, or nullopt when written.
std::optional<std::string> WriteLibrary(const std::string& path, const std::vector<OwnMaterial>& materials);

} // namespace zeltar::library
