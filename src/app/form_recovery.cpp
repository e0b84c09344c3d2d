// The form model's side of the recovery copy: the project as file bytes that can always be written,
// and a copy put back into the window as unsaved work.
#include "app/form_impl.h"

#include "files/file_names.h"

namespace zeltar {

namespace {

// The project name field's text as the file holds it.
std::string StoredProjectName(const projectfile::LoadedProject& file)
{
    return file.text(Facts(Control::ProjectName).fileLine);
}

} // namespace

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
    return projectfile::WriteProjectFileLossy(impl_->collectLines());
}

bool FormModel::restoreProject(const std::string& bytes, const std::string& path)
{
    return impl_->restore(bytes, path);
}

} // namespace zeltar
