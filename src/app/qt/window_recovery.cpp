#include "app/qt/window_recovery.h"

#include "app/qt/main_window.h"

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

std::string UserRecoveryFolder()
{
    return recovery::RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

WindowRecovery::WindowRecovery(MainWindow& window, const std::string& folder, RestoreQuestion ask)
    : window_(window),
      restored_(recovery::SettleLeftCopies(folder, window.model(),
                                           [&](const std::string& question) {
                                               return ask(&window, QString::fromStdString(question));
                                           })),
      copy_(folder, QCoreApplication::applicationPid())
{
    window_.binding().sync();
    window_.binding().showErrors();
    // Polled from the event loop, never from a key stroke: changes coming faster than the period
    // make one write.
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { copy_.poll(window_.model(), std::time(nullptr)); });
    timer_->start(recovery::kPollMilliseconds);
}

WindowRecovery::~WindowRecovery()
{
    copy_.finish();
}

} // namespace zeltar::gui
