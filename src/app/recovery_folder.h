// The recovery folder kept private: it holds unsaved projects, so it is created 0700, used only
// when it is a real folder (not a link) owned by the user that no one else may write to, and every
// file in it is opened through the folder's own descriptor without following links, so that a
// link planted in it can neither redirect a write nor make a file appear elsewhere. Copies are
// written 0600.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::recovery {

// A file being written is named ".NAME.writing" until it is complete.
inline constexpr std::string_view kWritingSuffix = ".writing";

// Whether the folder can hold recovery copies, and what is wrong when it cannot.
struct FolderStatus {
    enum class Kind {
        Usable,
        Missing,      // not made yet: nothing to recover from it
        CannotCreate, // a folder of the path could not be made (`error`)
        CannotOpen,   // the folder exists but cannot be opened (`error`)
        NotAFolder,   // a file stands where the folder should be
        Link,         // a symbolic link stands where the folder should be
        ForeignOwner, // owned by another user
        OpenToOthers, // others (group or anyone) may write to it
        CannotWrite,  // a copy could not be written in it (`error`)
    };
    Kind kind = Kind::Usable;
    int error = 0;

    bool operator==(const FolderStatus&) const = default;
};

// A folder entry's facts as the system gives them (mode and owner) judged for `user`.
FolderStatus::Kind JudgeFolder(mode_t mode, uid_t owner, uid_t user);

// What the user is told, once, when copies cannot be kept: "Копии несохранённой работы не
// ведутся: …". Empty for a usable or a missing folder.
std::string RecoveryStatusMessage(const std::string& folder, const FolderStatus& status);

class PrivateFolder {
public:
    // Opens the folder; with `create`, first makes it and its missing parents 0700.
    PrivateFolder(std::string path, bool create);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool usable() const { return fd_ >= 0; }
    const FolderStatus& status() const { return status_; }
    const std::string& path() const { return path_; }
    std::string pathOf(std::string_view name) const { return path_ + "/" + std::string(name); }

    // The names of the entries ("." and ".." left out).
    std::vector<std::string> names() const;
    // A regular file's bytes, at most `largest` of them; nullopt for a link, a missing or larger
    // file, or anything but a regular file.
    std::optional<std::string> read(std::string_view name, std::size_t largest) const;
    // Writes the file 0600 through a hidden temporary file of its own renamed over it; returns the
    // system's error number, 0 on success.
    int write(std::string_view name, std::string_view bytes) const;
    // An open descriptor of the file (never through a link), -1 with errno set on failure.
    int open(std::string_view name, int flags) const;
    void remove(std::string_view name) const;
    // Renames the file, replacing any entry of the new name (the entry, not what a link names);
    // returns the system's error number, 0 on success.
    int rename(std::string_view from, std::string_view to) const;
    // Gives the file a new name that no entry has yet; returns the system's error number, 0 on
    // success.
    int renameToNew(std::string_view from, std::string_view to) const;

private:
    std::string path_;
    int fd_ = -1;
    FolderStatus status_;
};

} // namespace zeltar::recovery
