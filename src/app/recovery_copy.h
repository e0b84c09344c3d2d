// Recovery copies of the window program (Qt-free, so that the rules are tested without a window):
// the running window's own copy, kept up to date by a timer, and at start-up the copies left by
// windows that ended without a clean exit. The files are described in app/recovery_record.h.
#pragma once

#include "app/form_model.h"
#include "app/recovery_folder.h"
#include "app/recovery_record.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zeltar::recovery {

// The running window's copy. Nothing is written while the project is unchanged since start; after
// that each poll that finds the project, its file or its clean state different from what was last
// written writes the copy and then the record (each a hidden file renamed over the old one, 0600,
// without the flushes of a real save). The folder is private (app/recovery_folder.h): one that
// cannot be made, is not the user's own or cannot be locked leaves the copy off, and the user is
// told once (takeNotice), as when a write fails.
class WindowCopy {
public:
    WindowCopy(const std::string& folder, std::int64_t pid);
    ~WindowCopy(); // keeps the files: only finish() removes them
    WindowCopy(const WindowCopy&) = delete;
    WindowCopy& operator=(const WindowCopy&) = delete;

    bool active() const { return lockFd_ >= 0; }
    // The files' common path without suffix ("…/recovery/window-4711-9f3a…").
    const std::string& base() const { return base_; }
    // The timer's call; `now` in seconds since 1970. Returns whether it wrote.
    bool poll(const FormModel& model, std::int64_t now);
    // A clean exit: the window's files are removed and the lock released.
    void finish();
    // Why copies are not kept (RecoveryStatusMessage), the first time only; "" when they are or
    // when the user was told already.
    std::string takeNotice();

private:
    PrivateFolder folder_;
    std::string name_; // "window-4711-9f3a…"
    std::string base_;
    int lockFd_ = -1;
    bool written_ = false;
    std::string lastBytes_;
    Record lastRecord_;
    FolderStatus status_;
    bool told_ = false;
};

enum class Answer { Restore, Discard, Keep };

struct Settled {
    bool restored = false;
    // One message for each copy that could not be restored and was kept aside.
    std::vector<std::string> notices;
};

// At start-up: the copies of windows that no longer run.
// Clean ones and unusable leftovers are removed without a word; each unclean one is offered through
// `ask` (with RestoreQuestion's text), newest change first, until one is restored into `model`.
// Discard removes a copy; Keep (the question closed) leaves it for the next start. A copy that
// cannot be restored is never offered: it is renamed once out of the way (SetAsideName) and
// reported. Copies of running windows are never touched: their lock is held. A folder that is not
// private is left alone (the window's own copy tells why).
Settled SettleLeftCopies(const std::string& folder, FormModel& model,
                         const std::function<Answer(const std::string& question)>& ask);

} // namespace zeltar::recovery
