// The form model's side of the recovery copy: the project as file bytes that can always be written,
// and a copy put back into the window as unsaved work.
#include "app/form_impl.h"

#include "fields/field_table.h"
#include "files/file_names.h"
#include "model/project_extensions.h"

namespace zeltar {

namespace {

// The project name field's text as the file holds it.
std::string StoredProjectName(const projectfile::LoadedProject& file)
{
    return file.text(Facts(Control::ProjectName).fileLine);
}

} // namespace

projectfile::OwnProject FormModel::Impl::committedProject() const
{
    const fields::NumericField* field = focus ? fields::FindNumericField(*focus) : nullptr;
    if (field == nullptr || at(field->control).text == focusedCommittedText)
        return collectOwnProject();
    // The field being edited may hold a text no file line takes (a field that showed 0 is empty
    // while it is edited): the copy stores what leaving the field would store, effects included.
    Impl left = *this;
    if (left.commitField(*field))
        return left.collectOwnProject();
    // A text that leaving would refuse ("1,2,3"): the value the field held before the edit.
    left.setText(field->control, focusedCommittedText);
    return left.collectOwnProject();
}

bool FormModel::Impl::restore(const std::string& bytes, const std::string& path)
{
    auto read = projectfile::ReadEitherProjectFile(bytes);
    if (const auto* problem = std::get_if<projectfile::FileProblem>(&read)) {
        fail("Несохранённый проект не восстановлен, окно не изменено. " + problem->message);
        return false;
    }
    const auto& project = std::get<projectfile::LoadedOwnProject>(read);
    apply(project, path.empty() ? StoredProjectName(project.file) : path);
    if (!path.empty()) {
        saveDialogFileName = path;
        projectFile = path;
    }
    // No file holds these inputs: they count as changed until saved, whatever they are.
    unmodified = {};
    clearHistory();
    post(path.empty() ? std::string("Восстановлен несохранённый проект")
                      : "Восстановлен несохранённый проект «" + std::string(files::FileNameOf(path)) + "»");
    return true;
}

std::string FormModel::projectFile() const
{
    return impl_->projectFile;
}

// A project that uses no extension is copied as a 131-line file, byte for byte what a save writes;
// one that uses any as an own project file, which loses none of them.
std::string FormModel::recoveryBytes() const
{
    projectfile::OwnProject project = impl_->committedProject();
    if (project.extensions.empty() && project.ownMaterials.empty() && UsedExtensions(impl_->state).empty())
        return projectfile::WriteProjectFileLossy(project.lines);
    return projectfile::WriteOwnProjectFileLossy(project);
}

bool FormModel::restoreProject(const std::string& bytes, const std::string& path)
{
    return impl_->restore(bytes, path);
}

} // namespace zeltar
