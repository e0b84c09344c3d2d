#include "files/write_file.h"

#include <cerrno>
#include <climits>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::files {

namespace {

// Links followed before giving up with ELOOP, as the system does.
constexpr int kMostLinksFollowed = 40;
// Bytes of the target's name kept in the temporary file's name (the whole must stay within a
// file name's limit of 255 bytes).
constexpr std::size_t kLongestNameInTemporary = 200;
constexpr char kTemporaryMark[] = ".zeltar-XXXXXX";

FileError WriteError(const std::string& path, int error, const std::string& reason)
{
    return {false, "Не удалось записать файл " + Quoted(path) + ": " + reason + ".", error};
}

FileError WriteError(const std::string& path, int error)
{
    return WriteError(path, error, Reason(error));
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at (the path itself when it is no link), or an errno.
// A link's relative target is taken from the link's own folder.
int FollowLinks(std::string& path)
{
    for (int followed = 0;; ++followed) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0)
            return errno == ENOENT ? 0 : errno; // a new file (or a dangling link's target)
        if (!S_ISLNK(status.st_mode))
            return 0;
        if (followed == kMostLinksFollowed)
            return ELOOP;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= target.size())
            return ENAMETOOLONG;
        const std::string pointed(target.data(), static_cast<std::size_t>(n));
        path = pointed.starts_with('/') ? pointed : FolderOf(path) + "/" + pointed;
    }
}

std::string NotRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return Reason(EISDIR);
    if (S_ISFIFO(mode))
        return "это именованный канал (FIFO), а не обычный файл";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "это устройство, а не обычный файл";
    if (S_ISSOCK(mode))
        return "это сокет, а не обычный файл";
    return "это не обычный файл";
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Flushes the folder's entry of a renamed file. Some file systems cannot flush a folder (EINVAL);
// the new file is in place by then either way, so nothing is reported.
void FlushFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The temporary file, written whole and closed; returns an errno. The descriptor is closed in
// every case.
int FillTemporary(int fd, std::string_view bytes, const struct stat* old, Durability durability)
{
    int error = 0;
    if (old) {
        // Owner and group as before where allowed (as root, or the group for a member of it).
        if (::fchown(fd, old->st_uid, old->st_gid) != 0)
            static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old->st_gid));
        if (::fchmod(fd, old->st_mode & 07777) != 0)
            error = errno;
    } else if (::fchmod(fd, NewFileMode()) != 0) {
        error = errno;
    }
    if (error == 0)
        error = WriteAll(fd, bytes);
    if (error == 0 && durability == Durability::Flushed && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error;
}

} // namespace

std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes, Durability durability)
{
    if (path.empty())
        return FileError{false, "Не удалось записать файл: не задано имя файла."};
    std::string target = path;
    if (const int error = FollowLinks(target))
        return WriteError(path, error);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return WriteError(path, errno);
    if (exists && !S_ISREG(old.st_mode))
        return WriteError(path, 0, NotRegularReason(old.st_mode));
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        if (errno == EACCES)
            return WriteError(path, EACCES, "файл защищён от записи");
        return WriteError(path, errno);
    }

    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/." + NameOf(target).substr(0, kLongestNameInTemporary) + kTemporaryMark;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return WriteError(path, error, "папка " + Quoted(folder) + " не найдена");
        if (error == EACCES)
            return WriteError(path, error, "нет прав на запись в папку " + Quoted(folder));
        return WriteError(path, error);
    }
    int error = FillTemporary(fd, bytes, exists ? &old : nullptr, durability);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return WriteError(path, error);
    }
    if (durability == Durability::Flushed)
        FlushFolder(folder);
    return std::nullopt;
}

std::optional<FileError> RefuseOutputOverInput(const std::string& output, const std::string& input)
{
    struct stat out {};
    struct stat in {};
    if (::stat(output.c_str(), &out) != 0 || ::stat(input.c_str(), &in) != 0)
        return std::nullopt;
    if (out.st_dev != in.st_dev || out.st_ino != in.st_ino)
        return std::nullopt;
    return FileError{false, "Файл " + Quoted(output) + " не записан: это тот же файл, что и исходный " +
                                Quoted(input) + ", он был бы затёрт."};
}

} // namespace zeltar::files
