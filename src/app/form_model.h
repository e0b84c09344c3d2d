// The main window without widgets: every control's text, selection, enabled, visible and colour
// state beside the project record, the focus and the shown tab page; it takes the window's events
// and ends each as the window must, recording which controls each changed. The Qt window and
// `zeltar-cli play` only forward events here and mirror the changed controls back.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar {

namespace calc {
struct RecalcValues;
}

// Background of a field or list.
enum class ControlColor { Default, White, Red, Yellow };

struct ControlState {
    ControlType type = ControlType::Edit;
    std::string text; // field text; list: the selected entry's text ("" when none);
                      // check box, label, button: caption
    int index = -1;   // list: selected entry (-1 none); check box: 1 checked, 0 not;
                      // tile (the sun and facing tiles): its flag, 1 or 0
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    int maxLength = 0; // numeric input fields: the most characters an edit leaves (0: no limit)
    // Focused field: the selected characters start at selectionStart (0-based, in characters);
    // with none selected the caret stands there. Fields without the focus select nothing.
    int selectionStart = 0;
    int selectionLength = 0;
    int tab = -1; // tab page 0..5 the control lies on, -1 outside the tabs
    ControlColor color = ControlColor::Default;
};

// The answer of a file dialog: a chosen path, or a cancel.
struct DialogAnswer {
    bool accepted = false;
    std::string path; // UTF-8
};

// How a control gains the focus: a mouse click (a field's caret at the end of its text, nothing
// selected; the toolkit then places it where clicked) or the keyboard (the Enter route or Tab: a
// field's whole text selected, so the first key typed replaces it).
enum class FocusRoute { Click, Keyboard };

// The window's two file dialogs; each remembers its own file name.
enum class FileDialog { Open, Save };

// The controls whose state an event changed, in catalogue order.
using ChangedControls = std::set<Control>;

// The name both dialogs hold before their first use.
inline constexpr std::string_view kInitialDialogFileName = "Новый Проект";

class FormModel {
public:
    // Start-up: creation values, then the start-up defaults in their order (applied once, here:
    // coming back from another window never resets an input); no recalculation, every result
    // shows "  0"; the focus on the city list, the first tab page shown. `today` is the date in the
    // system's short format, shown in the date field.
    explicit FormModel(std::string today);
    ~FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    const ProjectState& state() const;
    const ControlState& control(Control control) const;
    // Entry texts of a list, padded with blanks to 30 characters as the list holds them (the last
    // built-in entry unpadded; the added and own materials after them). Empty for a control that is
    // no list. The material lists change with the project's own materials.
    std::vector<std::string> listItems(Control comboBox) const;

    std::optional<Control> focusedControl() const;
    int currentTab() const; // 0..5

    // --- events -----------------------------------------------------------------------------
    // Every event below runs to its end before the next: at most one recalculation per commit,
    // choice, check-box change or list/check-box exit. An event that fails (a text that is no
    // number) queues the error and stops there: nothing else changes.

    // The control gains the focus as on a click or Tab. The control that had the focus loses it
    // first (a numeric field commits, a list or check box recalculates; a failed commit keeps the
    // focus where it was and returns false); then the control's tab page is shown and a numeric
    // field is prepared for editing (blanks removed, a lone 0 emptied). A hidden or disabled
    // control, a label or a paint area cannot take the focus: returns false, queues an error
    // message and the focus stays. Focusing the focused control changes nothing. The route decides
    // the field's selection (see FocusRoute).
    bool setFocus(Control control, FocusRoute route = FocusRoute::Click);
    // The user shows another tab page (no focus change).
    void showTab(int tab);
    // The user moved the caret or the selection of the focused field (mouse, arrow keys): start
    // and length in characters, held within the text. Nothing for other controls.
    void selectText(int start, int length);
    // Key filter of the focused field: whether the character may be inserted (false for a
    // read-only field or a control without text), judged on the text without its selection, which
    // the character replaces. Numeric fields record the comma position here. A full stop or comma
    // refused by a whole-number field sounds the bell.
    bool keyPress(char32_t character);
    // The focused field's text after the toolkit inserted or deleted characters at the selection:
    // the caret stands where the toolkit left it (`caret`, in characters; by default after the
    // inserted ones), nothing selected. The text is held to the field's maximum length: of the
    // inserted characters only those that fit stay (typed, pasted or from an input method alike).
    // A full stop in a field that admits the decimal comma becomes a comma. A free-text field's
    // parameter follows its text at once; a numeric field's only at its commit.
    void textEdited(std::string_view text, std::optional<int> caret = std::nullopt);
    // Key release in the focused field (cleanup of comma and minus in the kinds that admit them);
    // keyCode as in number_text.h (kCommaKeyCode for any decimal separator key, kMinusKeyCode).
    void keyRelease(int keyCode);
    // Convenience for scripts: a key press, the insertion at the caret over the selection (within
    // the maximum length) and the release, with the comma code for "," and "." and the minus code
    // for "-".
    void typeCharacter(char32_t character);
    // The Enter key in the focused control: moves the focus as the control's Enter rule says
    // (which commits the field left). Returns false where the control has no Enter rule.
    bool pressEnter();
    // The space bar's rule of the first outside temperature and the first surface finish: the Enter
    // move, then the fill button of its page. Returns false in every other control, where the space bar is the
    // toolkit's ordinary key (a blank typed, a check box or button pressed).
    bool pressSpace();
    // Backspace in the focused field, through its key filter and cleanup: deletes the selection,
    // or else the character before the caret.
    void pressBackspace();
    // The user picks entry `index` of a list: the list takes the focus first (as setFocus), then
    // its choice handler runs. An index outside the list queues an error and changes nothing.
    void choose(Control comboBox, int index);
    // A tile (the sun and facing tiles: flips its flag and recalculates, no focus change), check
    // box or button ("КОМПАС": turns the plan and recalculates, the two fill buttons): the tab page is shown first; a check box or button takes the focus as a mouse
    // click does. Other paint areas do nothing.
    void click(Control control);

    // --- the project's own materials ------------------------------------------------------------
    // Copies a material of the user's library into the project (so that it opens the same on
    // another machine): the construction, insulation and extra-layer lists then offer it after
    // their other entries, marked «★ ». A material of that name already in the project takes the
    // new values (rows using it are recalculated). Says so on the message line; one undo step.
    // Returns the material's place among the project's own materials.
    int useOwnMaterial(const OwnMaterial& material);

    // --- undo and redo ----------------------------------------------------------------------------
    // Every user action that changed the project is one step: a field's commit, a list choice with
    // its presets, a check box, a tile, the compass, a fill button, a header text left. At most
    // FormHistory's depth (100) steps are kept. Undo puts back the form exactly as it was before
    // the step (texts, choices, flags, colours, the results shown) and says «Отменено: …» on the
    // message line; redo puts back the form after it («Повторено: …»). The field being edited
    // commits first (as a button click does; a text leaving it would refuse stops there with its
    // message); a new step drops the steps undone. A load or a restored copy starts a new history;
    // a save keeps it, and the unsaved-changes flag follows the form put back. The focus stays
    // where it is (a field's selection ends at its text), unless its control is hidden or disabled
    // in the form put back. Returns false with nothing to undo or redo.
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;

    // --- file commands ------------------------------------------------------------------------
    // Both commands start as a click on their button does: the button («СОХРАНИТЬ ПРОЕКТ»,
    // «ЗАГРУЗИТЬ ПРОЕКТ») takes the focus, so a field being edited commits first; when that commit fails the
    // command stops there. A cancel leaves the project name field as it was (a cancelled load
    // recalculates).
    //
    // Save: writes the project to the chosen path through a temporary file beside it, renamed over
    // the old file only when everything was written: an own project file (*.zlp, UTF-8, every
    // input) for a name ending in ".zlp", else the 131-line file, which asks first when the
    // project uses an input that file cannot hold (see setAskLossySave). A text Windows-1251 cannot hold refuses the
    // save (the message names the field), except the project name: each character the code page
    // lacks is written as "?" there (a path may hold any character). Returns false on any error: message queued, nothing
    // written, the window unchanged. On success the project name field shows the path and the
    // message line says «Сохранено: <file name>».
    bool saveProject(const DialogAnswer& answer);
    // Load: reads and checks the whole file first (a 131-line file or an own project file, told by
    // its first line; a 131-line file puts every input of the «Дополнительно» page back to start-up); a missing, unreadable or faulty file queues a
    // message naming the file (and the line) and leaves the window exactly as it was. A sound file
    // is applied: field texts, list choices, surface flags, orientation, check boxes and the saved
    // display states, the parameters; the plan and tiles redrawn, the states that follow the
    // loaded choices (climate fields, floor field, capacity fields), the project name field shows
    // the path, and one recalculation.
    bool loadProject(const DialogAnswer& answer);
    // The file name a dialog starts with. Load: "Новый Проект" until a load succeeded, then that
    // file's path. Save: the current project's file (the one loaded, restored or last saved); for
    // a project without one, a name made from «ОБЪЕКТ» and «ПРОЕКТ» (cleaned for a file name,
    // "Новый Проект" when both are empty) with ".zlt", in the folder of the last file dialog.
    std::string dialogFileName(FileDialog dialog = FileDialog::Open) const;
    // A new project: every control, the record, the focus and the tab page as at start-up, no
    // file of its own (the next save asks for one, in the folder of the last file dialog), the
    // date of start-up; every control is reported changed and the message line says «Новый
    // проект». The field being edited is given up. Asking about unsaved changes is the caller's.
    void newProject();
    // Inputs changed since start-up or the last save or load; the field being edited counts with the
    // value leaving it would store (a field that showed 0 and is empty while edited is unchanged).
    bool modified() const;

    // The question asked before a save as a 131-line file (*.zlt) that would lose inputs only the
    // own project file holds: it names them, and true («Да») saves without them; «Нет», the default,
    // writes nothing. Unset, the answer is «Нет».
    void setAskLossySave(std::function<bool(const std::string& question)> ask);

    // The system bell, rung where the window refuses a key the user plainly meant (a decimal
    // separator in a whole-number field). Silent until set.
    void setBell(std::function<void()> bell);

    // --- recovery copy (the window's protection against a crash) -------------------------------
    // The file last saved or loaded, "" before either.
    std::string projectFile() const;
    // The whole project as a 131-line project file (an own project file when it uses an input only
    // that file holds) that never fails and always loads: a character
    // Windows-1251 cannot hold is written as "?", and the field being edited as leaving it would
    // store it (its value before the edit when leaving it would be refused).
    std::string recoveryBytes() const;
    // Puts a recovery copy into the window as a load does, but as modified (it was never saved)
    // and with `path` ("" for a project never saved) as the file of the next save: the save
    // dialog starts with it and the project name field shows it; the message line says the project
    // was restored. A faulty copy queues a message and changes nothing.
    bool restoreProject(const std::string& bytes, const std::string& path);

    // --- message line ---------------------------------------------------------------------------
    // What the program did on its own, said on the window's message line (the main window's bottom
    // panel, the summary window's status bar) until the next user action: a number held to its
    // field's bounds at commit, fields a commit or a choice rewrote, a warning colour that
    // appeared, a save, a PDF written, a recovery copy restored.
    //
    // The model posts its own messages. The window layer posts what it does itself (a PDF written,
    // a recovery folder's state) with postMessage() and then mirrors message(); the Qt binding
    // shows message() after every event it forwards, so a message posted from the window shows
    // at the next FormBinding::sync() (call it, or post before an event that syncs).
    //
    // A user action ends the messages shown: typing into a field, a key, Enter, the space bar, a
    // click, a list choice, the focus moved to another control, another tab page, save, load.
    // Messages an event itself posts after that (its commit, its presets) stay until the next one.
    void postMessage(std::string text);
    // The message line: every message posted since the last user action, oldest first, joined by
    // " · " ("" none).
    std::string message() const;
    // Every message posted since the last take, oldest first; taking them clears the record (what
    // `zeltar-cli play` prints as MESSAGE lines).
    std::vector<std::string> takeMessages();

    // --- warnings -----------------------------------------------------------------------------
    // Why a control shows its warning colour (red) and what that does to the results, one text a
    // reason; empty for a control without a warning. The window shows them as the control's
    // tooltip; each is posted as a message when the colour appears.
    std::vector<std::string> warningTexts(Control control) const;
    // Whether tab page `tab` (0..5) holds a control showing a warning: its tab button is marked.
    bool tabHasWarning(int tab) const;

    // Error messages for the standard error box, oldest first; taking them clears the queue.
    std::vector<std::string> takeErrors();

    // The controls whose state (text, choice, flag, selection, enabled, visible, read-only, colour;
    // for the plan, the orientation it draws) changed since the last take: what a window
    // mirrors after each event. Taking them clears the record. The focus and the shown tab page
    // are read from focusedControl() and currentTab().
    ChangedControls takeChangedControls();

    // Counter that grows with every change of any control, the focus or the shown tab page.
    std::uint64_t revision() const;

    // Full (uncut) values of the last recalculation, all zero before the first: what the object
    // summary adds up.
    const calc::RecalcValues& lastValues() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zeltar
