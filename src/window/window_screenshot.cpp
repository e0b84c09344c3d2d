#include "window/window_screenshot.h"

#include "window/main_window.h"

#include "files/write_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace zeltar::gui {

namespace {

void PrintError(const QString& message)
{
    std::fprintf(stderr, "zeltar: %s\n", message.toLocal8Bit().constData());
}

// Qt's notes about the platform (no runtime folder, fonts) are not the run's output; its errors are.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        PrintError(message);
}

} // namespace

std::unique_ptr<QTemporaryDir> PrepareScreenshotRun()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    auto stateFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zeltar-state-XXXXXX"));
    if (!stateFolder->isValid())
        return nullptr;
    qputenv("XDG_STATE_HOME", QFile::encodeName(stateFolder->path()));
    // A picture of the window leaves the user's recent projects as they were.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(stateFolder->path()));
    return stateFolder;
}

WindowDialogs ScreenshotDialogs()
{
    WindowDialogs dialogs;
    dialogs.openProject = [](QWidget*, const QString&) { return DialogAnswer{}; };
    dialogs.saveProject = [](QWidget*, const QString&) { return DialogAnswer{}; };
    dialogs.askSaveChanges = [](QWidget*) { return SaveChangesAnswer::Discard; };
    dialogs.showError = [](QWidget*, const QString& message) { PrintError(message); };
    dialogs.preview = [](report::PreviewWindow&) {};
    dialogs.askReplace = [](QWidget*, const QString&) { return false; };
    dialogs.print = [](QWidget*, const report::ReportSource&, report::ResolutionWarning&, const QString&) {
        return QString();
    };
    return dialogs;
}

int TakeScreenshot(MainWindow& window, const QString& projectPath, const QString& pngPath)
{
    window.show();
    const bool opened = projectPath.isEmpty() || window.openProjectFile(projectPath);
    // The window laid out, and the error box of a failed load answered on stderr.
    QCoreApplication::processEvents();
    if (!opened)
        return 1;
    // Drawn into memory and written by the program's file routine, never over the project shown.
    const QPixmap picture = window.grab();
    QByteArray png;
    QBuffer buffer(&png);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        PrintError(QStringLiteral("cannot write the picture '%1': the window could not be drawn").arg(pngPath));
        return 1;
    }
    std::vector<std::string> inputs;
    if (!projectPath.isEmpty())
        inputs.push_back(QFile::encodeName(projectPath).toStdString());
    if (const std::optional<files::FileError> error = files::WriteFileSafely(
            QFile::encodeName(pngPath).toStdString(), std::string_view(png.constData(), png.size()), inputs)) {
        PrintError(QStringLiteral("cannot write the picture: %1").arg(QString::fromStdString(error->message)));
        return 1;
    }
    return 0;
}

} // namespace zeltar::gui
