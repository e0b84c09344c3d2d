#include "app/recovery_copy.h"

#include "projectfile/own_project_file.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zeltar::recovery {

namespace {

// Records are a few lines; a copy is a project file.
constexpr std::size_t kLargestRecordBytes = 1 << 16;
constexpr std::size_t kLargestCopyBytes = 1 << 20;
// The lock file's name while it is being created and locked: hidden, so that no other window sees
// a lock file that is not locked yet.
constexpr std::string_view kLockingSuffix = ".locking";

std::string RandomHex()
{
    std::random_device device;
    const std::uint64_t value = (std::uint64_t{device()} << 32) | device();
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (int shift = 60; shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
    return text;
}

std::string Suffixed(const std::string& name, std::string_view suffix)
{
    return name + std::string(suffix);
}

// A new lock file, locked before it gets its name: created hidden, locked, then renamed. Returns
// the descriptor, or -1 with errno set.
int TakeNewLock(const PrivateFolder& folder, const std::string& name)
{
    const std::string hidden = "." + Suffixed(name, kLockingSuffix);
    const int fd = folder.open(hidden, O_RDWR | O_CREAT | O_EXCL);
    if (fd < 0)
        return -1;
    int error = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    if (error == 0)
        error = folder.rename(hidden, Suffixed(name, kLockSuffix));
    if (error != 0) {
        folder.remove(hidden);
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// The lock of a window that no longer runs, or -1 while its window runs. A link where the lock
// should be is removed, never followed: it would create or lock a file elsewhere.
int ClaimLock(const PrivateFolder& folder, const std::string& lockName)
{
    int fd = folder.open(lockName, O_RDWR | O_CREAT);
    if (fd < 0 && errno == ELOOP) {
        folder.remove(lockName);
        fd = folder.open(lockName, O_RDWR | O_CREAT | O_EXCL);
    }
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The lock file goes last, so that the files of a window are never seen without their lock.
void RemoveFiles(const PrivateFolder& folder, const std::string& name)
{
    for (std::string_view suffix : {kProjectSuffix, kRecordSuffix}) {
        folder.remove(Suffixed("." + Suffixed(name, suffix), kWritingSuffix));
        folder.remove(Suffixed(name, suffix));
    }
    folder.remove(Suffixed(name, kLockSuffix));
}

// The window names present in the folder, those of files left half-written included; hidden lock
// files left by a window that died while creating its lock are removed on the way.
std::set<std::string> WindowNames(const PrivateFolder& folder)
{
    const std::string hiddenWindow = "." + std::string(kWindowPrefix);
    std::set<std::string> names;
    for (std::string name : folder.names()) {
        if (name.starts_with(hiddenWindow) && name.ends_with(kLockingSuffix)) {
            if (const int fd = ClaimLock(folder, name); fd >= 0) {
                folder.remove(name);
                ::close(fd);
            }
            continue;
        }
        if (name.starts_with(hiddenWindow) && name.ends_with(kWritingSuffix))
            name = name.substr(1, name.size() - 1 - kWritingSuffix.size());
        if (!name.starts_with(kWindowPrefix))
            continue;
        for (std::string_view suffix : {kProjectSuffix, kRecordSuffix, kLockSuffix})
            if (name.ends_with(suffix))
                names.insert(name.substr(0, name.size() - suffix.size()));
    }
    return names;
}

struct LeftCopy {
    std::string name;
    Record record;
    std::string bytes;
    int lockFd = -1;
};

// Renames a copy that cannot be restored out of the way, once, and says so.
std::string SetAside(const PrivateFolder& folder, const LeftCopy& copy, const std::string& why)
{
    constexpr int kMostSameNames = 100;
    const std::string aside = SetAsideName(copy.record);
    const std::string stem = aside.substr(0, aside.size() - kProjectSuffix.size());
    for (int attempt = 1; attempt <= kMostSameNames; ++attempt) {
        const std::string keptAs =
            attempt == 1 ? aside : stem + "-" + std::to_string(attempt) + std::string(kProjectSuffix);
        const int error = folder.renameToNew(Suffixed(copy.name, kProjectSuffix), keptAs);
        if (error == 0) {
            RemoveFiles(folder, copy.name);
            return SetAsideNotice(copy.record, why, folder.pathOf(keptAs));
        }
        if (error != EEXIST)
            break;
    }
    return SetAsideNotice(copy.record, why, {});
}

} // namespace

WindowCopy::WindowCopy(const std::string& folder, std::int64_t pid) : folder_(folder, true)
{
    lastRecord_.pid = pid;
    status_ = folder_.status();
    if (!folder_.usable())
        return;
    name_ = std::string(kWindowPrefix) + std::to_string(pid) + "-" + RandomHex();
    base_ = folder_.pathOf(name_);
    lockFd_ = TakeNewLock(folder_, name_);
    if (lockFd_ < 0)
        status_ = {FolderStatus::Kind::CannotWrite, errno};
}

WindowCopy::~WindowCopy()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool WindowCopy::poll(const FormModel& model, std::int64_t now)
{
    if (!active())
        return false;
    Record record = lastRecord_;
    record.projectFile = model.projectFile();
    record.clean = !model.modified();
    if (!written_ && record.clean)
        return false; // unchanged since start: nothing to recover
    std::string bytes = model.recoveryBytes();
    const bool changed = !written_ || bytes != lastBytes_;
    if (!changed && record.projectFile == lastRecord_.projectFile && record.clean == lastRecord_.clean)
        return false;
    if (changed)
        record.changedAt = now;
    int error = changed ? folder_.write(Suffixed(name_, kProjectSuffix), bytes) : 0;
    if (error == 0)
        error = folder_.write(Suffixed(name_, kRecordSuffix), FormatRecord(record));
    if (error != 0) {
        if (status_.kind == FolderStatus::Kind::Usable)
            status_ = {FolderStatus::Kind::CannotWrite, error};
        return false;
    }
    written_ = true;
    lastBytes_ = std::move(bytes);
    lastRecord_ = std::move(record);
    return true;
}

void WindowCopy::finish()
{
    if (!active())
        return;
    RemoveFiles(folder_, name_);
    ::close(lockFd_);
    lockFd_ = -1;
}

std::string WindowCopy::takeNotice()
{
    if (told_)
        return {};
    std::string notice = RecoveryStatusMessage(folder_.path(), status_);
    told_ = !notice.empty();
    return notice;
}

Settled SettleLeftCopies(const std::string& folderPath, FormModel& model,
                         const std::function<Answer(const std::string& question)>& ask)
{
    Settled settled;
    const PrivateFolder folder(folderPath, false);
    std::vector<LeftCopy> offers;
    for (const std::string& name : WindowNames(folder)) {
        const int lockFd = ClaimLock(folder, Suffixed(name, kLockSuffix));
        if (lockFd < 0)
            continue; // its window runs
        const std::optional<std::string> text = folder.read(Suffixed(name, kRecordSuffix), kLargestRecordBytes);
        const std::optional<Record> record = text ? ParseRecord(*text) : std::nullopt;
        std::optional<std::string> bytes = folder.read(Suffixed(name, kProjectSuffix), kLargestCopyBytes);
        if (!record || record->clean || !bytes) {
            RemoveFiles(folder, name);
            ::close(lockFd);
            continue;
        }
        LeftCopy copy{name, *record, std::move(*bytes), lockFd};
        // A copy that cannot be read is never offered: the answer could only fail.
        auto read = projectfile::ReadEitherProjectFile(copy.bytes);
        if (const auto* problem = std::get_if<projectfile::FileProblem>(&read)) {
            settled.notices.push_back(SetAside(folder, copy, problem->message));
            ::close(lockFd);
            continue;
        }
        offers.push_back(std::move(copy));
    }
    std::stable_sort(offers.begin(), offers.end(),
                     [](const LeftCopy& a, const LeftCopy& b) { return a.record.changedAt > b.record.changedAt; });

    for (const LeftCopy& offer : offers) {
        if (!settled.restored) {
            switch (ask(RestoreQuestion(offer.record))) {
            case Answer::Restore:
                settled.restored = model.restoreProject(offer.bytes, offer.record.projectFile);
                if (settled.restored)
                    RemoveFiles(folder, offer.name);
                else
                    settled.notices.push_back(SetAside(folder, offer, "окно его не приняло."));
                break;
            case Answer::Discard: RemoveFiles(folder, offer.name); break;
            case Answer::Keep: break;
            }
        }
        ::close(offer.lockFd);
    }
    return settled;
}

} // namespace zeltar::recovery
