// The main window without widgets: every control's text, selection, enabled, visible and colour
// state beside the project record, the focus and the shown tab page; it takes the window's events
// and ends each as the window must. The Qt window and `zeltar-cli play` only forward events here
// and mirror the controls back.
#pragma once

#include "app/project_state.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar {

// Background of a field or list.
enum class ControlColor { Default, White, Red, Yellow };

enum class ControlType { Edit, ComboBox, CheckBox, Label, PaintBox, Button, BitBtn };

struct ControlState {
    ControlType type = ControlType::Edit;
    std::string text;      // field text; list: the selected entry's text ("" when none);
                           // check box, label, button: caption
    int index = -1;        // list: selected entry (-1 none); check box: 1 checked, 0 not
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    int maxLength = 0;     // numeric input fields: characters while typing (0: no limit)
    int tab = -1;          // tab page 0..4 the control lies on, -1 outside the tabs
    ControlColor color = ControlColor::Default;
};

// The answer of a file dialog: a chosen path, or a cancel.
struct DialogAnswer {
    bool accepted = false;
    std::string path; // UTF-8
};

class FormModel {
public:
    // Start-up: creation values, then the start-up defaults in their order (applied once, here);
    // no recalculation; the focus on the city list. `today` is the date in the system's short
    // format, shown in the date field.
    explicit FormModel(std::string today);
    ~FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    const ProjectState& state() const;
    bool hasControl(std::string_view name) const;
    // Throws std::out_of_range for an unknown name.
    const ControlState& control(std::string_view name) const;
    // Every control name the model knows, in a stable order.
    std::vector<std::string> controlNames() const;
    // Entry texts of a list.
    std::vector<std::string> listItems(std::string_view comboBox) const;

    std::string focus() const;  // name of the focused control ("" none)
    int currentTab() const;     // 0..4

    // --- events -----------------------------------------------------------------------------
    // The control gains the focus as on a click or Tab: its tab page is shown first, the control
    // that had the focus loses it (a numeric field commits). A hidden or disabled control cannot
    // take the focus: returns false, queues an error message and the focus stays.
    bool setFocus(std::string_view name);
    // The user shows another tab page (no focus change).
    void showTab(int tab);
    // Key filter of the focused field: whether the character may be inserted.
    bool keyPress(char32_t character);
    // The focused field's text after the toolkit inserted or deleted characters.
    void textEdited(std::string_view text);
    // Key release in the focused field (cleanup of comma and minus); keyCode as in number_text.h.
    void keyRelease(int keyCode);
    // Convenience for scripts: a key press, the insertion at the end (within the maximum length)
    // and the release, with the key code of the main keyboard for "," and "-".
    void typeCharacter(char32_t character);
    void pressEnter();
    void pressSpace();
    void pressBackspace();
    // The user picks entry `index` of a list (the list takes the focus first).
    void choose(std::string_view comboBox, int index);
    // A tile (PaintBox2..12), check box (CheckBox1..3) or button (Button1, BitBtn7, BitBtn8).
    void click(std::string_view name);

    // --- file commands ------------------------------------------------------------------------
    // Save: writes the project to the chosen path (atomically: a temporary file renamed over the
    // old one). Returns false on an error (message queued, nothing changed on disk).
    bool saveProject(const DialogAnswer& answer);
    // Load: reads and checks the whole file first; applies it only when sound, then recalculates.
    bool loadProject(const DialogAnswer& answer);
    // The file name the dialogs start with ("Новый Проект" at first).
    std::string dialogFileName() const;
    // Inputs changed since start-up or the last save or load.
    bool modified() const;

    // Error messages for the standard error box, oldest first; taking them clears the queue.
    std::vector<std::string> takeErrors();

    // Counter that grows with every change of any control: the window re-mirrors when it moved.
    std::uint64_t revision() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zeltar
