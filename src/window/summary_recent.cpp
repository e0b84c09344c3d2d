// The summary window's recent object files, offered by the open button's context menu.
#include "window/summary_window.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

#include <cstdlib>

namespace zeltar::object {

void SummaryWindow::addRecentObjects()
{
    const std::string folder = recent::ConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!folder.empty())
        recentListPath_ = folder + "/" + std::string(recent::kRecentObjectsList);
    recentObjects_ = recent::ReadRecentFiles(recentListPath_);
    recentMenu_ = new QMenu(this);
    recentMenu_->setObjectName(QStringLiteral("RecentObjectsMenu"));
    QPushButton* open = findChild<QPushButton*>(QStringLiteral("OpenButton"));
    open->setContextMenuPolicy(Qt::CustomContextMenu);
    open->setToolTip(open->toolTip() + QStringLiteral("\nПравая кнопка мыши: последние объекты"));
    connect(open, &QWidget::customContextMenuRequested, this,
            [this, open](const QPoint& at) { recentObjectsMenu()->popup(open->mapToGlobal(at)); });
}

QMenu* SummaryWindow::recentObjectsMenu()
{
    recentMenu_->clear();
    recentMenu_->addSection(QStringLiteral("Последние объекты"));
    if (recentObjects_.paths().empty())
        recentMenu_->addAction(QStringLiteral("(список пуст)"))->setEnabled(false);
    for (const std::string& file : recentObjects_.paths()) {
        const QString path = QString::fromStdString(file);
        const bool exists = QFileInfo(path).isFile();
        QAction* action = recentMenu_->addAction(exists ? path : path + QStringLiteral("  (файл не найден)"));
        action->setData(path);
        if (exists)
            connect(action, &QAction::triggered, this, [this, path] { openRecentObject(path); });
        else
            action->setEnabled(false); // greyed; removed from the list once it is used
    }
    return recentMenu_;
}

bool SummaryWindow::openRecentObject(const QString& path)
{
    for (const std::string& file : std::vector<std::string>(recentObjects_.paths()))
        if (!QFileInfo(QString::fromStdString(file)).isFile())
            recentObjects_.remove(file);
    writeRecentObjects();
    if (!QFileInfo(path).isFile()) {
        say(QStringLiteral("Файл «%1» не найден и убран из последних объектов").arg(path));
        return false;
    }
    if (!settleUnsavedChanges())
        return false;
    openObjectFile(path);
    return model_.filePath() == QFileInfo(path).absoluteFilePath().toStdString() ||
           model_.filePath() == path.toStdString();
}

void SummaryWindow::rememberObjectFile()
{
    if (model_.filePath().empty())
        return;
    const std::string file = QFileInfo(QString::fromStdString(model_.filePath())).absoluteFilePath().toStdString();
    if (!recentObjects_.paths().empty() && recentObjects_.paths().front() == file)
        return;
    recentObjects_.use(file);
    writeRecentObjects();
}

void SummaryWindow::writeRecentObjects()
{
    if (recentListPath_.empty())
        return;
    if (const std::optional<std::string> error = recent::WriteRecentFiles(recentListPath_, recentObjects_))
        say(QString::fromStdString(*error));
}

} // namespace zeltar::object
