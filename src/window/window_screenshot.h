// zeltar --screenshot FILE.png [PROJECT.zlt]: the real window, with the project loaded, drawn into a
// picture on Qt's offscreen platform; proof that the window starts on a machine without a display.
#pragma once

#include "window/window_dialogs.h"

#include <QString>

#include <memory>

class QTemporaryDir;

namespace zeltar::gui {

class MainWindow;

// Before the application exists: the offscreen platform, and a state folder of the run's own
// (XDG_STATE_HOME), removed when the returned folder is destroyed, so that the run neither reads
// nor leaves anything of the user's sessions. Null when no temporary folder could be made.
std::unique_ptr<QTemporaryDir> PrepareScreenshotRun();

// The window's dialogs for a run nobody watches: an error is printed on stderr and answered at
// once, no dialog ever waits for input.
WindowDialogs ScreenshotDialogs();

// Shows the window (made with ScreenshotDialogs), opens the project when one is named, and draws
// the window at its full size into `pngPath`. Returns the exit code: 0, or 1 with the message on
// stderr (a project that does not load, a picture that cannot be written).
int TakeScreenshot(MainWindow& window, const QString& projectPath, const QString& pngPath);

} // namespace zeltar::gui
