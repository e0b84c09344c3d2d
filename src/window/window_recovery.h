// The window's recovery copy (the rules are in app/recovery_copy.h): at start the unsaved projects
// of windows that ended without a clean exit are offered, then a timer keeps this window's own
// copy up to date; a clean exit (this object's end) removes it. Only the window program makes one.
#pragma once

#include "app/recovery_copy.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QTimer;
class QWidget;

namespace zeltar::gui {

class MainWindow;

// The start-up question: «Восстановить» or «Удалить»; closing it keeps the copy for the next start.
using RestoreQuestion = std::function<recovery::Answer(QWidget* parent, const QString& question)>;
recovery::Answer AskRestore(QWidget* parent, const QString& question);

// The one place the window tells the user about its recovery copies: why none are kept (said once),
// and each copy that could not be restored and was kept aside. In the main window's message line
// (a non-modal notice for any other parent).
using RecoveryNotice = std::function<void(QWidget* parent, const QString& message)>;
void ShowRecoveryNotice(QWidget* parent, const QString& message);

// $XDG_STATE_HOME/zeltar/recovery (by default ~/.local/state/zeltar/recovery).
std::string UserRecoveryFolder();

class WindowRecovery : public QObject {
    Q_OBJECT
public:
    WindowRecovery(MainWindow& window, const std::string& folder = UserRecoveryFolder(),
                   RestoreQuestion ask = AskRestore, RecoveryNotice tell = ShowRecoveryNotice);
    ~WindowRecovery() override; // the clean exit

    // Whether a left copy was put into the window (a project named on the command line then stays
    // unopened: the user chose the restored work).
    bool restored() const { return restored_; }
    const recovery::WindowCopy& copy() const { return copy_; }

private:
    void tellNotice(); // the copy's own notice, once

    MainWindow& window_;
    RecoveryNotice tell_;
    bool restored_ = false;
    recovery::WindowCopy copy_;
    QTimer* timer_ = nullptr;
};

} // namespace zeltar::gui
