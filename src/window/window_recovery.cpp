#include "window/window_recovery.h"

#include "window/main_window.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <ctime>

namespace zeltar::gui {

recovery::Answer AskRestore(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("ЗЕЛТАР — восстановление проекта"), question,
                    QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(QStringLiteral("Восстановить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Удалить"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return recovery::Answer::Restore;
    if (box.clickedButton() == discard)
        return recovery::Answer::Discard;
    return recovery::Answer::Keep;
}

void ShowRecoveryNotice(QWidget* parent, const QString& message)
{
    if (auto* window = dynamic_cast<MainWindow*>(parent)) {
        window->showMessage(message);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ЗЕЛТАР — копии несохранённой работы"), message,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

std::string UserRecoveryFolder()
{
    return recovery::RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

WindowRecovery::WindowRecovery(MainWindow& window, const std::string& folder, RestoreQuestion ask, RecoveryNotice tell)
    : window_(window)
    , tell_(std::move(tell))
    , copy_(folder, QCoreApplication::applicationPid())
{
    // The copies of windows that ended without a clean exit are settled before this window's copy
    // writes anything (its own files are new and locked: never offered).
    const recovery::Settled settled =
        recovery::SettleLeftCopies(folder, window.model(), [&](const std::string& question) {
            return ask(&window, QString::fromStdString(question));
        });
    restored_ = settled.restored;
    window_.binding().sync();
    window_.binding().showErrors();
    for (const std::string& notice : settled.notices)
        tell_(&window_, QString::fromStdString(notice));
    tellNotice();
    // Polled from the event loop, never from a key stroke: changes coming faster than the period
    // make one write.
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] {
        copy_.poll(window_.model(), std::time(nullptr));
        tellNotice();
    });
    timer_->start(recovery::kPollMilliseconds);
}

void WindowRecovery::tellNotice()
{
    if (const std::string notice = copy_.takeNotice(); !notice.empty())
        tell_(&window_, QString::fromStdString(notice));
}

WindowRecovery::~WindowRecovery()
{
    copy_.finish();
}

} // namespace zeltar::gui
