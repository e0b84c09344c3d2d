// The projects (and object files) the user worked with last, newest first, offered again by the
// load command. The list lives in the user's configuration folder, one absolute path a line, and
// is written through the safe writer; a list that cannot be read is an empty one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::recent {

inline constexpr std::size_t kRecentFileCount = 8;
// A list file larger than this is no list of ours: it is ignored.
inline constexpr std::size_t kLargestListBytes = 64 * 1024;

// The lists' names in the configuration folder.
inline constexpr std::string_view kRecentProjectsList = "recent-projects";
inline constexpr std::string_view kRecentObjectsList = "recent-objects";

class RecentFiles {
public:
    RecentFiles() = default;
    // The list as stored: one path a line; blank lines and repeats dropped, at most kRecentFileCount.
    static RecentFiles FromText(std::string_view text);
    std::string text() const;

    // A file loaded or saved: first in the list, once. A path that cannot stand on a line of the
    // list (empty, a line break in it) is not kept.
    void use(const std::string& path);
    // A file that no longer exists, dropped when the user picked it.
    void remove(const std::string& path);
    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

// The folder the program keeps its settings in: $XDG_CONFIG_HOME/zeltar, else $HOME/.config/zeltar
// (an unset or relative value ignored as the XDG rules say); "" when neither gives one.
std::string ConfigFolder(const char* xdgConfigHome, const char* home);

// The stored list at `path`; empty when there is none or it cannot be read.
RecentFiles ReadRecentFiles(const std::string& path);
// Writes the list, creating its folder; the error message, or nullopt when written.
std::optional<std::string> WriteRecentFiles(const std::string& path, const RecentFiles& files);

} // namespace zeltar::recent
