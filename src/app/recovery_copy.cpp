#include "app/recovery_copy.h"

#include "files/read_file.h"
#include "files/write_file.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::recovery {

namespace {

// Records are a few lines; a copy is a project file.
constexpr std::size_t kLargestRecordBytes = 1 << 16;
constexpr std::size_t kLargestCopyBytes = 1 << 20;
constexpr mode_t kPrivateFolder = 0700;
constexpr mode_t kPrivateFile = 0600;
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

// Creates the folder and every missing parent, private to the user.
bool MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), kPrivateFolder) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

std::string FolderOf(const std::string& base)
{
    return base.substr(0, base.find_last_of('/'));
}

std::string NameOf(const std::string& base)
{
    return base.substr(base.find_last_of('/') + 1);
}

// A new lock file, locked before it gets its name: created hidden, locked, then renamed.
int TakeNewLock(const std::string& base)
{
    const std::string hidden = FolderOf(base) + "/." + NameOf(base) + std::string(kLockingSuffix);
    const int fd = ::open(hidden.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFile);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::rename(hidden.c_str(), (base + std::string(kLockSuffix)).c_str()) != 0) {
        ::unlink(hidden.c_str());
        ::close(fd);
        return -1;
    }
    return fd;
}

// The lock of a window that no longer runs, or -1 while its window runs.
int ClaimLock(const std::string& lockPath)
{
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kPrivateFile);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The lock file goes last, so that the files of a window are never seen without their lock.
void RemoveFiles(const std::string& base)
{
    ::unlink((base + std::string(kProjectSuffix)).c_str());
    ::unlink((base + std::string(kRecordSuffix)).c_str());
    ::unlink((base + std::string(kLockSuffix)).c_str());
}

std::optional<std::string> Contents(const std::string& path, std::size_t largest)
{
    auto bytes = files::ReadFileBytes(path, largest);
    if (auto* text = std::get_if<std::string>(&bytes))
        return std::move(*text);
    return std::nullopt;
}

// The window names present in the folder; hidden lock files left by a window that died while
// creating its lock are removed on the way.
std::set<std::string> WindowNames(const std::string& folder)
{
    std::set<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.starts_with("." + std::string(kWindowPrefix)) && name.ends_with(kLockingSuffix)) {
            const std::string path = folder + "/" + name;
            if (const int fd = ClaimLock(path); fd >= 0) {
                ::unlink(path.c_str());
                ::close(fd);
            }
            continue;
        }
        if (!name.starts_with(kWindowPrefix))
            continue;
        for (std::string_view suffix : {kProjectSuffix, kRecordSuffix, kLockSuffix})
            if (name.ends_with(suffix))
                names.insert(name.substr(0, name.size() - suffix.size()));
    }
    ::closedir(listing);
    return names;
}

struct LeftCopy {
    std::string base;
    Record record;
    std::string bytes;
    int lockFd = -1;
};

} // namespace

WindowCopy::WindowCopy(std::string folder, std::int64_t pid)
{
    lastRecord_.pid = pid;
    if (folder.empty() || !MakeFolders(folder))
        return;
    base_ = folder + "/" + std::string(kWindowPrefix) + std::to_string(pid) + "-" + RandomHex();
    lockFd_ = TakeNewLock(base_);
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
    using files::Durability;
    if (changed && files::WriteFileSafely(base_ + std::string(kProjectSuffix), bytes, Durability::Unflushed))
        return false;
    if (files::WriteFileSafely(base_ + std::string(kRecordSuffix), FormatRecord(record), Durability::Unflushed))
        return false;
    written_ = true;
    lastBytes_ = std::move(bytes);
    lastRecord_ = std::move(record);
    return true;
}

void WindowCopy::finish()
{
    if (!active())
        return;
    RemoveFiles(base_);
    ::close(lockFd_);
    lockFd_ = -1;
}

bool SettleLeftCopies(const std::string& folder, FormModel& model,
                      const std::function<Answer(const std::string& question)>& ask)
{
    std::vector<LeftCopy> offers;
    for (const std::string& name : WindowNames(folder)) {
        const std::string base = folder + "/" + name;
        const int lockFd = ClaimLock(base + std::string(kLockSuffix));
        if (lockFd < 0)
            continue; // its window runs
        const std::optional<std::string> text = Contents(base + std::string(kRecordSuffix), kLargestRecordBytes);
        const std::optional<Record> record = text ? ParseRecord(*text) : std::nullopt;
        std::optional<std::string> bytes = Contents(base + std::string(kProjectSuffix), kLargestCopyBytes);
        if (!record || record->clean || !bytes) {
            RemoveFiles(base);
            ::close(lockFd);
            continue;
        }
        offers.push_back({base, *record, std::move(*bytes), lockFd});
    }
    std::stable_sort(offers.begin(), offers.end(),
                     [](const LeftCopy& a, const LeftCopy& b) { return a.record.changedAt > b.record.changedAt; });

    bool restored = false;
    for (const LeftCopy& offer : offers) {
        if (!restored) {
            switch (ask(RestoreQuestion(offer.record))) {
            case Answer::Restore:
                restored = model.restoreProject(offer.bytes, offer.record.projectFile);
                if (restored)
                    RemoveFiles(offer.base);
                break;
            case Answer::Discard: RemoveFiles(offer.base); break;
            case Answer::Keep: break;
            }
        }
        ::close(offer.lockFd);
    }
    return restored;
}

} // namespace zeltar::recovery
