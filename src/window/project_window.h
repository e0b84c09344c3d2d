// What the summary window needs of the window that edits projects: the widget it stands beside
// and closes with, that window's project (to add it to the object) and opening a room there.
#pragma once

#include <QString>

class QWidget;

namespace zeltar::gui {

class ProjectWindow {
public:
    virtual QWidget& widget() = 0;
    // The project's file ("" while the project is new), and whether it has unsaved changes.
    virtual QString projectPath() const = 0;
    virtual bool projectModified() const = 0;
    // Saves the project as the save command does; false when nothing was written.
    virtual bool saveProject() = 0;
    // Opens a project file after the unsaved changes are settled; false when the user cancelled
    // or the file was refused.
    virtual bool openProjectAsked(const QString& path) = 0;

protected:
    ~ProjectWindow() = default;
};

} // namespace zeltar::gui
