// The object file (*.zlo): an object is an ordered list of room project files with a name and two
// options, kept as plain UTF-8 text that a person can read and diff:
//
//   ZELTAR-OBJECT 1
//   name = Распределительный центр
//   level-boundary = -5
//   simultaneity = 0,85
//   room = камеры/низкотемпературная.zlt
//   room = камеры/фрукты.zlt
//   room-name = Камера фруктов
//
// The version line comes first. Room paths are relative to the object file's folder ('/' between
// folders); a "room-name" line gives the room above it a display name. Blank lines and lines
// starting with '#' are skipped. Texts that a plain line cannot keep exactly (blanks at an end, line
// breaks) are quoted, in a version 2 file (object_value_text.h). Room files are not read here: a
// missing room never makes the object unreadable.
#pragma once

#include "app/project_file_io.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zeltar::object {

inline constexpr std::string_view kObjectFileExtension = ".zlo";
inline constexpr std::string_view kObjectVersionLine = "ZELTAR-OBJECT 1";
// The version of files that hold a text only quoted (see object_value_text.h); written only then.
inline constexpr std::string_view kQuotedObjectVersionLine = "ZELTAR-OBJECT 2";

inline constexpr double kDefaultLevelBoundaryCelsius = -5;
inline constexpr double kDefaultSimultaneityFactor = 1.0;
inline constexpr double kLowestSimultaneityFactor = 0.5;
inline constexpr double kHighestSimultaneityFactor = 1.0;
// The boundary is a room temperature: the range the room temperature field admits.
inline constexpr double kLowestLevelBoundaryCelsius = -50;
inline constexpr double kHighestLevelBoundaryCelsius = 100;

struct ObjectOptions {
    // Rooms at or above this room temperature are medium-temperature rooms, the others
    // low-temperature rooms.
    double levelBoundaryCelsius = kDefaultLevelBoundaryCelsius;
    // Plant capacity = sum of the equipment capacities × this factor (0,50..1,00).
    double simultaneityFactor = kDefaultSimultaneityFactor;
    friend bool operator==(const ObjectOptions&, const ObjectOptions&) = default;
};

struct ObjectRoom {
    std::string path;        // UTF-8; as listed in the file (relative) or absolute, see below
    std::string displayName; // "" when the room has none
    friend bool operator==(const ObjectRoom&, const ObjectRoom&) = default;
};

struct ObjectDocument {
    std::string name;
    ObjectOptions options;
    std::vector<ObjectRoom> rooms; // in the object's order
    friend bool operator==(const ObjectDocument&, const ObjectDocument&) = default;
};

// A text that could be read, and what in it had to be passed over (each message names the line).
struct ParsedObject {
    ObjectDocument document; // room paths exactly as listed
    std::vector<std::string> warnings;
};

// Parses the text of an object file; `fileName` only names the file in messages. Fails (a Russian
// message) only when the text is no object file at all: no version line, a later version, text
// that is not UTF-8, or lines ended by CR alone. A bad number, an out-of-range option or an unknown line is a warning: the
// option keeps its default (an out-of-range option is brought into its range).
std::variant<ParsedObject, FileError> ParseObjectText(std::string_view text, const std::string& fileName);
// The text of an object file for a document whose room paths are as they are to be written.
std::string ObjectText(const ObjectDocument& document);

// Reading and writing whole files. On disk the room paths are relative to the object file's
// folder; in memory (what these two take and give) they are absolute and lexically normal, so
// that an object can be saved into another folder.
std::variant<ParsedObject, FileError> ReadObjectFile(const std::string& path);
// Replaces the file only when the whole text was written (the project files' safe writing); never
// replaces one of the object's rooms (`document`'s room paths are absolute).
std::optional<FileError> WriteObjectFile(const std::string& path, const ObjectDocument& document);

// An option value as a person writes it (in the file or on the command line): decimal comma or
// point, optional sign and exponent. nullopt for anything else.
std::optional<double> ParseOptionNumber(std::string_view text);

// Path helpers (UTF-8). The folder of a file path; a listed path made absolute against a folder
// and lexically normal; an absolute path written relative to a folder ("../x.zlt" when it lies
// outside). Whether a listed (relative) path leaves its folder.
std::string FolderOf(const std::string& filePath);
std::string AbsoluteRoomPath(const std::string& folder, const std::string& listedPath);
std::string RelativeRoomPath(const std::string& folder, const std::string& absolutePath);
bool LeavesFolder(const std::string& folder, const std::string& absolutePath);

} // namespace zeltar::object
