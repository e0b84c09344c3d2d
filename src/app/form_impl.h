// Inside of the form model (private to src/app): the controls and the project record, and the
// handlers the public events are made of, each defined in the file of its purpose:
// form_controls.cpp (catalogue, start-up), form_navigation.cpp (focus, Enter, space bar),
// form_typing.cpp (keys, selection and text of the focused field), form_commit.cpp (numeric commit and its effects, recalculation), form_presets.cpp (list choices,
// check boxes, fill buttons), form_plan.cpp (compass and tiles), form_file.cpp (save and load).
#pragma once

#include "app/form_model.h"
#include "calc/recalculate.h"
#include "fields/field_table.h"
#include "projectfile/own_project_file.h"
#include "projectfile/project_file.h"

#include <functional>
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zeltar {

// The project as committed on the form: what an undo puts back. The field being edited counts with
// the text it had when it took the focus; no control holds a selection.
struct FormSnapshot {
    ProjectState state;
    std::array<ControlState, kControlCount> controls;
    calc::RecalcValues lastValues;
};

// A user action that changed the project: the form before it (on the undo list) or after it (on
// the redo list), and what the message line calls the action.
struct FormStep {
    FormSnapshot form;
    std::string name;
};

// Undo and redo of the user's actions. A copy of the form (the start-up copy each model is made
// from, the form a recovery copy is written from) starts without history.
struct FormHistory {
    static constexpr std::size_t kDepth = 100; // steps kept on each list
    FormHistory() = default;
    FormHistory(const FormHistory&) {}
    FormHistory& operator=(const FormHistory&)
    {
        undo.clear();
        redo.clear();
        return *this;
    }
    FormHistory(FormHistory&&) = default;
    FormHistory& operator=(FormHistory&&) = default;
    ~FormHistory() = default;

    std::deque<FormStep> undo;
    std::deque<FormStep> redo;
    FormSnapshot shown; // the committed form after the last step
};

// The record's extension inputs (the «Дополнительно» tab, the own materials) in a record otherwise
// at its defaults; copied from one record into another.
ProjectState ExtensionInputs(const ProjectState& state);
void CopyExtensionInputs(const ProjectState& from, ProjectState& to);

struct FormModel::Impl {
    explicit Impl(std::string today);
    // A copy of the start-up state for `today`. Building the controls costs more than a
    // recalculation, and batch work (a summary, calc of many files) starts one model per room:
    // each thread keeps the start-up it built last and hands out copies of it.
    static Impl Startup(const std::string& today);

    std::string startupDate; // the date the window started with, shown by a new project
    ProjectState state;
    std::array<ControlState, kControlCount> controls; // in catalogue order
    std::optional<Control> focus;
    std::string focusedCommittedText; // a focused numeric field's text as it was when it took the focus
    int tab = fields::kEnclosureTab;
    int commaPositionBeforeKey = 0; // shared by all fields, written and read within one key stroke
    std::vector<std::string> errors;
    std::uint64_t revision = 0;
    ChangedControls changed;       // controls changed since the window last took them
    int drawnOrientation = 0;      // the plan orientation the plan was last reported with
    calc::RecalcValues lastValues; // full values of the last recalculation
    std::string openDialogFileName{kInitialDialogFileName};
    std::string saveDialogFileName{kInitialDialogFileName};
    projectfile::OwnProject unmodified; // the project as of start-up or the last save or load
    std::string projectFile;            // the file last saved or loaded ("" before either)
    std::function<void()> bell;
    std::function<bool(const std::string& question)> askLossySave; // unset: «Нет»
    std::string lastFolder;                                        // folder of the last file dialog answered ("" none)
    std::vector<std::string> messageLine;                          // messages since the last user action
    std::vector<std::string> postedMessages;                       // messages not yet taken
    FormHistory history;

    // --- message line (form_messages.cpp) ------------------------------------------------------
    void post(std::string message);
    void userAction(); // a user action ends the messages shown
    // The texts of the numeric fields, taken before an event that may rewrite some of them.
    using FieldTexts = std::array<std::string, kControlCount>;
    FieldTexts numericFieldTexts() const;
    // Posts one message naming the visible, enabled numeric fields other than `cause` (and its twin)
    // whose text differs from `before`.
    void reportRewrites(Control cause, const FieldTexts& before);
    // Posts the warning texts of a control that just turned red.
    void reportWarning(Control control);
    std::string proposedSaveName() const;

    // --- controls (form_controls.cpp) --------------------------------------------------------
    void createControls();
    void showStartupDefaults(); // field texts, list choices, states and colours of start-up
    const ControlState& at(Control control) const;
    // The control for writing: recorded as changed (the setters below call it only for a change).
    ControlState& change(Control control);
    void setText(Control control, std::string text);
    void setIndex(Control control, int index); // list: also its entry text; check box, tile: state
    void setEnabled(Control control, bool enabled);
    void setVisible(Control control, bool visible);
    void setColor(Control control, ControlColor color);
    void fail(std::string message);

    // --- focus, Enter and the space bar (form_navigation.cpp) ----------------------------------
    bool focusOn(Control control, FocusRoute route = FocusRoute::Click);
    bool leaveFocused(); // what leaving the focused control does: commit or recalculate
    bool canTakeFocus(Control control, bool report);
    std::optional<Control> enterTarget(Control control) const; // nullopt: no rule; itself: stay
    bool moveByEnter();                                        // the Enter rule of the focused control
    bool pressSpace();

    // --- keys, selection and text of the focused field (form_typing.cpp) ------------------------
    void select(Control control, int start, int length); // held within the text
    bool keyPress(char32_t character);
    // A free-text field's parameter follows at once; the inserted characters are held to the
    // maximum length. caret: where the toolkit left it (nullopt: after the inserted characters).
    void editFocusedText(std::string text, std::optional<int> caret = std::nullopt);
    void keyRelease(int keyCode);
    void typeCharacter(char32_t character);
    void pressBackspace();

    // --- commit and recalculation (form_commit.cpp) -------------------------------------------
    bool commitField(const fields::NumericField& field);
    void holdValue(const fields::NumericField& field, double value); // the parameter of a shown number
    // Posts the message of a typed number the commit held to the field's bounds.
    void reportClamp(const fields::NumericField& field, const std::string& typed, double upper);
    double upperBound(const fields::NumericField& field) const;
    void applyCommitEffect(fields::CommitEffect effect);
    void raiseGoodsTemperatures(); // leaving the room temperature
    void setOutsideTemperatures(double designTemperature, const std::string& designText);
    void recalculate();
    void showModeFields(); // the door and fan fields their modes enable
    // Shows a value in a field's display form and returns the number that text holds, which is
    // what the parameter must hold so that a saved project loads back to the same results.
    double showNumber(Control control, double value);

    // --- list choices, check boxes, fill buttons (form_presets.cpp) ---------------------------
    void choose(const fields::ListField& list, int index);
    void chooseCity(int city);
    void chooseFloorType(int floorType);
    void chooseRoomType(int roomType);
    void chooseProduct(int product);
    void chooseProductGroup(int group);
    void applyProductProperties(int product); // moisture, cryoscopic point, packaging and its share
    void showRoomGroupFields(int roomType);   // the fields a room type shows or hides
    void showCityFieldsState();               // climate fields enabled only for "свой вариант"
    void showFloorFieldState();               // floor temperature and U-value disabled on ground
    void clickCheckBox(const fields::CheckBoxField& box);
    void fillFromFirstRow();            // the fill button of the enclosure page
    void fillFinishes();                // the fill button of the solar page
    void openRowExtras(Control button); // a row's button on the enclosure page: its U-value field

    // The extensions' rules (form_extensions.cpp).
    void applyFlag(Control checkBox); // what ticking or clearing a flag of the «Дополнительно» tab changes
    std::optional<double> cutToFieldDecimals(const fields::NumericField& field, double value); // nullopt: as typed
    void showLightingFieldLength(); // one decimal (4 characters) or, with its flag, two (5)
    void reportUValueRule(Control field, double previous, double value);
    void showMaterialLists();    // the lists whose entries follow the project's own materials
    void clearExtensionInputs(); // every extension input at its default, shown so
    void showExtensionInputs();  // the «Дополнительно» tab's controls from the record
    int useOwnMaterial(const OwnMaterial& material);
    void selectList(Control comboBox, int index); // the list and its parameter

    // --- plan and tiles (form_plan.cpp) -------------------------------------------------------
    void turnCompass();
    bool clickTile(Control paintBox);
    void showWallDirections();
    void showTiles();

    // --- project file (form_file.cpp) ---------------------------------------------------------
    projectfile::ProjectLines collectLines() const;
    bool save(const DialogAnswer& answer);
    bool load(const DialogAnswer& answer);
    void startNewProject();
    void apply(const projectfile::LoadedOwnProject& project, const std::string& path);
    void markUnmodified();
    // Writes the bytes of a project file, or says why not (the message names the field of a line).
    bool writeProjectBytes(const std::string& path, const std::variant<std::string, projectfile::FileProblem>& written);
    bool writeOwnProject(const std::string& path);
    bool write131LineProject(const std::string& path);

    // --- inputs of the own project file only (form_extensions.cpp) ------------------------------
    // The extension controls whose parameter is not at its start-up value, as a file stores them.
    std::vector<projectfile::ExtensionValue> collectExtensions() const;
    projectfile::OwnProject collectOwnProject() const;
    // Every extension control back to start-up, then the values given; the own materials.
    void applyExtensions(const std::vector<projectfile::ExtensionValue>& values,
                         const std::vector<OwnMaterial>& ownMaterials);
    // The question before a 131-line save that loses the extensions the project uses; "" none.
    std::string lossySaveQuestion(const std::string& path) const;

    // --- undo and redo (form_history.cpp) -------------------------------------------------------
    // `editing`: the focused numeric field shows an editing text, counted as it took the focus.
    FormSnapshot committedForm(bool editing) const;
    // Ends a step where the project changed since the last one: `cause` names it.
    void recordStep(Control cause, bool editing = true);
    // The end of an event: a recalculation that changed no input is what the next step undoes to.
    void endEvent();
    void recordTextEdit();  // a header text being typed is a step of its own
    void clearHistory();    // a load or a new project
    void keepProjectName(); // after a save: every step keeps the saved file's name
    bool commitEdit();      // the field being edited commits before an undo or redo
    bool undo();
    bool redo();
    void showForm(const FormSnapshot& form);

    // --- recovery copy (form_recovery.cpp) ----------------------------------------------------
    bool restore(const std::string& bytes, const std::string& path);
    // The project as leaving the focused field would store it, never a field's editing text.
    projectfile::OwnProject committedProject() const;
    projectfile::ProjectLines committedLines() const { return committedProject().lines; }
};

} // namespace zeltar
