// Inside of the form model (private to src/app): the controls and the project record, and the
// handlers the public events are made of, each defined in the file of its purpose:
// form_controls.cpp (catalogue, start-up), form_navigation.cpp (focus, Enter, space bar),
// form_typing.cpp (keys, selection and text of the focused field), form_commit.cpp (numeric commit and its effects, recalculation), form_presets.cpp (list choices,
// check boxes, fill buttons), form_plan.cpp (compass and tiles), form_file.cpp (save and load).
#pragma once

#include "app/form_model.h"
#include "calc/recalculate.h"
#include "fields/field_table.h"
#include "projectfile/project_file.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar {

struct FormModel::Impl {
    explicit Impl(std::string today);
    // A copy of the start-up state for `today`. Building the controls costs more than a
    // recalculation, and batch work (a summary, calc of many files) starts one model per room:
    // each thread keeps the start-up it built last and hands out copies of it.
    static Impl Startup(const std::string& today);

    ProjectState state;
    std::map<std::string, ControlState, std::less<>> controls;
    std::vector<std::string> names; // catalogue order
    std::string focus;
    int tab = fields::kEnclosureTab;
    int commaPositionBeforeKey = 0; // shared by all fields, written and read within one key stroke
    std::vector<std::string> errors;
    std::uint64_t revision = 0;
    std::set<std::string, std::less<>> changed; // controls changed since the window last took them
    int drawnOrientation = 0;     // the plan orientation PaintBox1 was last reported with
    calc::RecalcValues lastValues; // full values of the last recalculation
    std::string openDialogFileName{kInitialDialogFileName};
    std::string saveDialogFileName{kInitialDialogFileName};
    project::ProjectLines unmodifiedLines; // the project as of start-up or the last save or load
    std::string projectFile;               // the file last saved or loaded ("" before either)
    std::function<void()> bell;

    // --- controls (form_controls.cpp) --------------------------------------------------------
    void createControls();
    void showStartupDefaults(); // field texts, list choices, states and colours of start-up
    const ControlState& at(std::string_view name) const; // throws std::out_of_range
    // The control for writing: recorded as changed (the setters below call it only for a change).
    ControlState& change(std::string_view name);
    void setText(std::string_view name, std::string text);
    void setIndex(std::string_view name, int index); // list: also its entry text; check box, tile: state
    void setEnabled(std::string_view name, bool enabled);
    void setVisible(std::string_view name, bool visible);
    void setColor(std::string_view name, ControlColor color);
    void fail(std::string message);

    // --- focus, Enter and the space bar (form_navigation.cpp) ----------------------------------
    bool focusOn(std::string_view name, FocusRoute route = FocusRoute::Click);
    bool leaveFocused();     // what leaving the focused control does: commit or recalculate
    bool canTakeFocus(std::string_view name, bool report);
    std::optional<std::string> enterTarget(std::string_view control) const; // nullopt: no rule or stay
    bool moveByEnter();      // the Enter rule of the focused control
    bool pressSpace();

    // --- keys, selection and text of the focused field (form_typing.cpp) ------------------------
    void select(std::string_view name, int start, int length); // held within the text
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
    double upperBound(const fields::NumericField& field) const;
    void applyCommitEffect(fields::CommitEffect effect);
    void raiseGoodsTemperatures();        // leaving the room temperature
    void setOutsideTemperatures(double designTemperature, const std::string& designText);
    void recalculate();
    // Shows a value in a field's display form and returns the number that text holds, which is
    // what the parameter must hold so that a saved project loads back to the same results.
    double showNumber(std::string_view control, double value);

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
    void showFloorFieldState();               // floor temperature disabled on ground
    void clickCheckBox(const fields::CheckBoxField& box);
    void fillFromFirstRow();   // BitBtn7
    void fillFinishes();       // BitBtn8
    void selectList(std::string_view comboBox, std::string_view parameter, int index);

    // --- plan and tiles (form_plan.cpp) -------------------------------------------------------
    void turnCompass();
    bool clickTile(std::string_view paintBox);
    void showWallDirections();
    void showTiles();

    // --- project file (form_file.cpp) ---------------------------------------------------------
    project::ProjectLines collectLines() const;
    bool save(const DialogAnswer& answer);
    bool load(const DialogAnswer& answer);
    void apply(const project::LoadedProject& file, const std::string& path);
    void markUnmodified();

    // --- recovery copy (form_recovery.cpp) ----------------------------------------------------
    bool restore(const std::string& bytes, const std::string& path);
};

} // namespace zeltar
