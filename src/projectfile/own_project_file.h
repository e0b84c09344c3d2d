// The own project file (*.zlp): UTF-8 text with LF line ends, a version line first, then one
// `key = value` a line:
//
//   ZELTAR-PROJECT 1
//   StructureThicknessA =   250
//   StructureMaterialA = кирпич красный сплошной
//   SunlitA = 1
//   ...
//   DefrostHeaterPower =   6,5
//   OwnMaterial.1 = сэндвич-панель PIR; 0,022; 1
//
// Every one of the 131 lines of the 131-line file stands under its key (LineKey): the texts exactly
// as that file stores them (decimal comma, the display blanks), a list choice by its entry's name,
// flags and state values as numbers. Then the inputs of the «Дополнительно» page (the extension
// controls: a parameter, no line of the 131-line file), each only when not at its start-up value, in
// the catalogue's order; then the project's own materials, numbered from 1 in their list order:
// name; conductivity in W/(m K); solar factor of a bare construction layer. A value runs from after
// « = » to the end of the line, blanks included. Blank lines and lines starting with '#' are passed
// over; a CR before the LF is dropped (an editor on Windows).
#pragma once

#include "fields/control.h"
#include "model/project_state.h"
#include "projectfile/file_kind.h"
#include "projectfile/project_file.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zeltar::projectfile {

inline constexpr int kOwnProjectVersion = 1;
inline constexpr std::string_view kOwnProjectVersionLine = "ZELTAR-PROJECT 1";
inline constexpr std::string_view kOwnMaterialKey = "OwnMaterial.";

// The key of a line of the 131-line file: its parameter name; a shown text (a tile's text, a
// caption) "Shown." and its parameter; a display state (enabled, visible, red) the widget's object
// name, a point and the state ("Label63.Visible").
const std::string& LineKey(int line);

// Whether the control is an input of the own file only: a parameter, no line of the 131-line file,
// on the «Дополнительно» page, typed or chosen by the user.
bool IsExtensionControl(Control control);

// An extension control's value as a 131-line file would store it: a field's text, a list's index,
// a check box's 1 or 0.
struct ExtensionValue {
    Control control;
    std::string text;
    bool operator==(const ExtensionValue&) const = default;
};

// What an own project file holds.
struct OwnProject {
    ProjectLines lines;                     // as the 131-line file stores them (list lines: the index)
    std::vector<ExtensionValue> extensions; // those not at their start-up value, in catalogue order
    std::vector<OwnMaterial> ownMaterials;
    bool operator==(const OwnProject&) const = default;
};

// A checked own project file: the 131 lines converted as ReadProjectFile converts them, each
// extension a sound value of its control (a number within its field's fixed bounds, an entry of
// its list, a check box's 0 or 1).
struct LoadedOwnProject {
    LoadedProject file;
    std::vector<ExtensionValue> extensions;
    std::vector<OwnMaterial> ownMaterials;
};

// The file's text. Fails with the 131-line file's line number (0 for an extension or an own
// material) when a text holds a line break or is no UTF-8, a list index lies outside its list, or
// an own material's name is empty, repeats another list entry or holds a line break.
std::variant<std::string, FileProblem> WriteOwnProjectFile(const OwnProject& project);
// For a recovery copy, which must never fail: a line break or malformed byte becomes "?"; a list
// index outside its list is written as its number, which the reader refuses.
std::string WriteOwnProjectFileLossy(const OwnProject& project);

// Reads and checks a whole own project file; FileProblem::line is the line of this file. Refused,
// each naming the key and the line: no version line or another version, text that is no UTF-8, a
// line without « = », an unknown key (a newer program's), a key given twice, a value the 131-line
// file would refuse, a list entry the list does not hold, an extension value its control does not
// take, an own material that is not «name; conductivity; solar factor» with both numbers above 0 or
// is numbered out of order, and a line of the 131-line content missing.
std::variant<LoadedOwnProject, FileProblem> ReadOwnProjectFile(std::string_view bytes);

// Either kind of project file, told by its first line (see file_kind.h): a 131-line file gives no
// extension and no own material.
std::variant<LoadedOwnProject, FileProblem> ReadEitherProjectFile(std::string_view bytes);

// The own file's content of a checked 131-line file: its lines unchanged, no extension.
OwnProject OwnProjectOf(const LoadedProject& file);

} // namespace zeltar::projectfile
