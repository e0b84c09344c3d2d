// zeltar: the desktop program. `zeltar FILE.zlt` opens that project at start.
#include "app/form_model.h"
#include "app/qt/app_setup.h"
#include "app/qt/main_window.h"
#include "app/qt/window_recovery.h"
#include "object/qt/summary_window.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeltar"));
    // The desktop finds the window's menu entry and icon by the entry's application id.
    QApplication::setDesktopFileName(QStringLiteral("org.zeltar.Zeltar"));
    zeltar::gui::UseWindowStyle();
    zeltar::gui::InstallRussianQtTranslations(application);

    // The date field starts with today's date in the system's short format.
    zeltar::FormModel model(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString());
    zeltar::gui::MainWindow window(model);
    zeltar::object::ConnectSummaryWindow(window);
    if (const QScreen* screen = window.screen())
        window.fitToScreen(screen->availableGeometry());
    window.show();
    // Unsaved work of a window that crashed is offered first; a clean exit removes this one's copy.
    zeltar::gui::WindowRecovery recovery(window);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && !recovery.restored())
        window.openProjectFile(arguments.at(1));
    return QApplication::exec();
}
