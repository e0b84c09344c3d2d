#include "window/form_binding.h"

#include "window/button_tabs.h"
#include "window/key_codes.h"
#include "window/window_style.h"
#include "app/form_lists.h"
#include "fields/field_table.h"
#include "plan/qt/plan_widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <utility>

namespace zeltar::gui {

namespace {

const QColor kDisabledFieldBackground{0xE4, 0xE4, 0xE4};
constexpr int kPopupMargin = 30; // px beside the longest entry of an open list

// The list holds `items` (the model's entries); its popup is as wide as the longest. A list already
// holding them is left as it is.
void ShowListItems(QComboBox* combo, const std::vector<std::string>& items)
{
    bool same = combo->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == QString::fromStdString(items[static_cast<std::size_t>(i)]);
    if (same)
        return;
    combo->clear();
    int widest = 0;
    for (const std::string& item : items) {
        combo->addItem(QString::fromStdString(item));
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(QString::fromStdString(item).trimmed()));
    }
    combo->view()->setMinimumWidth(widest + kPopupMargin);
}

// Copy, cut, paste, undo and redo by their keyboard shortcuts.
bool IsClipboardShortcut(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut) ||
           event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo);
}

// The project's undo (Ctrl+Z) and redo (Ctrl+Y, Ctrl+Shift+Z) keys.
const QKeySequence kUndoKeys[]{QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QKeySequence kRedoKeys[]{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

bool IsOneOf(const QKeyEvent& event, std::span<const QKeySequence> keys)
{
    const QKeySequence pressed(event.keyCombination());
    return std::find(keys.begin(), keys.end(), pressed) != keys.end();
}

// The control character a Ctrl+letter shortcut types (Ctrl+V: 0x16); 0 for other shortcuts.
char32_t ControlCharacterOf(const QKeyEvent& event)
{
    if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
    return 0;
}

// The widget as the kind the model's control type needs; a layout that disagrees is a fault of
// the program, found at start-up.
template <class Widget>
Widget* As(QWidget* widget, Control control)
{
    auto* typed = qobject_cast<Widget*>(widget);
    if (typed == nullptr)
        throw std::logic_error("the widget of control " + std::string(Name(control)) + " is not a " +
                               Widget::staticMetaObject.className());
    return typed;
}

// A caption set only when it changed: a new text lays the widget out and repaints it.
template <class Widget>
void ShowCaption(Widget* widget, const QString& text)
{
    if (widget->text() != text)
        widget->setText(text);
}

// A line edit's text, set only when it changed: the focused field keeps its caret where it can,
// an unfocused one shows the start of its text.
void ShowEditText(QLineEdit* edit, bool readOnly, const QString& text)
{
    if (edit->isReadOnly() != readOnly)
        edit->setReadOnly(readOnly);
    if (edit->text() == text)
        return;
    const int caret = edit->cursorPosition();
    edit->setText(text);
    if (edit->hasFocus())
        edit->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
    else
        edit->home(false);
}

// Characters (code points) before the UTF-16 position of a text, as the model counts them.
int CharactersBefore(const QString& text, qsizetype position)
{
    return static_cast<int>(QStringView(text).left(position).toUcs4().size());
}

// The UTF-16 position after the given number of characters of a text.
int Utf16Position(const QString& text, int characters)
{
    qsizetype position = 0;
    for (int i = 0; i < characters && position < text.size(); ++i)
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    return static_cast<int>(position);
}

// A line edit's selection in characters: start and length (the caret and 0 when none).
std::pair<int, int> SelectionOf(const QLineEdit& edit)
{
    const QString text = edit.text();
    const qsizetype start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const qsizetype end = edit.hasSelectedText() ? edit.selectionEnd() : start;
    const int startCharacters = CharactersBefore(text, start);
    return {startCharacters, CharactersBefore(text, end) - startCharacters};
}

// A result the user cannot type into shows the result background unless it warns or is yellow.
void PaintBackground(QWidget* widget, ControlColor color, bool isList, bool isResult)
{
    QPalette palette = widget->palette();
    const bool plain = color == ControlColor::Default || color == ControlColor::White;
    palette.setColor(QPalette::Base, isResult && plain ? kResultBackground : BackgroundColor(color, Qt::white));
    if (color == ControlColor::Default)
        palette.setColor(QPalette::Disabled, QPalette::Base, kDisabledFieldBackground);
    if (isList)
        palette.setColor(QPalette::Button, BackgroundColor(color, kButtonFace));
    widget->setPalette(palette);
}

} // namespace

FormBinding::FormBinding(FormModel& model, const WindowWidgets& widgets, ErrorPresenter showError, QObject* parent)
    : QObject(parent)
    , model_(model)
    , tabs_(widgets.tabs)
    , showError_(std::move(showError))
{
    for (const ControlFacts& facts : AllControls()) {
        const auto it = widgets.controls.find(facts.control);
        if (it == widgets.controls.end())
            throw std::logic_error("the window has no widget for control " + std::string(facts.name));
        bind(facts.control, it->second);
    }
    showTooltips();
    model_.setBell([] { QApplication::beep(); });
    connect(tabs_, &ButtonTabs::tabClicked, this, [this](int tab) {
        model_.showTab(tab);
        sync();
    });
    // The widgets as built show nothing of the model yet: every control is mirrored once.
    model_.takeChangedControls();
    ChangedControls all;
    for (const ControlFacts& facts : AllControls())
        all.insert(facts.control);
    mirror(all);
    sync();
}

bool FormBinding::setFocus(Control control)
{
    const bool focused = model_.setFocus(control);
    sync();
    return focused;
}

bool FormBinding::saveProject(const DialogAnswer& answer)
{
    const bool saved = model_.saveProject(answer);
    sync();
    return saved;
}

bool FormBinding::loadProject(const DialogAnswer& answer)
{
    const bool loaded = model_.loadProject(answer);
    sync();
    return loaded;
}

QWidget* FormBinding::widget(Control control) const
{
    const auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormBinding::bind(Control control, QWidget* widget)
{
    widgets_.emplace(control, widget);
    controlOfWidget_.emplace(widget, control);
    const auto clickInFocus = [this, control] {
        if (!holdsFocus(control))
            return;
        model_.click(control);
        syncAfterToolkitChange(control);
    };
    switch (model_.control(control).type) {
    case ControlType::Edit: {
        auto* edit = As<QLineEdit>(widget, control);
        // Tab passes over results; a click, the Enter route and the model still focus them.
        if (Facts(control).readOnly)
            edit->setFocusPolicy(Qt::ClickFocus);
        connect(edit, &QLineEdit::textEdited, this,
                [this, control, edit](const QString& text) { lineEditTextEdited(control, edit, text); });
        // A click or an arrow key moves the caret or the selection: the model follows, so that the
        // next key is judged on the text it will leave.
        connect(edit, &QLineEdit::cursorPositionChanged, this,
                [this, control, edit] { selectionMoved(control, edit); });
        connect(edit, &QLineEdit::selectionChanged, this, [this, control, edit] { selectionMoved(control, edit); });
        break;
    }
    case ControlType::ComboBox: {
        auto* combo = As<QComboBox>(widget, control);
        ShowListItems(combo, model_.listItems(control));
        connect(combo, &QComboBox::activated, this, [this, control](int index) {
            if (mirroring_)
                return;
            if (!holdsFocus(control))
                return;
            model_.choose(control, index);
            syncAfterToolkitChange(control);
        });
        break;
    }
    case ControlType::CheckBox: connect(As<QCheckBox>(widget, control), &QCheckBox::clicked, this, clickInFocus); break;
    case ControlType::Button:
    case ControlType::BitBtn:
        connect(As<QPushButton>(widget, control), &QPushButton::clicked, this, clickInFocus);
        break;
    case ControlType::PaintBox:
        // The tiles take no focus: a click counts wherever the focus is.
        if (auto* tile = qobject_cast<plan::SurfaceTileWidget*>(widget))
            connect(tile, &plan::SurfaceTileWidget::clicked, this, [this, control] { click(control); });
        break;
    case ControlType::Label: As<QLabel>(widget, control); break;
    }
    widget->installEventFilter(this);
}

bool FormBinding::eventFilter(QObject* watched, QEvent* event)
{
    const auto bound = controlOfWidget_.find(watched);
    if (bound == controlOfWidget_.end())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const Control control = bound->second;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!mirroring_) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool byKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
            focusGained(control, byKeyboard ? FocusRoute::Keyboard : FocusRoute::Click);
        }
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QLineEdit*>(widget))
            return lineEditKeyPress(control, key);
        if (qobject_cast<QComboBox*>(widget))
            return enterOrSpacePressed(key);
        return false;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QLineEdit*>(widget) && !key->isAutoRepeat() && model_.focusedControl() == control) {
            model_.keyRelease(ReleaseKeyCode(*key));
            sync();
        }
        return false;
    }
    default: return false;
    }
}

void FormBinding::focusGained(Control control, FocusRoute route)
{
    if (model_.focusedControl() == control)
        return;
    model_.setFocus(control, route);
    sync();
}

void FormBinding::selectionMoved(Control control, QLineEdit* edit)
{
    if (mirroring_ || model_.focusedControl() != control || !edit->hasFocus())
        return;
    const auto [start, length] = SelectionOf(*edit);
    model_.selectText(start, length);
}

// The model's focus follows the keyboard's before a key is handed on (normally it already does).
bool FormBinding::ensureFocus(Control control)
{
    if (model_.focusedControl() == control)
        return true;
    const bool moved = model_.setFocus(control);
    sync();
    return moved;
}

// A click, choice or edit counts only in the control that has the model's focus: the focus
// change of the same click already ran (and may have failed, its error already queued), and a
// wheel turned over a list without the focus changes nothing. Otherwise the widget, which the
// toolkit may have changed, shows the model's state again.
bool FormBinding::holdsFocus(Control control)
{
    if (model_.focusedControl() == control)
        return true;
    mirror(ChangedControls{control});
    syncFocus();
    return false;
}

void FormBinding::undo()
{
    model_.undo();
    sync();
}

void FormBinding::redo()
{
    model_.redo();
    sync();
}

void FormBinding::addHistoryShortcuts(QWidget* window)
{
    for (const QKeySequence& keys : kUndoKeys)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &FormBinding::undo);
    for (const QKeySequence& keys : kRedoKeys)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &FormBinding::redo);
}

// Returns true when the key is swallowed; otherwise the line edit inserts or deletes and reports
// the new text through textEdited.
bool FormBinding::lineEditKeyPress(Control control, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    if (!ensureFocus(control))
        return true;
    if (enterOrSpacePressed(event))
        return true;
    if (event->key() == Qt::Key_Backspace)
        return !model_.keyPress(fields::kBackspace);
    // The project's history, not the line edit's own: the field commits first.
    if (IsOneOf(*event, kUndoKeys)) {
        undo();
        return true;
    }
    if (IsOneOf(*event, kRedoKeys)) {
        redo();
        return true;
    }
    if (IsClipboardShortcut(*event)) {
        // Numeric fields filter the control characters of these shortcuts away, as any other.
        if (fields::FindNumericField(control) == nullptr)
            return false;
        return !model_.keyPress(ControlCharacterOf(*event));
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false; // other shortcuts (select all, word-wise moves): the line edit's own
    const QString text = event->text();
    if (text.isEmpty() || text.at(0) < QChar(' ') || text.at(0) == QChar(0x7F))
        return false; // caret movement, Delete and the like: the line edit's own
    return !model_.keyPress(text.toUcs4().front());
}

// Enter and the space bar in a field or list: Enter takes the model's Enter route, the space bar its
// rule where the focused control has one. True when the key was used, and so swallowed.
bool FormBinding::enterOrSpacePressed(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        model_.pressEnter();
        sync();
        return true;
    }
    if (event->key() == Qt::Key_Space && model_.pressSpace()) {
        sync();
        return true;
    }
    return false;
}

void FormBinding::click(Control control)
{
    model_.click(control);
    sync();
}

// The model holds the text to the field's rules (the maximum length among them): the line edit then
// shows what the model kept.
void FormBinding::lineEditTextEdited(Control control, QLineEdit* edit, const QString& text)
{
    if (mirroring_ || !holdsFocus(control))
        return;
    model_.textEdited(text.toStdString(), SelectionOf(*edit).first);
    syncAfterToolkitChange(control);
}

void FormBinding::syncAfterToolkitChange(Control control)
{
    mirror(ChangedControls{control});
    sync();
}

void FormBinding::sync()
{
    mirror(model_.takeChangedControls());
    syncTab();
    syncWarnings();
    syncMessageLine();
    syncFocus();
    syncSelection();
    emit synced();
    std::vector<std::string> errors = model_.takeErrors();
    if (errors.empty())
        return;
    for (std::string& error : errors)
        pendingErrors_.push_back(std::move(error));
    // Shown once the event that queued them is over, never inside a focus change.
    if (!errorsScheduled_) {
        errorsScheduled_ = true;
        QMetaObject::invokeMethod(this, &FormBinding::showErrors, Qt::QueuedConnection);
    }
}

void FormBinding::showErrors()
{
    errorsScheduled_ = false;
    std::vector<std::string> errors;
    errors.swap(pendingErrors_);
    for (const std::string& error : errors)
        showError_(QString::fromStdString(error));
}

void FormBinding::syncTab()
{
    if (tabs_->currentIndex() == model_.currentTab())
        return;
    mirroring_ = true;
    tabs_->setCurrentIndex(model_.currentTab());
    mirroring_ = false;
}

void FormBinding::syncFocus()
{
    const std::optional<Control> focus = model_.focusedControl();
    QWidget* target = focus ? widget(*focus) : nullptr;
    if (target == nullptr || !target->isVisible() || !target->isEnabled() || target->hasFocus())
        return;
    mirroring_ = true;
    target->setFocus(Qt::OtherFocusReason);
    mirroring_ = false;
}

// The focused field shows the model's caret and selection (its whole text after Enter or Tab).
void FormBinding::syncSelection()
{
    const std::optional<Control> focus = model_.focusedControl();
    auto* edit = focus ? qobject_cast<QLineEdit*>(widget(*focus)) : nullptr;
    if (edit == nullptr || !edit->hasFocus())
        return;
    const ControlState& state = model_.control(*focus);
    if (SelectionOf(*edit) == std::pair{state.selectionStart, state.selectionLength})
        return;
    const QString text = edit->text();
    const int start = Utf16Position(text, state.selectionStart);
    mirroring_ = true;
    if (state.selectionLength > 0)
        edit->setSelection(start, Utf16Position(text, state.selectionStart + state.selectionLength) - start);
    else
        edit->setCursorPosition(start);
    mirroring_ = false;
}

void FormBinding::mirror(const ChangedControls& controls)
{
    const bool wasMirroring = std::exchange(mirroring_, true);
    for (const Control control : controls)
        mirror(control);
    mirroring_ = wasMirroring;
}

void FormBinding::mirror(Control control)
{
    const ControlState& state = model_.control(control);
    QWidget* widget = this->widget(control);
    const QSignalBlocker blocker(widget);
    if (widget->isEnabled() != state.enabled)
        widget->setEnabled(state.enabled);
    if (widget->isHidden() == state.visible)
        widget->setVisible(state.visible);
    const QString text = QString::fromStdString(state.text);

    switch (state.type) {
    case ControlType::Edit: ShowEditText(qobject_cast<QLineEdit*>(widget), state.readOnly, text); break;
    case ControlType::ComboBox: {
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (ListsOwnMaterials(control)) // the project's own materials may have come or gone
            ShowListItems(combo, model_.listItems(control));
        if (combo->currentIndex() != state.index)
            combo->setCurrentIndex(state.index);
        break;
    }
    case ControlType::CheckBox: {
        auto* box = qobject_cast<QCheckBox*>(widget);
        box->setChecked(state.index == 1);
        ShowCaption(box, text);
        break;
    }
    case ControlType::Label: ShowCaption(qobject_cast<QLabel*>(widget), text); break;
    case ControlType::Button:
    case ControlType::BitBtn: ShowCaption(qobject_cast<QPushButton*>(widget), text); break;
    case ControlType::PaintBox:
        if (auto* tile = qobject_cast<plan::SurfaceTileWidget*>(widget))
            tile->setFlag(state.index);
        else if (auto* planWidget = qobject_cast<plan::PlanWidget*>(widget))
            planWidget->setOrientation(model_.state().planOrientation);
        break;
    }

    if (state.type == ControlType::Edit || state.type == ControlType::ComboBox)
        mirrorColor(control, widget, state);
}

// Only a changed colour repaints the background: a palette set anew repaints the widget.
void FormBinding::mirrorColor(Control control, QWidget* widget, const ControlState& state)
{
    const auto shown = shownColors_.find(control);
    if (shown != shownColors_.end() && shown->second == state.color)
        return;
    PaintBackground(widget, state.color, state.type == ControlType::ComboBox,
                    state.type == ControlType::Edit && state.readOnly);
    shownColors_[control] = state.color;
}

} // namespace zeltar::gui
