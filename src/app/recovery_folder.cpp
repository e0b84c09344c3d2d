#include "app/recovery_folder.h"

#include "files/file_error.h"

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::recovery {

namespace {

using Kind = FolderStatus::Kind;

constexpr mode_t kPrivateFolder = 0700;
constexpr mode_t kPrivateFile = 0600;
constexpr mode_t kWritableByOthers = S_IWGRP | S_IWOTH;

// Makes the folder and every missing parent, private to the user; existing ones stay as they are.
// Returns the system's error number, 0 on success.
int MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), kPrivateFolder) != 0 && errno != EEXIST)
            return errno;
        if (slash == std::string::npos)
            return 0;
    }
}

// Why the folder could not be opened, from what stands at its path.
FolderStatus OpenFailure(const std::string& path, int error)
{
    struct stat facts {};
    if (::lstat(path.c_str(), &facts) != 0)
        return {error == ENOENT ? Kind::Missing : Kind::CannotOpen, error};
    if (S_ISLNK(facts.st_mode))
        return {Kind::Link, 0};
    if (!S_ISDIR(facts.st_mode))
        return {Kind::NotAFolder, 0};
    return {Kind::CannotOpen, error};
}

std::string Reason(const std::string& folder, const FolderStatus& status)
{
    const std::string quoted = files::Quoted(folder);
    switch (status.kind) {
    case Kind::Usable:
    case Kind::Missing: return {};
    case Kind::CannotCreate:
        if (folder.empty())
            return "не задана папка для них (нет ни XDG_STATE_HOME, ни HOME)";
        return "папку " + quoted + " не удалось создать (" + files::Reason(status.error) + ")";
    case Kind::CannotOpen: return "папку " + quoted + " не удалось открыть (" + files::Reason(status.error) + ")";
    case Kind::NotAFolder: return "на месте папки " + quoted + " находится файл";
    case Kind::Link: return "на месте папки " + quoted + " находится символическая ссылка";
    case Kind::ForeignOwner: return "папка " + quoted + " принадлежит другому пользователю";
    case Kind::OpenToOthers: return "в папку " + quoted + " могут записывать другие пользователи";
    case Kind::CannotWrite:
        return "в папку " + quoted + " не удалось записать копию (" + files::Reason(status.error) + ")";
    }
    return {};
}

} // namespace

FolderStatus::Kind JudgeFolder(mode_t mode, uid_t owner, uid_t user)
{
    if (S_ISLNK(mode))
        return Kind::Link;
    if (!S_ISDIR(mode))
        return Kind::NotAFolder;
    if (owner != user)
        return Kind::ForeignOwner;
    if ((mode & kWritableByOthers) != 0)
        return Kind::OpenToOthers;
    return Kind::Usable;
}

std::string RecoveryStatusMessage(const std::string& folder, const FolderStatus& status)
{
    const std::string reason = Reason(folder, status);
    if (reason.empty())
        return {};
    return "Копии несохранённой работы не ведутся: " + reason +
           ". Если программа завершится сбоем, изменения восстановить не удастся — сохраняйте проект сами.";
}

PrivateFolder::PrivateFolder(std::string path, bool create) : path_(std::move(path))
{
    if (path_.empty() || path_.front() != '/') {
        status_ = {Kind::CannotCreate, ENOENT};
        return;
    }
    if (create) {
        if (const int error = MakeFolders(path_); error != 0) {
            status_ = OpenFailure(path_, error);
            if (status_.kind == Kind::Missing || status_.kind == Kind::CannotOpen)
                status_ = {Kind::CannotCreate, error};
            return;
        }
    }
    fd_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0) {
        status_ = OpenFailure(path_, errno);
        return;
    }
    struct stat facts {};
    status_.kind = ::fstat(fd_, &facts) == 0 ? JudgeFolder(facts.st_mode, facts.st_uid, ::geteuid()) : Kind::CannotOpen;
    status_.error = status_.kind == Kind::CannotOpen ? errno : 0;
    if (status_.kind != Kind::Usable) {
        ::close(fd_);
        fd_ = -1;
    }
}

PrivateFolder::~PrivateFolder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::vector<std::string> PrivateFolder::names() const
{
    std::vector<std::string> names;
    const int listingFd = usable() ? ::dup(fd_) : -1;
    if (listingFd < 0)
        return names;
    DIR* listing = ::fdopendir(listingFd);
    if (listing == nullptr) {
        ::close(listingFd);
        return names;
    }
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(listing);
    return names;
}

int PrivateFolder::open(std::string_view name, int flags) const
{
    if (!usable()) {
        errno = EBADF;
        return -1;
    }
    return ::openat(fd_, std::string(name).c_str(), flags | O_NOFOLLOW | O_CLOEXEC, kPrivateFile);
}

std::optional<std::string> PrivateFolder::read(std::string_view name, std::size_t largest) const
{
    const int fd = open(name, O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat facts {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &facts) == 0 && S_ISREG(facts.st_mode)) {
        bytes.emplace();
        char buffer[1 << 14];
        ssize_t got = 0;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0 && bytes->size() <= largest)
            bytes->append(buffer, static_cast<std::size_t>(got));
        if (got < 0 || bytes->size() > largest)
            bytes.reset();
    }
    ::close(fd);
    return bytes;
}

int PrivateFolder::write(std::string_view name, std::string_view bytes) const
{
    const std::string writing = "." + std::string(name) + std::string(kWritingSuffix);
    const int fd = open(writing, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        return errno;
    int error = ::fchmod(fd, kPrivateFile) == 0 ? 0 : errno;
    for (std::size_t done = 0; error == 0 && done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno != EINTR)
            error = errno;
        else if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        error = rename(writing, name);
    if (error != 0)
        ::unlinkat(fd_, writing.c_str(), 0);
    return error;
}

void PrivateFolder::remove(std::string_view name) const
{
    if (usable())
        ::unlinkat(fd_, std::string(name).c_str(), 0);
}

int PrivateFolder::rename(std::string_view from, std::string_view to) const
{
    if (!usable())
        return EBADF;
    if (::renameat(fd_, std::string(from).c_str(), fd_, std::string(to).c_str()) != 0)
        return errno;
    return 0;
}

int PrivateFolder::renameToNew(std::string_view from, std::string_view to) const
{
    if (!usable())
        return EBADF;
    // A new link and then the old name's removal: unlike rename, never replaces an entry. Where the
    // file system has no hard links, a rename to a name that is free (the folder is the user's own).
    const std::string oldName(from);
    const std::string newName(to);
    if (::linkat(fd_, oldName.c_str(), fd_, newName.c_str(), 0) == 0) {
        ::unlinkat(fd_, oldName.c_str(), 0);
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    struct stat facts {};
    if (::fstatat(fd_, newName.c_str(), &facts, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return rename(from, to);
}

} // namespace zeltar::recovery
