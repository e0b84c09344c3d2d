// The object as the summary window edits it, without widgets: the object file's document, its
// file path and modified state, and the summary kept current after every change. Room files are
// loaded when they are added or when the window says a file changed; option changes only
// recompute the sums. Errors are queued as Russian messages that name the file.
#pragma once

#include "object/object_file.h"
#include "object/object_summary.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeltar::object {

class ObjectModel {
public:
    // A new object: no file, no rooms, default options, name "Новый объект".
    ObjectModel();

    // --- the object file ----------------------------------------------------------------------
    // Replaces the object by the file's (every room loaded). On an error the message is queued
    // and the object stays as it was; warnings about passed-over lines are queued as well.
    bool open(const std::string& path);
    // Saves to the current file; false (message queued) when it has none or writing fails.
    bool save();
    // Saves under a new path, which becomes the object's file; rooms are written relative to
    // the new folder.
    bool saveAs(const std::string& path);
    // Starts a new object (as the constructor).
    void clear();

    const std::string& filePath() const { return filePath_; } // "" for a new object
    std::string folder() const; // the object file's folder; the working folder for a new object
    bool modified() const { return modified_; }

    // --- editing ------------------------------------------------------------------------------
    const ObjectDocument& document() const { return document_; } // room paths absolute
    void setName(const std::string& name);
    // False (nothing changed) for a value outside its range. The current value, or the value the
    // option's field shows for it, leaves the object unmodified.
    bool setLevelBoundary(double celsius);
    bool setSimultaneityFactor(double factor);
    // Appends rooms by path (absolute, or relative to the working folder); each is loaded.
    // Returns the index of the first added row.
    int addRooms(const std::vector<std::string>& paths);
    void removeRoom(int index);
    // Moves a row to another place (the rows between shift by one). False for a bad index.
    bool moveRoom(int from, int to);
    void setDisplayName(int index, const std::string& displayName);
    // Removes several rows in one step (indices in any order; bad ones passed over).
    void removeRooms(std::vector<int> indices);

    // --- undo and redo ------------------------------------------------------------------------
    // Each edit above that changed the object (rooms added, removed, moved, renamed; the object's
    // name and options) is one step; at most kHistoryDepth are kept. Undo puts the rooms, names
    // and options back as they were before the step; a room that comes back shows its file as it
    // is now (loaded again unless still listed). The modified state follows: back at the opened or
    // saved object it clears. Opening an object or starting a new one clears the history; saving
    // keeps it. False with nothing to undo or redo.
    static constexpr std::size_t kHistoryDepth = 100;
    bool undo();
    bool redo();
    bool canUndo() const { return !undoSteps_.empty(); }
    bool canRedo() const { return !redoSteps_.empty(); }

    // A name typed for a row's room, blanks around it already removed: false, and nothing changes,
    // when it is the row's display name already or the name the row shows; an empty name shows
    // the file name again.
    bool renameRoom(int index, const std::string& typed);

    // --- the summary --------------------------------------------------------------------------
    const ObjectSummary& summary() const { return summary_; }
    int roomCount() const { return static_cast<int>(document_.rooms.size()); }
    // Absolute path of a row's file (to open it in the main window, to watch it).
    const std::string& roomPath(int index) const;
    // Rows listing the file at `path` (compared after following links).
    std::vector<int> rowsOfFile(const std::string& path) const;
    // Loads one row again (its file changed on disk) and recomputes the sums.
    void reloadRoom(int index);
    // Loads every row again.
    void reloadAll();
    // A watched path changed: a room file, or a folder in which a file was replaced by renaming
    // another over it. Loads again every row whose file is that path or lies in that folder, and
    // returns those rows.
    std::vector<int> reloadRoomsAt(const std::string& changedPath);

    // The PDF the summary report is first proposed as: beside the object file and named after it,
    // or «Сводка.pdf» in the working folder for a new object.
    std::string proposedPdfPath() const;

    // Messages for the error box, oldest first; taking them clears the queue.
    std::vector<std::string> takeMessages();

private:
    bool setOption(double& option, double value, double lowest, double highest, std::string (*shownText)(double));
    void resummarize();
    SummaryRow loadRow(int index) const;
    void remember(); // the object before an edit becomes an undo step
    void showDocument(ObjectDocument document);

    ObjectDocument document_;
    std::string filePath_;
    bool modified_ = false;
    ObjectSummary summary_;
    std::vector<std::string> messages_;
    ObjectDocument savedDocument_; // as opened or last saved (a new object: as started)
    std::vector<ObjectDocument> undoSteps_;
    std::vector<ObjectDocument> redoSteps_;
};

// The caption of the simultaneity factor's field, its range included («... (0,50...1,00):»).
std::string SimultaneityFactorCaption();
// The messages refusing a typed option that is no number in its range, naming the field, the
// text and the range.
std::string LevelBoundaryRefusal(std::string_view typed);
std::string SimultaneityFactorRefusal(std::string_view typed);

} // namespace zeltar::object
