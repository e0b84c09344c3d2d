// The recovery copies of the window program: where they live and the small record beside each
// window's project copy. Every running window owns three files in the recovery folder, named by a
// window name unique among all processes ("window-PID-RANDOM"):
//   NAME.zlt   the whole project as a 131-line project file, or as an own project file (told by its
//              first line) when the project uses an input only that file holds
//   NAME.info  this record: the project's file, the time of the last change, clean or not, the process
//   NAME.lock  locked (flock) while the window runs; the system drops the lock when the process
//              ends in any way, so a copy whose lock can be taken belongs to no running window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeltar::recovery {

// How often the window looks for changes to copy: a change is on disk within this time.
inline constexpr int kPollMilliseconds = 400;

inline constexpr std::string_view kProjectSuffix = ".zlt";
inline constexpr std::string_view kRecordSuffix = ".info";
inline constexpr std::string_view kLockSuffix = ".lock";
inline constexpr std::string_view kWindowPrefix = "window-";

struct Record {
    std::string projectFile;    // the file last saved or loaded, "" for a project never saved
    std::int64_t changedAt = 0; // seconds since 1970 (UTC) of the last change
    bool clean = true;          // saved (or unchanged): nothing to recover
    std::int64_t pid = 0;       // the window's process

    bool operator==(const Record&) const = default;
};

// $XDG_STATE_HOME/zeltar/recovery, or $HOME/.local/state/zeltar/recovery when XDG_STATE_HOME is
// unset, empty or relative; "" when neither gives an absolute folder. Arguments may be null.
std::string RecoveryFolder(const char* xdgStateHome, const char* home);

// Lines "key=value"; the project file comes last and runs to the end of the text, so that any
// file name (a line break in it included) survives.
std::string FormatRecord(const Record& record);
std::optional<Record> ParseRecord(std::string_view text);

// "Проект «/путь/склад.zlt» изменён 08.12.2026 в 05:12 ..." — the start-up question.
std::string RestoreQuestion(const Record& record);

// A copy that cannot be restored is kept under this name in the recovery folder, where nothing
// offers it again: "невосстановленный-проект-2026-12-08-0512-4711.zlt" (last change, process).
std::string SetAsideName(const Record& record);
// "… не восстановлен: <why>. Копия не восстановлена, сохранена как «<path>» …"; an empty `keptAs`
// when the copy could not be renamed (it stays, and is reported again at the next start).
std::string SetAsideNotice(const Record& record, const std::string& why, const std::string& keptAs);

} // namespace zeltar::recovery
