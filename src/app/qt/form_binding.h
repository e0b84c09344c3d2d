// The one binding between the window's widgets and the form model: every widget event becomes a
// model event (focus and its route, caret and selection, key filter, edited text, key release,
// Enter, space bar, list choice, click, tab), and after each the widgets mirror the model: texts,
// choices, enabled, visible, read-only, background colours, the shown tab page, the focus and the
// focused field's selection. Queued error messages are shown after the event; the model's bell is
// the system's. No control has a handler of its own: the behaviour is the model's.
#pragma once

#include "app/form_model.h"
#include "app/qt/window_builder.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace zeltar::gui {

class ButtonTabs;

class FormBinding : public QObject {
    Q_OBJECT
public:
    using ErrorPresenter = std::function<void(const QString& message)>;

    // Binds every control the model knows; throws std::logic_error when the window lacks one.
    FormBinding(FormModel& model, const WindowWidgets& widgets, ErrorPresenter showError, QObject* parent = nullptr);

    // Mirrors every control that changed, the tab page and the focus; schedules the error box.
    void sync();
    // Puts the keyboard focus where the model has it (when that control is visible).
    void syncFocus();
    // Shows the queued error messages now (normally shortly after the event that queued them).
    void showErrors();

    QWidget* widget(std::string_view name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(const std::string& name, QWidget* widget);
    void focusGained(const std::string& name, FocusRoute route);
    void selectionMoved(const std::string& name, QLineEdit* edit);
    void syncSelection();
    bool lineEditKeyPress(const std::string& name, QLineEdit* edit, QKeyEvent* event);
    bool enterOrSpacePressed(QKeyEvent* event);
    void click(const std::string& name);
    void lineEditTextEdited(const std::string& name, QLineEdit* edit, const QString& text);
    bool ensureFocus(const std::string& name);
    bool holdsFocus(const std::string& name);
    void mirrorControls();
    void mirror(const std::string& name, const ControlState& state, QWidget* widget);
    void syncTab();

    FormModel& model_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    ButtonTabs* tabs_;
    ErrorPresenter showError_;
    std::map<std::string, ControlColor, std::less<>> shownColors_; // background each widget shows
    std::vector<std::string> pendingErrors_;
    std::uint64_t shownRevision_;
    bool mirroring_ = false;
    bool errorsScheduled_ = false;
};

} // namespace zeltar::gui
