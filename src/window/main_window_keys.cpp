// The main window's keyboard shortcuts, its recent projects and the user's guide: conveniences
// beside the command bar that move no control of the form.
#include "window/main_window.h"

#include "window/button_tabs.h"
#include "window/focus_ring.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>

#include <cstdlib>

namespace zeltar::gui {

namespace {

const QSize kGuideSize{760, 640};
constexpr std::string_view kGuideFile = "guide.html";

// The guide installed with the program (<prefix>/share/doc/zeltar beside <prefix>/bin), else the
// one in the source tree the program was built from; "" when neither exists.
QString GuidePath()
{
    const QString name = QString::fromUtf8(kGuideFile.data(), static_cast<qsizetype>(kGuideFile.size()));
    const QStringList candidates{
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../" ZELTAR_INSTALLED_DOCDIR "/") + name),
        QStringLiteral(ZELTAR_SOURCE_DOCDIR "/") + name};
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return QFileInfo(path).absoluteFilePath();
    return {};
}

} // namespace

void MainWindow::addShortcuts()
{
    const auto bind = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { loadProject(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveToProjectFile(); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveProject(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printReport(); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] { previewReport(); });
    bind(QKeySequence(Qt::Key_F9), [this] { previewReport(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newProject(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { showNextTab(+1); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { showNextTab(+1); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { showNextTab(-1); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { showNextTab(-1); });
    bind(QKeySequence(Qt::Key_F1), [this] { showGuide(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

bool MainWindow::saveToProjectFile()
{
    const std::string file = model_.projectFile();
    if (file.empty() || !QFileInfo(QString::fromStdString(file)).isFile())
        return saveProject();
    if (!focusCommandButton(Command::Save))
        return false;
    const bool saved = binding_->saveProject({true, file});
    if (saved)
        rememberProjectFile();
    return saved;
}

void MainWindow::newProject()
{
    if (!settleUnsavedChanges())
        return;
    model_.newProject();
    binding_->sync();
}

void MainWindow::showNextTab(int step)
{
    model_.showTab((model_.currentTab() + step + fields::kTabCount) % fields::kTabCount);
    binding_->sync();
}

bool MainWindow::showGuide()
{
    const QString path = GuidePath();
    if (path.isEmpty()) {
        showMessage(
            QStringLiteral("Руководство пользователя не установлено (%1)").arg(QString::fromUtf8(kGuideFile.data())));
        return false;
    }
    if (guide_ == nullptr) {
        guide_ = new QTextBrowser(this);
        guide_->setObjectName(QStringLiteral("UserGuide"));
        guide_->setWindowFlag(Qt::Window);
        guide_->setWindowTitle(QStringLiteral("ЗЕЛТАР — руководство пользователя"));
        guide_->setOpenLinks(true);
        guide_->setOpenExternalLinks(true);
        guide_->resize(kGuideSize);
    }
    guide_->setSource(QUrl::fromLocalFile(path));
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
    return true;
}

// The recent projects are offered by the load button's context menu; the button's click stays the
// load command.
void MainWindow::addRecentProjects()
{
    const std::string folder = recent::ConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!folder.empty())
        recentListPath_ = folder + "/" + std::string(recent::kRecentProjectsList);
    recentProjects_ = recent::ReadRecentFiles(recentListPath_);
    recentMenu_ = new QMenu(this);
    recentMenu_->setObjectName(QStringLiteral("RecentProjectsMenu"));
    QPushButton* load = widgets_.commands.at(Command::Load);
    load->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(load, &QWidget::customContextMenuRequested, this,
            [this, load](const QPoint& at) { recentProjectsMenu()->popup(load->mapToGlobal(at)); });
}

QMenu* MainWindow::recentProjectsMenu()
{
    recentMenu_->clear();
    recentMenu_->addSection(QStringLiteral("Последние проекты"));
    if (recentProjects_.paths().empty())
        recentMenu_->addAction(QStringLiteral("(список пуст)"))->setEnabled(false);
    for (const std::string& file : recentProjects_.paths()) {
        const QString path = QString::fromStdString(file);
        const bool exists = QFileInfo(path).isFile();
        QAction* action = recentMenu_->addAction(exists ? path : path + QStringLiteral("  (файл не найден)"));
        action->setData(path);
        action->setToolTip(path);
        if (exists)
            connect(action, &QAction::triggered, this, [this, path] { openRecentProject(path); });
        else
            action->setEnabled(false); // greyed; removed from the list once it is used
    }
    return recentMenu_;
}

bool MainWindow::openRecentProject(const QString& path)
{
    // The list is used: the files that are gone leave it.
    for (const std::string& file : std::vector<std::string>(recentProjects_.paths()))
        if (!QFileInfo(QString::fromStdString(file)).isFile())
            recentProjects_.remove(file);
    writeRecentProjects();
    if (!QFileInfo(path).isFile()) {
        showMessage(QStringLiteral("Файл «%1» не найден и убран из последних проектов").arg(path));
        return false;
    }
    if (!focusCommandButton(Command::Load))
        return false;
    return openProjectAsked(path);
}

void MainWindow::rememberProjectFile()
{
    const std::string file = model_.projectFile();
    if (file.empty())
        return;
    recentProjects_.use(QFileInfo(QString::fromStdString(file)).absoluteFilePath().toStdString());
    writeRecentProjects();
}

void MainWindow::writeRecentProjects()
{
    if (recentListPath_.empty())
        return;
    if (const std::optional<std::string> error = recent::WriteRecentFiles(recentListPath_, recentProjects_))
        showMessage(QString::fromStdString(*error));
}

} // namespace zeltar::gui
