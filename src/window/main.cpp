// zeltar: the desktop program. `zeltar FILE.zlt` opens that project at start; `zeltar --screenshot
// FILE.png [FILE.zlt]` draws the window into a picture without a display and ends (see --help).
#include "app/form_model.h"
#include "window/app_setup.h"
#include "window/main_window.h"
#include "window/start_options.h"
#include "window/window_recovery.h"
#include "window/window_screenshot.h"
#include "model/project_date.h"
#include "window/summary_window.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    const zeltar::gui::StartOptions options = zeltar::gui::ReadStartOptions(argc, argv);
    if (options.exitCode)
        return *options.exitCode;
    const bool screenshot = !options.screenshotPath.isEmpty();
    std::unique_ptr<QTemporaryDir> privateState;
    if (screenshot && !(privateState = zeltar::gui::PrepareScreenshotRun())) {
        std::fputs("zeltar: cannot make a temporary folder for the screenshot run\n", stderr);
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeltar"));
    QApplication::setApplicationVersion(zeltar::gui::ProgramVersion());
    // The desktop finds the window's menu entry and icon by the entry's application id.
    QApplication::setDesktopFileName(QStringLiteral("org.zeltar.Zeltar"));
    zeltar::gui::UseWindowStyle();
    zeltar::gui::InstallRussianQtTranslations(application);

    // The date field starts with today's date as dd.MM.yyyy, whatever the locale.
    zeltar::FormModel model(zeltar::TodayText());
    zeltar::gui::MainWindow window(model,
                                   screenshot ? zeltar::gui::ScreenshotDialogs() : zeltar::gui::StandardDialogs());
    if (screenshot)
        return zeltar::gui::TakeScreenshot(window, options.projectPath, options.screenshotPath);

    zeltar::object::ConnectSummaryWindow(window);
    if (const QScreen* screen = window.screen())
        window.fitToScreen(screen->availableGeometry());
    window.show();
    // Unsaved work of a window that crashed is offered first; a clean exit removes this one's copy.
    zeltar::gui::WindowRecovery recovery(window);
    if (!options.projectPath.isEmpty() && !recovery.restored())
        window.openProjectFile(options.projectPath);
    return QApplication::exec();
}
