// The summary window: a separate, non-modal window over the object model with the table of rooms,
// level subtotals and the object total; the object's name, level boundary and simultaneity factor
// as fields; commands for the object file, the rooms, the clipboard and the report. It works with
// the main window for «add the current project» and to open a room, and keeps each row current
// when its file changes on disk.
#pragma once

#include "app/recent_files.h"
#include "object/object_model.h"
#include "window/summary_dialogs.h"
#include "window/summary_table_model.h"

#include <QFileSystemWatcher>
#include <QWidget>

class QMenu;

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;

namespace zeltar::gui {
class MainWindow;
class ProjectWindow;
} // namespace zeltar::gui

namespace zeltar::object {

class SummaryLoadChart;

inline constexpr char kSummaryWindowCaption[] = "ЗЕЛТАР - Сводка по объекту";

class SummaryWindow final : public QWidget {
    Q_OBJECT
public:
    // A window of its own (not modal) that closes with the main window; `mainWindow` must outlive it.
    explicit SummaryWindow(gui::ProjectWindow& mainWindow, SummaryDialogs dialogs = StandardSummaryDialogs(),
                           QWidget* parent = nullptr);

    ObjectModel& model() { return model_; }
    const ObjectModel& model() const { return model_; }
    const SummaryTableModel& table() const { return table_; }
    QTableView* view() const { return view_; }
    QPushButton* button(const QString& objectName) const;
    QLineEdit* field(const QString& objectName) const;
    // What the status bar says ("" nothing since the last command).
    QString statusMessage() const;

    // --- object file --------------------------------------------------------------------------
    void newObject();
    void openObject();
    void openObjectFile(const QString& path);
    bool saveObject();
    bool saveObjectAs();
    // --- rooms --------------------------------------------------------------------------------
    void addRooms();
    void addRoomFiles(const QStringList& paths);
    void addCurrentProject();
    void removeSelectedRooms();
    void moveSelectedRoom(int step); // -1 up, +1 down
    // Undo and redo of the object's edits (Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z).
    void undoEdit();
    void redoEdit();
    // Starts editing the selected room's name in the table (F2 or a click on the selected name
    // does the same); a name typed there is the room's display name in the object, an empty one
    // shows the file name again.
    void renameSelectedRoom();
    void renameRoom(std::size_t room, const QString& name);
    // Opens the room of a table row in the main window (which asks about its unsaved changes).
    void openRoomOfRow(int row);
    // A watched room file changed, was replaced or appeared: its rows are loaded again.
    void roomFileChanged(const QString& path);
    // --- table and report ---------------------------------------------------------------------
    void copyTable();
    void previewReport();
    void printReport();
    void saveReportPdf();

    // Sizes the window for a screen's free area: 1180 x 640 when it fits, else as large as the area
    // allows (everything scrolls into view).
    void fitToScreen(const QRect& available);

    // Before the object's changes would be lost: true when the caller may go on.
    bool settleUnsavedChanges();

    // The object files opened or saved last, newest first (the open button's context menu offers
    // them, a missing file greyed), kept in the user's configuration folder.
    const recent::RecentFiles& recentObjects() const { return recentObjects_; }
    QMenu* recentObjectsMenu();
    // A recent object picked: opened after the question on unsaved changes; a file gone since is
    // removed from the list and said on the status bar.
    bool openRecentObject(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addRecentObjects();
    // The object's file goes first in the recent objects (once it is there, nothing is written).
    void rememberObjectFile();
    void writeRecentObjects();
    // The window's parts, top to bottom: the file commands, the room commands, the object's fields,
    // the table, the note on the sums, the load chart; the status bar below the scrolled part.
    void buildWidgets();
    QWidget* buildFileBar(QWidget* content);
    QWidget* buildRoomBar(QWidget* content);
    QWidget* buildFieldBar(QWidget* content);
    void buildTable(QWidget* content);
    void buildStatusBar();
    void addCommandKeys();
    QPushButton* addButton(QWidget* bar, const QString& name, const QString& caption,
                           const std::function<void()>& command);
    QLineEdit* addField(QWidget* bar, const QString& name, const QString& caption, int width);
    void commitName();
    // The level boundary or the simultaneity factor from its field; `refusal` names the range.
    void commitOption(QLineEdit* field, bool (ObjectModel::*set)(double), std::string (*refusal)(std::string_view));
    // The table, fields, caption and watched files from the model; then its messages.
    void refresh();
    void showMessages();
    void spanLongTexts();
    // The status bar's message: what the window did (a save, a PDF, rooms loaded again), until the
    // next command.
    void say(const QString& message);
    void fitColumnsToFigures();
    void shareWidthWithFigures();
    void watchRoomFiles();
    void selectRoom(int room);
    std::vector<int> selectedRooms() const;

    gui::ProjectWindow& mainWindow_;
    SummaryDialogs dialogs_;
    ObjectModel model_;
    SummaryTableModel table_;
    QFileSystemWatcher watcher_;
    QString date_;
    QTableView* view_ = nullptr;
    SummaryLoadChart* loadChart_ = nullptr; // the rooms' loads by component, under the table
    QLineEdit* nameField_ = nullptr;
    QLineEdit* boundaryField_ = nullptr;
    QLineEdit* factorField_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::string recentListPath_; // "" when the configuration folder is unknown
    recent::RecentFiles recentObjects_;
    std::vector<int> contentWidths_; // of each column, measured by fitColumnsToFigures
};

// Gives the main window's «СВОДКА ПО ОБЪЕКТУ» button its window: created at the first click, then
// shown and raised at each. An object file the main window was asked to open is opened there
// (after the summary's unsaved changes are settled).
void ConnectSummaryWindow(gui::MainWindow& mainWindow);

} // namespace zeltar::object
