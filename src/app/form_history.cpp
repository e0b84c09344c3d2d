// Undo and redo: each user action that changed the project keeps the committed form from before it;
// an undo puts that form back whole (texts, choices, flags, colours, the results shown), so the
// results are exactly those before the action, with no recalculation.
#include "app/form_impl.h"

#include "app/field_names.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

namespace zeltar {

namespace {

bool IsSunTile(Control control)
{
    return control == Control::SunTileA || control == Control::SunTileB || control == Control::SunTileC ||
           control == Control::SunTileD || control == Control::SunTileCeiling;
}

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// What the message line calls the action a control took part in ("" for a field without a name
// of its own: the message then says only that a step was undone).
std::string StepName(Control control)
{
    if (const FieldName* field = FindFieldName(control))
        return std::string(field->name);
    if (const fields::TextField* text = fields::FindTextField(control))
        return std::string(text->caption);
    if (control == Control::CompassButton)
        return "поворот плана";
    if (IsSunTile(control))
        return "солнечная сторона ограждения";
    if (Facts(control).type == ControlType::PaintBox)
        return "наружная сторона ограждения";
    const std::string caption = Trimmed(Facts(control).caption);
    return caption.empty() ? std::string() : "«" + caption + "»";
}

std::string StepMessage(std::string_view done, const std::string& name)
{
    return name.empty() ? std::string(done) : std::string(done) + ": " + name;
}

// The states a window shows; the selection belongs to the editing, not to the project.
bool SameShown(const ControlState& a, const ControlState& b)
{
    return a.text == b.text && a.index == b.index && a.enabled == b.enabled && a.visible == b.visible &&
           a.readOnly == b.readOnly && a.color == b.color;
}

} // namespace

FormSnapshot FormModel::Impl::committedForm(bool editing) const
{
    FormSnapshot form{state, controls, lastValues};
    for (ControlState& c : form.controls) {
        c.selectionStart = 0;
        c.selectionLength = 0;
    }
    if (editing && focus && fields::FindNumericField(*focus))
        form.controls[static_cast<std::size_t>(*focus)].text = focusedCommittedText;
    return form;
}

void FormModel::Impl::recordStep(Control cause, bool editing)
{
    if (state == history.shown.state)
        return;
    FormSnapshot now = committedForm(editing);
    history.undo.push_back({std::move(history.shown), StepName(cause)});
    if (history.undo.size() > FormHistory::kDepth)
        history.undo.pop_front();
    history.redo.clear();
    history.shown = std::move(now);
}

void FormModel::Impl::endEvent()
{
    if (state == history.shown.state)
        history.shown = committedForm(true); // the same project shown afresh (a recalculation)
}

void FormModel::Impl::recordTextEdit()
{
    if (focus && fields::FindTextField(*focus))
        recordStep(*focus);
}

void FormModel::Impl::clearHistory()
{
    history.undo.clear();
    history.redo.clear();
    history.shown = committedForm(true);
}

void FormModel::Impl::keepProjectName()
{
    const std::string& name = at(Control::ProjectName).text;
    for (std::deque<FormStep>* steps : {&history.undo, &history.redo})
        for (FormStep& step : *steps) {
            step.form.controls[static_cast<std::size_t>(Control::ProjectName)].text = name;
            step.form.state.projectName = state.projectName;
        }
    history.shown = committedForm(true);
}

bool FormModel::Impl::commitEdit()
{
    const fields::NumericField* field = focus ? fields::FindNumericField(*focus) : nullptr;
    if (field == nullptr || at(field->control).text == fields::PrepareForEditing(focusedCommittedText))
        return true;
    if (!commitField(*field))
        return false;
    recordStep(field->control, false);
    focusedCommittedText = at(field->control).text;
    setText(field->control, fields::PrepareForEditing(focusedCommittedText));
    return true;
}

bool FormModel::Impl::undo()
{
    if (!commitEdit())
        return false;
    recordTextEdit();
    if (history.undo.empty()) {
        post("Отменять нечего");
        return false;
    }
    FormStep step = std::move(history.undo.back());
    history.undo.pop_back();
    showForm(step.form);
    history.redo.push_back({std::move(history.shown), step.name});
    history.shown = std::move(step.form);
    post(StepMessage("Отменено", step.name));
    return true;
}

bool FormModel::Impl::redo()
{
    if (!commitEdit())
        return false;
    recordTextEdit();
    if (history.redo.empty()) {
        post("Повторять нечего");
        return false;
    }
    FormStep step = std::move(history.redo.back());
    history.redo.pop_back();
    showForm(step.form);
    history.undo.push_back({std::move(history.shown), step.name});
    history.shown = std::move(step.form);
    post(StepMessage("Повторено", step.name));
    return true;
}

void FormModel::Impl::showForm(const FormSnapshot& form)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlState& then = form.controls[i];
        if (SameShown(controls[i], then))
            continue;
        ControlState& now = change(AllControls()[i].control);
        const int start = now.selectionStart;
        const int length = now.selectionLength;
        now = then;
        now.selectionStart = start;
        now.selectionLength = length;
    }
    const bool ownMaterialsChanged = state.ownMaterials != form.state.ownMaterials;
    state = form.state;
    lastValues = form.lastValues;
    if (ownMaterialsChanged)
        showMaterialLists(); // their entries follow the own materials put back
    showLightingFieldLength();
    if (state.planOrientation != drawnOrientation) {
        drawnOrientation = state.planOrientation;
        change(Control::Plan);
    }
    ++revision;
    if (!focus)
        return;
    if (!canTakeFocus(*focus, false)) {
        select(*focus, 0, 0);
        focus.reset(); // the control the focus was in is hidden or disabled in the form put back
        return;
    }
    if (fields::FindNumericField(*focus)) {
        focusedCommittedText = at(*focus).text;
        setText(*focus, fields::PrepareForEditing(focusedCommittedText));
    }
    const int length = static_cast<int>(fields::CharacterCount(at(*focus).text));
    select(*focus, length, 0);
}

bool FormModel::undo()
{
    impl_->userAction();
    return impl_->undo();
}

bool FormModel::redo()
{
    impl_->userAction();
    return impl_->redo();
}

bool FormModel::canUndo() const
{
    return !impl_->history.undo.empty();
}

bool FormModel::canRedo() const
{
    return !impl_->history.redo.empty();
}

} // namespace zeltar
