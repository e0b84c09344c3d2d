// The message line: what the form model did on its own (bounds, rewritten fields, warnings, saves),
// kept until the next user action; and the warning texts and tab marks the window shows.
#include "app/form_impl.h"
#include "model/project_extensions.h"

#include "app/change_messages.h"
#include "app/field_warnings.h"
#include "files/file_names.h"

#include <algorithm>

namespace zeltar {

namespace {

constexpr std::string_view kMessageSeparator = " · ";

// Two fields showing one quantity in two units: a change of one rewrites the other as a matter of
// course. The tonnes per day also follow every change of the net capacity: never reported.
bool IsTwinOf(Control cause, Control rewritten)
{
    return rewritten == Control::DailyTurnover ||
           (cause == Control::DailyTurnover && rewritten == Control::DailyTurnoverPercent);
}

// The header texts a never-saved project's file is named after: ОБЪЕКТ, then ПРОЕКТ (without a
// folder or extension it may hold from an earlier file).
std::string NameFromHeader(std::string_view site, std::string_view project)
{
    std::string_view projectName = files::FileNameOf(project);
    if (projectName.size() > files::kProjectExtension.size() &&
        projectName.substr(projectName.size() - files::kProjectExtension.size()) == files::kProjectExtension)
        projectName.remove_suffix(files::kProjectExtension.size());
    const std::string cleanSite = files::CleanFileName(site);
    const std::string cleanProject = files::CleanFileName(projectName);
    if (cleanSite.empty() || cleanProject.empty())
        return cleanSite + cleanProject;
    return files::CleanFileName(cleanSite + " - " + cleanProject);
}

} // namespace

void FormModel::Impl::post(std::string message)
{
    if (message.empty() || std::find(messageLine.begin(), messageLine.end(), message) != messageLine.end())
        return;
    messageLine.push_back(message);
    postedMessages.push_back(std::move(message));
    ++revision;
}

void FormModel::Impl::userAction()
{
    if (messageLine.empty())
        return;
    messageLine.clear();
    ++revision;
}

FormModel::Impl::FieldTexts FormModel::Impl::numericFieldTexts() const
{
    FieldTexts texts;
    for (const fields::NumericField& field : fields::NumericFields())
        texts[static_cast<std::size_t>(field.control)] = at(field.control).text;
    return texts;
}

void FormModel::Impl::reportRewrites(Control cause, const FieldTexts& before)
{
    const FieldName* causeName = FindFieldName(cause);
    if (causeName == nullptr)
        return;
    std::vector<RewrittenField> rewritten;
    for (const fields::NumericField& field : fields::NumericFields()) {
        const ControlState& c = at(field.control);
        if (field.control == cause || IsTwinOf(cause, field.control) || !c.visible || !c.enabled ||
            c.text == before[static_cast<std::size_t>(field.control)])
            continue;
        if (const FieldName* name = FindFieldName(field.control))
            rewritten.push_back({name, c.text});
    }
    post(RewriteMessage(*causeName, rewritten));
}

void FormModel::Impl::reportWarning(Control control)
{
    for (std::string& text : WarningTexts(state, control, at(control).color))
        post(std::move(text));
}

std::string FormModel::Impl::proposedSaveName() const
{
    if (!projectFile.empty())
        return projectFile;
    std::string name = NameFromHeader(at(Control::SiteName).text, at(Control::ProjectName).text);
    if (name.empty())
        name = kInitialDialogFileName;
    // A project using an input only the own project file holds is proposed as one.
    const std::string_view extension =
        UsedExtensions(state).empty() ? files::kProjectExtension : files::kOwnProjectExtension;
    return files::JoinPath(lastFolder, name + std::string(extension));
}

void FormModel::postMessage(std::string text)
{
    impl_->post(std::move(text));
}

std::string FormModel::message() const
{
    std::string line;
    for (const std::string& message : impl_->messageLine) {
        if (!line.empty())
            line += kMessageSeparator;
        line += message;
    }
    return line;
}

std::vector<std::string> FormModel::takeMessages()
{
    std::vector<std::string> messages;
    messages.swap(impl_->postedMessages);
    return messages;
}

std::vector<std::string> FormModel::warningTexts(Control control) const
{
    return WarningTexts(impl_->state, control, impl_->at(control).color);
}

bool FormModel::tabHasWarning(int tab) const
{
    for (const ControlFacts& facts : AllControls())
        if (facts.tab == tab && impl_->at(facts.control).visible && !warningTexts(facts.control).empty())
            return true;
    return false;
}

} // namespace zeltar
