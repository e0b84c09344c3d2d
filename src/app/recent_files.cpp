#include "app/recent_files.h"

#include "files/file_error.h"
#include "files/read_file.h"
#include "files/write_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <variant>

namespace zeltar::recent {

namespace {

constexpr std::string_view kProgramFolder = "zeltar";

bool StandsOnALine(std::string_view path)
{
    return !path.empty() && path.find_first_of("\r\n") == std::string_view::npos;
}

bool IsAbsoluteFolder(const char* folder)
{
    return folder != nullptr && folder[0] == '/';
}

} // namespace

RecentFiles RecentFiles::FromText(std::string_view text)
{
    RecentFiles files;
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    // Used in reverse, the oldest first, so that the first line ends first.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        files.use(*line);
    return files;
}

std::string RecentFiles::text() const
{
    std::string text;
    for (const std::string& path : paths_)
        text += path + "\n";
    return text;
}

void RecentFiles::use(const std::string& path)
{
    if (!StandsOnALine(path))
        return;
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kRecentFileCount)
        paths_.resize(kRecentFileCount);
}

void RecentFiles::remove(const std::string& path)
{
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

std::string ConfigFolder(const char* xdgConfigHome, const char* home)
{
    if (IsAbsoluteFolder(xdgConfigHome))
        return std::string(xdgConfigHome) + "/" + std::string(kProgramFolder);
    if (IsAbsoluteFolder(home))
        return std::string(home) + "/.config/" + std::string(kProgramFolder);
    return {};
}

RecentFiles ReadRecentFiles(const std::string& path)
{
    if (path.empty())
        return {};
    auto read = files::ReadFileBytes(path, kLargestListBytes);
    if (const auto* bytes = std::get_if<std::string>(&read))
        return RecentFiles::FromText(*bytes);
    return {};
}

std::optional<std::string> WriteRecentFiles(const std::string& path, const RecentFiles& files)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error)
        return "Не удалось создать папку настроек «" + std::filesystem::path(path).parent_path().string() +
               "»: " + files::Reason(error.value()) + ".";
    if (std::optional<files::FileError> failed =
            files::WriteFileSafely(path, files.text(), files::Durability::Unflushed))
        return failed->message;
    return std::nullopt;
}

} // namespace zeltar::recent
