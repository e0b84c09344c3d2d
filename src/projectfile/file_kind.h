// What a file is, told from its first bytes before it is read as a project: an object file, a
// document or picture opened by mistake, a text in UTF-16. One routine for the window, the summary
// and zeltar-cli, so that each says the same about a file that is no project.
#pragma once

#include "projectfile/project_file.h"

#include <optional>
#include <string_view>

namespace zeltar::projectfile {

enum class FileKind {
    Project,    // nothing speaks against a 131-line project file: it is read line by line
    OwnProject, // a project in the own format (*.zlp), told by its version line
    ObjectFile, // a list of rooms for the object summary (*.zlo)
    Utf16,      // a text saved in UTF-16, with or without a byte order mark
    Binary,     // a document, picture, archive, program or other data that is no text
};

// The first line of every object file begins with this mark, whatever its version.
inline constexpr std::string_view kObjectFileMark = "ZELTAR-OBJECT";
// The first line of every own project file begins with this mark (see own_project_file.h).
inline constexpr std::string_view kOwnProjectFileMark = "ZELTAR-PROJECT";

struct RecognizedFile {
    FileKind kind = FileKind::Project;
    std::string_view what; // for Utf16 and Binary: what it is («документ PDF», «UTF-16 LE»), "" else
};

RecognizedFile RecognizeFile(std::string_view bytes);

// The refusal of a file that is no project («Файл не является файлом проекта ЗЕЛТАР: это документ
// PDF.»), with line 0 (the whole file); nullopt for FileKind::Project. Names no window or command:
// zeltar-cli shows it as the window does.
std::optional<FileProblem> RefuseOtherFileKind(std::string_view bytes);

} // namespace zeltar::projectfile
