#include "files/write_file.h"

#include "files/extended_attributes.h"
#include "files/follow_links.h"
#include "files/temporary_files.h"

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::files {

namespace {

FileError WriteError(const std::string& path, int error, const std::string& reason)
{
    return {false, "Не удалось записать файл " + Quoted(path) + ": " + reason + ".", error};
}

FileError WriteError(const std::string& path, int error)
{
    return WriteError(path, error, Reason(error));
}

FileError LinkError(const std::string& path, const FollowedLinks& followed)
{
    if (followed.refusedLink.empty())
        return WriteError(path, followed.error);
    return WriteError(path, followed.error,
                      "символическая ссылка " + Quoted(followed.refusedLink) + " в общей папке " +
                          Quoted(FolderOf(followed.refusedLink)) +
                          " принадлежит другому пользователю, а по чужим ссылкам в общих папках программа не "
                          "пишет");
}

FileError SameFileError(const std::string& output, const std::string& input)
{
    return {false, "Файл " + Quoted(output) + " не записан: это тот же файл, что и исходный " + Quoted(input) +
                       ", он был бы затёрт."};
}

// The first of `inputs` that is the file `target` (device and inode), or nullptr.
const std::string* SameFileAmong(const std::string& target, const std::vector<std::string>& inputs)
{
    struct stat out {};
    if (inputs.empty() || ::stat(target.c_str(), &out) != 0)
        return nullptr;
    for (const std::string& input : inputs) {
        struct stat in {};
        if (::stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
            return &input;
    }
    return nullptr;
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

// The file a save replaces: its status and path (the end of the target's links).
struct OldFile {
    const struct stat& status;
    const std::string& path;
};

// The temporary file, written whole and closed; returns an errno, and the attribute that could
// not be kept in `lostAttribute`. The descriptor is closed in every case.
int FillTemporary(int fd, std::string_view bytes, const OldFile* old, Durability durability, std::string& lostAttribute)
{
    int error = 0;
    if (old) {
        // Owner and group as before where allowed (as root, or the group for a member of it).
        if (::fchown(fd, old->status.st_uid, old->status.st_gid) != 0)
            static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old->status.st_gid));
        if (::fchmod(fd, old->status.st_mode & 07777) != 0)
            error = errno;
        // After the permission bits: an access control list sets them again, as they were.
        if (error == 0) {
            const AttributeFailure failure = CopyExtendedAttributes(old->path, fd);
            error = failure.error;
            lostAttribute = failure.name;
        }
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
    return WriteFileSafely(path, bytes, {}, durability);
}

std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes,
                                         const std::vector<std::string>& inputs, Durability durability)
{
    if (path.empty())
        return FileError{false, "Не удалось записать файл: не задано имя файла."};
    const FollowedLinks followed = FollowLinks(path);
    if (followed.error != 0)
        return LinkError(path, followed);
    const std::string& target = followed.target;
    if (const std::string* input = SameFileAmong(target, inputs))
        return SameFileError(path, *input);

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
    std::string temporary = folder + "/" + TemporaryTemplateFor(NameOf(target));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return WriteError(path, error, "папка " + Quoted(folder) + " не найдена");
        if (error == EACCES)
            return WriteError(path, error, "нет прав на запись в папку " + Quoted(folder));
        return WriteError(path, error);
    }
    const OldFile oldFile{old, target};
    std::string lostAttribute;
    int error = FillTemporary(fd, bytes, exists ? &oldFile : nullptr, durability, lostAttribute);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        if (!lostAttribute.empty())
            return WriteError(path, error,
                              "не удалось перенести на новый файл атрибут " + Quoted(lostAttribute) + " (" +
                                  Reason(error) + "), старый файл не изменён");
        return WriteError(path, error);
    }
    if (durability == Durability::Flushed)
        FlushFolder(folder);
    RemoveStaleTemporaries(folder, std::time(nullptr));
    return std::nullopt;
}

std::optional<FileError> RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs)
{
    if (const std::string* input = SameFileAmong(output, inputs))
        return SameFileError(output, *input);
    return std::nullopt;
}

} // namespace zeltar::files
