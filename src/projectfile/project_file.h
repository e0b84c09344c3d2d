// The project file: 131 lines, one value per line, Windows-1251 bytes with CR LF line ends. Lines
// 1-82 hold field texts exactly as shown (and two label captions), 83-107 list indices, 108-118 the
// surface flags and the plan orientation, 119-131 check-box, enabled, visibility and colour flags.
// Inside the program every text is UTF-8; the code page is converted here, at the file boundary.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zeltar::projectfile {

inline constexpr int kLineCount = 131;

// How a line is written and read back.
enum class LineKind {
    Text,       // a control's text (a label's caption for lines 81-82)
    Decimal,    // a field's text, converted to a number on load
    Percent,    // as Decimal, the parameter holds the number / 100
    Integer,    // a field's text, converted as a whole number
    ListIndex,  // selected entry, 0-based
    StateValue, // surface flag or plan orientation, as held
    Flag,       // 1 when the condition holds
};

// For Flag lines: which condition of the control the line records.
enum class FlagCondition { None, Checked, Enabled, Visible, Red };

struct LineSpec {
    LineKind kind;
    std::optional<Control> control; // the window's control, none for StateValue lines
    std::string_view parameter;     // parameter name ("StructureThicknessA", "SunlitA", "PlanOrientation")
    FlagCondition condition = FlagCondition::None;
    std::string_view meaning; // what the line holds, in Russian, for messages
                              // ("толщина изоляции стены А, мм")
};

// Lines 1..131 at indices 0..130.
extern const std::array<LineSpec, kLineCount> kLines;
inline const LineSpec& LineAt(int line)
{
    return kLines[static_cast<std::size_t>(line - 1)];
}

// A Flag line's condition holds only for exactly 1; any other stored value means false.
inline constexpr bool FlagHolds(std::int64_t stored)
{
    return stored == 1;
}

// The file's content as UTF-8 texts, one per line (without line ends).
using ProjectLines = std::array<std::string, kLineCount>;

// A line that stops a load or a save: 1-based line number (0 when the whole file is meant) and a
// message in Russian that names the problem.
struct FileProblem {
    int line = 0;
    std::string message;
};

// A checked project file: every line converted and every rule of a sound project met.
struct LoadedProject {
    ProjectLines lines;                              // texts as stored
    std::array<double, kLineCount> numbers{};        // converted value of Decimal/Percent/Integer lines
                                                     // (Percent already divided by 100)
    std::array<std::int64_t, kLineCount> integers{}; // value of ListIndex/StateValue/Flag lines
                                                     // as stored (Flag lines: see FlagHolds)
    double number(int line) const { return numbers[static_cast<std::size_t>(line - 1)]; }
    std::int64_t integer(int line) const { return integers[static_cast<std::size_t>(line - 1)]; }
    const std::string& text(int line) const { return lines[static_cast<std::size_t>(line - 1)]; }
};

// Windows-1251 <-> UTF-8. Encoding fails (nullopt) for a character the code page cannot hold.
std::string DecodeCp1251(std::string_view bytes);
std::optional<std::string> EncodeCp1251(std::string_view utf8);
// The text with each character a line cannot hold as "?": one the code page lacks, a line break,
// a malformed byte. For the project name, which holds a path, and a path may hold any character.
inline constexpr char kUnstorableCharacter = '?';
std::string StorableInCp1251(std::string_view utf8);

// Reads and checks a whole file; never applies anything. A file that is no project by its first
// bytes (an object file, a document, a picture, UTF-16 text: see file_kind.h) is refused as a whole,
// line 0. Lines end with CR LF, a lone LF or a lone CR; after the 131st only empty or blank lines
// may follow (a line holding more is refused). A file of fewer than 131 lines is refused at once, naming
// the first missing line; otherwise the first problem by line order is returned. Refused: a number
// field (decimal, percent or whole) whose text is no finite number, is not whole where it must be, or exceeds 1e9
// in magnitude; a list, state or flag line that is no whole number; a list index outside its list
// (-1 included); a surface flag other than 0 or 1; a plan orientation that is negative, 720 or
// more, or not a multiple of 45; values for which the calculation is undefined: a negative layer
// thickness, running hours below 1 h or a load-unit mass below 5 kg (the least their fields
// accept; smaller divisors overflow the gains), a temperature at or below -273,15 °C
// or above 10000 °C, a relative humidity outside 0..100 %. Flag lines (119-131) take any whole
// number (see FlagHolds).
std::variant<LoadedProject, FileProblem> ReadProjectFile(std::string_view bytes);

// Writes the lines as file bytes (CR LF after each line). Fails with the line whose text
// Windows-1251 cannot hold, or which holds a line break (it would shift every later line).
std::variant<std::string, FileProblem> WriteProjectFile(const ProjectLines& lines);
// The same bytes for a recovery copy, which must never fail: a character Windows-1251 cannot
// hold, a malformed byte and a line break inside a text are each written as "?".
std::string WriteProjectFileLossy(const ProjectLines& lines);

// Applies a checked file to a project as the load command does: numbers from the texts as stored
// (no clamping), list indices, flags, plan orientation (360-675 reduced by 360); and derived inputs
// that must follow the loaded choices: outer surface coefficients from the outside/inside flags and
// the floor type, the cryoscopic temperature of the loaded product, the wall direction texts from
// the plan orientation.
void ApplyToState(const LoadedProject& file, ProjectState& state);

// The whole number the record holds for a StateValue line (a surface flag, the plan orientation), as
// the line stores it.
int StateLineValue(const ProjectState& state, int line);

} // namespace zeltar::projectfile
