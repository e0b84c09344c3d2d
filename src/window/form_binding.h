// The one binding between the window's widgets and the form model: every widget event becomes a
// model event (focus and its route, caret and selection, key filter, edited text, key release,
// Enter, space bar, list choice, click, tab), and after each the widgets of the controls the model
// reports changed mirror it: texts, choices, enabled, visible, read-only, background colours; then
// the shown tab page, the focus and the focused field's selection; the warning tooltips, the tab
// marks and the message line (binding_messages.cpp). Queued error messages are shown
// after the event; the model's bell is the system's. No control has a handler of its own: the
// behaviour is the model's, the maximum length of a field included.
#pragma once

#include "app/form_model.h"
#include "window/window_builder.h"

#include <QObject>

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
class MessageLine;

class FormBinding : public QObject {
    Q_OBJECT
public:
    using ErrorPresenter = std::function<void(const QString& message)>;

    // Binds every control the model knows and mirrors them all; throws std::logic_error when the
    // window lacks one.
    FormBinding(FormModel& model, const WindowWidgets& widgets, ErrorPresenter showError, QObject* parent = nullptr);

    // The window's own events, forwarded and mirrored as the widgets' are: a control (a command's
    // button) takes the focus as on a click, false when the field left failed its commit; the two
    // file commands with the dialog's answer, as FormModel::saveProject and loadProject.
    bool setFocus(Control control);
    bool saveProject(const DialogAnswer& answer);
    bool loadProject(const DialogAnswer& answer);
    // Undo and redo of the project (FormModel::undo, redo), mirrored. The keys Ctrl+Z, and Ctrl+Y or
    // Ctrl+Shift+Z, run them in every control of `window` (in a field too, instead of the field's
    // own undo).
    void undo();
    void redo();
    void addHistoryShortcuts(QWidget* window);

    // Mirrors the controls the model reports changed, the tab page, the focus and the selection;
    // schedules the error box. Run after every event the binding forwards.
    void sync();
    // Puts the keyboard focus where the model has it (when that control is visible).
    void syncFocus();
    // Shows the queued error messages now (normally shortly after the event that queued them).
    void showErrors();

    QWidget* widget(Control control) const;

    // A label that shows the model's message line (FormModel::message()) after every sync: cut
    // with "…" to its width, the whole text in its tooltip.
    void addMessageLine(MessageLine* line);
    QString messageLine() const { return shownMessage_; }

signals:
    // After every sync: the results may have changed (windows that follow them redraw).
    void synced();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(Control control, QWidget* widget);
    void focusGained(Control control, FocusRoute route);
    void selectionMoved(Control control, QLineEdit* edit);
    void syncSelection();
    bool lineEditKeyPress(Control control, QKeyEvent* event);
    bool enterOrSpacePressed(QKeyEvent* event);
    void click(Control control);
    void lineEditTextEdited(Control control, QLineEdit* edit, const QString& text);
    bool ensureFocus(Control control);
    bool holdsFocus(Control control);
    // sync() after an event on a widget the toolkit changed itself first (typed text, a list's
    // choice, a check box's tick): that widget shows the model's state again even where the model
    // kept it (a character beyond the maximum length, a refused click).
    void syncAfterToolkitChange(Control control);
    void mirror(const ChangedControls& controls);
    void mirror(Control control);
    void mirrorColor(Control control, QWidget* widget, const ControlState& state);
    void syncTab();
    // Every control's tooltip from the core's texts (at binding).
    void showTooltips();
    // Warning tooltips of the fields and lists (before what the control is), the marks on the tab
    // buttons, the message line.
    void syncWarnings();
    void syncMessageLine();

    FormModel& model_;
    std::map<Control, QWidget*> widgets_;
    std::map<const QObject*, Control> controlOfWidget_; // the control whose events a widget carries
    ButtonTabs* tabs_;
    ErrorPresenter showError_;
    std::map<Control, ControlColor> shownColors_; // background each widget shows
    std::map<Control, QString> shownWarnings_;    // warning tooltip each widget shows
    std::vector<MessageLine*> messageLines_;
    QString shownMessage_;
    std::vector<std::string> pendingErrors_;
    bool mirroring_ = false;
    bool errorsScheduled_ = false;
};

} // namespace zeltar::gui
