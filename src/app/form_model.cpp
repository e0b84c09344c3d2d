// The form model's public face: each event is handed to the handler of its purpose (see
// form_impl.h); the controls and the project record are read back from here.
#include "app/form_model.h"

#include "app/field_names.h"
#include "app/form_impl.h"
#include "app/form_lists.h"

namespace zeltar {

FormModel::FormModel(std::string today) : impl_(std::make_unique<Impl>(Impl::Startup(today)))
{
    // Start-up is no news: the message line starts empty.
    impl_->messageLine.clear();
    impl_->postedMessages.clear();
    impl_->clearHistory();
}

FormModel::Impl FormModel::Impl::Startup(const std::string& today)
{
    thread_local std::unique_ptr<const Impl> lastStartup;
    if (!lastStartup || lastStartup->state.projectDate != today)
        lastStartup = std::make_unique<const Impl>(today);
    return *lastStartup;
}

FormModel::~FormModel() = default;

const ProjectState& FormModel::state() const
{
    return impl_->state;
}

const ControlState& FormModel::control(Control control) const
{
    return impl_->at(control);
}

std::vector<std::string> FormModel::listItems(Control comboBox) const
{
    return ListEntries(comboBox, impl_->state);
}

std::optional<Control> FormModel::focusedControl() const
{
    return impl_->focus;
}

int FormModel::currentTab() const
{
    return impl_->tab;
}

bool FormModel::setFocus(Control control, FocusRoute route)
{
    if (impl_->focus != control)
        impl_->userAction();
    const bool focused = impl_->focusOn(control, route);
    impl_->endEvent();
    return focused;
}

void FormModel::showTab(int tab)
{
    if (tab < fields::kEnclosureTab || tab >= fields::kTabCount || tab == impl_->tab)
        return;
    impl_->userAction();
    impl_->tab = tab;
    ++impl_->revision;
}

void FormModel::selectText(int start, int length)
{
    if (impl_->focus)
        impl_->select(*impl_->focus, start, length);
}

bool FormModel::keyPress(char32_t character)
{
    impl_->userAction();
    return impl_->keyPress(character);
}

void FormModel::textEdited(std::string_view text, std::optional<int> caret)
{
    impl_->userAction();
    impl_->editFocusedText(std::string(text), caret);
}

void FormModel::keyRelease(int keyCode)
{
    impl_->keyRelease(keyCode);
}

void FormModel::typeCharacter(char32_t character)
{
    impl_->userAction();
    impl_->typeCharacter(character);
}

bool FormModel::pressEnter()
{
    impl_->userAction();
    const bool moved = impl_->moveByEnter();
    impl_->endEvent();
    return moved;
}

bool FormModel::pressSpace()
{
    impl_->userAction();
    const bool handled = impl_->pressSpace();
    if (impl_->focus)
        impl_->recordStep(*impl_->focus);
    impl_->endEvent();
    return handled;
}

void FormModel::pressBackspace()
{
    impl_->userAction();
    impl_->pressBackspace();
}

void FormModel::choose(Control comboBox, int index)
{
    impl_->userAction();
    if (const fields::ListField* list = fields::FindListField(comboBox)) {
        impl_->choose(*list, index);
        impl_->recordStep(comboBox);
        impl_->endEvent();
    } else
        impl_->fail("Элемент " + ControlCaption(comboBox) + " не является списком.");
}

void FormModel::click(Control control)
{
    impl_->userAction();
    if (impl_->at(control).type == ControlType::PaintBox) {
        impl_->recordTextEdit();   // the focus stays: a header text typed before is a step of its own
        impl_->clickTile(control); // the plan, the section sketch and the logo do nothing
    } else if (const fields::CheckBoxField* box = fields::FindCheckBoxField(control)) {
        impl_->clickCheckBox(*box);
    } else if (!impl_->focusOn(control)) {
        return;
    } else if (control == Control::CompassButton) {
        impl_->turnCompass();
    } else if (control == Control::FillRowsButton) {
        impl_->fillFromFirstRow();
    } else if (control == Control::FillFinishesButton) {
        impl_->fillFinishes();
    } else {
        impl_->openRowExtras(control);
    }
    impl_->recordStep(control);
    impl_->endEvent();
}

int FormModel::useOwnMaterial(const OwnMaterial& material)
{
    impl_->userAction();
    const int index = impl_->useOwnMaterial(material);
    impl_->recordStep(Control::OwnMaterialsButton);
    impl_->endEvent();
    return index;
}

bool FormModel::saveProject(const DialogAnswer& answer)
{
    impl_->userAction();
    const bool saved = impl_->save(answer);
    impl_->endEvent();
    return saved;
}

void FormModel::newProject()
{
    impl_->startNewProject();
}

bool FormModel::loadProject(const DialogAnswer& answer)
{
    impl_->userAction();
    const bool loaded = impl_->load(answer);
    impl_->endEvent();
    return loaded;
}

std::string FormModel::dialogFileName(FileDialog dialog) const
{
    return dialog == FileDialog::Save ? impl_->proposedSaveName() : impl_->openDialogFileName;
}

bool FormModel::modified() const
{
    return impl_->committedProject() != impl_->unmodified;
}

void FormModel::setAskLossySave(std::function<bool(const std::string& question)> ask)
{
    impl_->askLossySave = std::move(ask);
}

void FormModel::setBell(std::function<void()> bell)
{
    impl_->bell = std::move(bell);
}

std::vector<std::string> FormModel::takeErrors()
{
    std::vector<std::string> errors;
    errors.swap(impl_->errors);
    return errors;
}

ChangedControls FormModel::takeChangedControls()
{
    ChangedControls changed;
    changed.swap(impl_->changed);
    return changed;
}

std::uint64_t FormModel::revision() const
{
    return impl_->revision;
}

const calc::RecalcValues& FormModel::lastValues() const
{
    return impl_->lastValues;
}

} // namespace zeltar
