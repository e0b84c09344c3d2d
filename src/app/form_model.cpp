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
    return ListEntries(comboBox);
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
    return impl_->focusOn(control, route);
}

void FormModel::showTab(int tab)
{
    if (tab < fields::kEnclosureTab || tab > fields::kOperationalTab || tab == impl_->tab)
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
    return impl_->moveByEnter();
}

bool FormModel::pressSpace()
{
    impl_->userAction();
    return impl_->pressSpace();
}

void FormModel::pressBackspace()
{
    impl_->userAction();
    impl_->pressBackspace();
}

void FormModel::choose(Control comboBox, int index)
{
    impl_->userAction();
    if (const fields::ListField* list = fields::FindListField(comboBox))
        impl_->choose(*list, index);
    else
        impl_->fail("Элемент " + ControlCaption(comboBox) + " не является списком.");
}

void FormModel::click(Control control)
{
    impl_->userAction();
    if (impl_->at(control).type == ControlType::PaintBox) {
        impl_->clickTile(control); // the plan, the section sketch and the logo do nothing
        return;
    }
    if (const fields::CheckBoxField* box = fields::FindCheckBoxField(control)) {
        impl_->clickCheckBox(*box);
        return;
    }
    if (!impl_->focusOn(control))
        return;
    if (control == Control::CompassButton)
        impl_->turnCompass();
    else if (control == Control::FillRowsButton)
        impl_->fillFromFirstRow();
    else if (control == Control::FillFinishesButton)
        impl_->fillFinishes();
}

bool FormModel::saveProject(const DialogAnswer& answer)
{
    impl_->userAction();
    return impl_->save(answer);
}

bool FormModel::loadProject(const DialogAnswer& answer)
{
    impl_->userAction();
    return impl_->load(answer);
}

std::string FormModel::dialogFileName(FileDialog dialog) const
{
    return dialog == FileDialog::Save ? impl_->proposedSaveName() : impl_->openDialogFileName;
}

bool FormModel::modified() const
{
    return impl_->committedLines() != impl_->unmodifiedLines;
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
