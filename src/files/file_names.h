// File names the programs propose and complete: a name made from free text (the header fields of a
// project), the extension a dialog's filter gives a name typed without one, a PDF named after its
// project, and the question asked before a file is replaced.
#pragma once

#include <string>
#include <string_view>

namespace zeltar::files {

inline constexpr std::string_view kProjectExtension = ".zlt";
inline constexpr std::string_view kOwnProjectExtension = ".zlp"; // the own project file
inline constexpr std::string_view kObjectExtension = ".zlo";
inline constexpr std::string_view kPdfExtension = ".pdf";

// The longest file name (in bytes of UTF-8) a name made from free text is cut to.
inline constexpr std::size_t kLongestMadeFileName = 120;

// Free text made fit for a file name on every desktop system: the characters no file name may hold
// (/ \ : * ? " < > | and control characters) become blanks, runs of blanks one blank, blanks and
// dots at either end are dropped, the result is cut to kLongestMadeFileName bytes (never inside a
// character) and a device name of Windows (CON, NUL, COM1 ...) gets a "_". "" when nothing is left.
std::string CleanFileName(std::string_view text);

// The last part of a path (after the last / or \).
std::string_view FileNameOf(std::string_view path);
// The path without its last part and separator ("" for a bare name).
std::string_view FolderOf(std::string_view path);
// Whether the path's file name carries an extension: a dot after its first character, not last.
bool HasExtension(std::string_view path);
// The path as typed when its file name carries an extension, else with `extension` (".zlt") added.
std::string WithDefaultExtension(std::string_view path, std::string_view extension);
// The path with its file name's extension (if any) replaced by `extension`.
std::string WithExtension(std::string_view path, std::string_view extension);
// Whether the path names an own project file: its file name ends in ".zlp" (any case).
bool IsOwnProjectFileName(std::string_view path);
// `folder` + "/" + `name`, or `name` alone for an empty folder.
std::string JoinPath(std::string_view folder, std::string_view name);

// "Файл «name» уже существует. Заменить?": asked, with «Нет» as the default answer, before any
// file the user chose in a save or PDF dialog replaces an existing one.
std::string ReplaceQuestion(std::string_view path);

} // namespace zeltar::files
