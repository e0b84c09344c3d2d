// The form model's side of the recovery copy: the project as file bytes that can always be written,
// and a copy put back into the window as unsaved work.
#include "app/form_impl.h"

#include "fields/field_table.h"
#include "files/file_names.h"

namespace zeltar {

namespace {

// The project name field's text as the file holds it.
std::string StoredProjectName(const projectfile::LoadedProject& file)
{
    return file.text(Facts(Control::ProjectName).fileLine);
}

} // namespace

projectfile::ProjectLines FormModel::Impl::committedLines() const
{
    const fields::NumericField* field = focus ? fields::FindNumericField(*focus) : nullptr;
    if (field == nullptr || at(field->control).text == focusedCommittedText)
        return collectLines();
    // The field being edited may hold a text no file line takes (a field that showed 0 is empty
    // while it is edited): the copy stores what leaving the field would store, effects included.
    Impl left = *this;
    if (left.commitField(*field))
        return left.collectLines();
    // A text that leaving would refuse ("1,2,3"): the value the field held before the edit.
    left.setText(field->control, focusedCommittedText);
    return left.collectLines();
}

bool FormModel::Impl::restore(const std::string& bytes, const std::string& path)
{
    auto read = projectfile::ReadProjectFile(bytes);
    if (const auto* problem = std::get_if<projectfile::FileProblem>(&read)) {
        fail("Несохранённый проект не восстановлен, окно не изменено. " + problem->message);
        return false;
    }
    const auto& file = std::get<projectfile::LoadedProject>(read);
    apply(file, path.empty() ? StoredProjectName(file) : path);
    if (!path.empty()) {
        saveDialogFileName = path;
        projectFile = path;
    }
    // No file holds these inputs: they count as changed until saved, whatever they are.
    unmodifiedLines = {};
    clearHistory();
    post(path.empty() ? std::string("Восстановлен несохранённый проект")
                      : "Восстановлен несохранённый проект «" + std::string(files::FileNameOf(path)) + "»");
    return true;
}

std::string FormModel::projectFile() const
{
    return impl_->projectFile;
}

std::string FormModel::recoveryBytes() const
{
    return projectfile::WriteProjectFileLossy(impl_->committedLines());
}

bool FormModel::restoreProject(const std::string& bytes, const std::string& path)
{
    return impl_->restore(bytes, path);
}

} // namespace zeltar
