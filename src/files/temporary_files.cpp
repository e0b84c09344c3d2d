#include "files/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::files {

namespace {

// Bytes of the target's name kept in the temporary file's name (the whole must stay within a
// file name's limit of 255 bytes).
constexpr std::size_t kLongestNameInTemporary = 200;
constexpr std::string_view kTemporaryMark = ".zeltar-";
constexpr std::size_t kRandomLetters = 6; // mkstemp's XXXXXX

bool IsLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsStaleOwnTemporary(const struct stat& entry, std::time_t now)
{
    const auto age = std::chrono::seconds(now - entry.st_mtime);
    return S_ISREG(entry.st_mode) && entry.st_uid == ::geteuid() && entry.st_nlink == 1 && age > kStaleTemporaryAge;
}

} // namespace

std::string TemporaryTemplateFor(const std::string& name)
{
    return "." + name.substr(0, kLongestNameInTemporary) + std::string(kTemporaryMark) +
           std::string(kRandomLetters, 'X');
}

bool IsTemporaryName(std::string_view name)
{
    const std::size_t shortest = 2 + kTemporaryMark.size() + kRandomLetters;
    if (name.size() < shortest || name.front() != '.')
        return false;
    const std::string_view letters = name.substr(name.size() - kRandomLetters);
    const std::string_view mark =
        name.substr(name.size() - kRandomLetters - kTemporaryMark.size(), kTemporaryMark.size());
    if (mark != kTemporaryMark)
        return false;
    for (const char c : letters) {
        if (!IsLetterOrDigit(c))
            return false;
    }
    return true;
}

void RemoveStaleTemporaries(const std::string& folder, std::time_t now)
{
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return;
    DIR* listing = ::fdopendir(folderFd);
    if (listing == nullptr) {
        ::close(folderFd);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        struct stat status {};
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && IsStaleOwnTemporary(status, now))
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(listing); // closes folderFd too
}

} // namespace zeltar::files
