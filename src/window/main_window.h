// The main window `TForm1`: the fixed 1024 x 750 client built from the layout tables and bound to
// the form model (in a scroll area, for screens smaller than the window), with the five commands of the command bar. Exit, the title bar's close and
// loading another project ask whether to save inputs changed since the last save or load.
// It creates the preview window `TForm2` and the printer resolution warning `TForm3` with itself;
// both stay hidden until a report command shows them, and live as long as the main window.
#pragma once

#include "app/form_model.h"
#include "app/recent_files.h"
#include "window/form_binding.h"
#include "window/window_builder.h"
#include "window/window_dialogs.h"
#include "window/project_window.h"

#include <QWidget>

class QMenu;
class QScrollArea;
class QTextBrowser;

#include <memory>

namespace zeltar::report {
class FormModelReportSource;
class LoadChartWindow;
} // namespace zeltar::report

namespace zeltar::gui {

class FocusRing;
class MessageLine;

// The window's caption: the program's name with the first two parts of its version, and its purpose.
QString WindowCaption();

class MainWindow : public QWidget, public ProjectWindow {
    Q_OBJECT
public:
    explicit MainWindow(FormModel& model, WindowDialogs dialogs = StandardDialogs(), QWidget* parent = nullptr);
    ~MainWindow() override;

    FormModel& model() { return model_; }
    FormBinding& binding() { return *binding_; }
    // The widget of a control (or named caption, or command button); nullptr for an unknown name.
    QWidget* control(Control control) const;
    int shownTab() const;
    // Sizes the window for a screen's available area: 1024 x 750 when it fits (the client whole, no
    // scroll bars), else as large as the area allows, the client scrolling inside.
    void fitToScreen(const QRect& available);

    // The commands of the command bar. Save returns whether the project was written.
    void loadProject();
    bool saveProject() override;
    void previewReport();
    void printReport();
    // The preview's «PDF…»: the PDF dialog, the question before replacing a file, the report written
    // (never over the project); said on the message line.
    void writeReportPdf();
    // Ctrl+S: the project's own file is written again without a dialog; a project without one is
    // saved as the save command saves it. Returns whether the project was written.
    bool saveToProjectFile();
    // Ctrl+N: a new project with the start-up values, after the question on unsaved changes.
    void newProject();
    // Ctrl+PgDn / Ctrl+Tab (+1) and Ctrl+PgUp (-1): the next or previous tab page, round the five.
    void showNextTab(int step);
    // F1: the user's guide in a window of its own; false when the guide is not installed (said).
    bool showGuide();
    // The guide window once F1 opened it (nullptr before).
    QTextBrowser* guideWindow() const { return guide_; }
    // The projects loaded or saved last, newest first, kept in the user's configuration folder.
    const recent::RecentFiles& recentProjects() const { return recentProjects_; }
    // The load button's context menu: the recent projects, a missing file greyed.
    QMenu* recentProjectsMenu();
    // A recent project picked: loaded after the question on unsaved changes; a file that no
    // longer exists is removed from the list and said on the message line.
    bool openRecentProject(const QString& path);
    // The ring drawn round the focused control.
    FocusRing* focusRing() const { return focusRing_; }
    // A project named on the command line, loaded as the load command loads a chosen file; false
    // when the file was refused (its error is shown). An object file opens in the summary window
    // instead (as with the load command and a dropped file).
    bool openProjectFile(const QString& path);
    // A project another window asks for (a room of the object summary): inputs changed since the
    // last save are saved or given up on the user's answer first. False when the user cancelled or
    // the file was refused (its error is shown).
    bool openProjectAsked(const QString& path) override;
    // The project's file: the one last saved or loaded ("" while the project is new).
    QString projectPath() const override { return QString::fromStdString(model_.projectFile()); }
    bool projectModified() const override { return model_.modified(); }
    QWidget& widget() override { return *this; }
    // The PDF file the print dialog starts with: the save dialog's proposal with ".pdf", made absolute.
    QString pdfFileName() const;
    // What the message line shows (the form model's message(), see FormModel::postMessage).
    QString messageLine() const;
    // Says on the message line, at once, something the window did itself (a PDF written, the state
    // of the recovery folder): posted to the form model, shown until the next user action.
    void showMessage(const QString& message);

signals:
    // The «СВОДКА ПО ОБЪЕКТУ» button: the program opens the object summary window.
    void objectSummaryRequested();
    // An object file chosen with the load command, dropped on the window or named at start: the
    // program opens it in the summary window. `path` is absolute.
    void objectFileOpened(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void runCommand(Command command);
    // The focus moves to a command's button first, which commits the field being edited; false when
    // that commit failed (its error is shown) and the command must not run.
    bool focusCommandButton(Command command);
    // Before inputs would be lost: true when the caller may go on (saved, or the user discards).
    bool settleUnsavedChanges();
    QWidget* buildScrolledClient();
    void buildReportWindows();
    void connectCommandButtons();
    void addOwnMaterialsDialog();
    void addSummaryButton();
    void addLoadChartButton();
    void addMessageLine();
    void addShortcuts();
    void addRecentProjects();
    // After a load or save: the project's file goes first in the recent projects.
    void rememberProjectFile();
    void writeRecentProjects();
    // An object file goes to the summary window (true); any other file is left to the load.
    bool openedAsObject(const QString& path);
    // The print dialog and the page, without moving the focus: the print command's work, also run
    // by the preview's print buttons while the preview is open.
    void runPrint(bool withLoadChart = false);

    FormModel& model_;
    WindowDialogs dialogs_;
    QScrollArea* scrollArea_ = nullptr;
    WindowWidgets widgets_;
    std::unique_ptr<FormBinding> binding_;
    MessageLine* messageStrip_ = nullptr; // the message line under the client while it scrolls
    FocusRing* focusRing_ = nullptr;
    QTextBrowser* guide_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::string recentListPath_; // "" when the configuration folder is unknown
    recent::RecentFiles recentProjects_;
    std::unique_ptr<report::FormModelReportSource> reportSource_;
    // Children of this window, destroyed before the report source they draw from.
    std::unique_ptr<report::PreviewWindow> previewWindow_;
    std::unique_ptr<report::ResolutionWarning> resolutionWarning_;
    report::LoadChartWindow* loadChartWindow_ = nullptr; // created at the first click on its button
};

} // namespace zeltar::gui
