#include "app/project_convert.h"

#include "app/extension_values.h"
#include "model/project_extensions.h"
#include "projectfile/built_in_stand_in.h"
#include "projectfile/own_project_file.h"

namespace zeltar {

namespace {

std::string LostExtensions(const projectfile::LoadedOwnProject& project)
{
    std::string lost;
    for (const Extension extension : UsedExtensions(StateOfProject(project)))
        lost += (lost.empty() ? "" : "; ") + std::string(ExtensionText(extension));
    // An own material listed but chosen nowhere is lost all the same.
    if (lost.empty() && (!project.ownMaterials.empty() || !project.extensions.empty()))
        lost = std::string(ExtensionText(Extension::OwnMaterials));
    return lost;
}

std::variant<std::string, ConvertProblem> Written(std::variant<std::string, projectfile::FileProblem> written)
{
    if (auto* problem = std::get_if<projectfile::FileProblem>(&written))
        return ConvertProblem{std::move(problem->message)};
    return std::get<std::string>(std::move(written));
}

} // namespace

std::variant<std::string, ConvertProblem> ConvertProject(std::string_view bytes, bool toOwnFile, Lossy lossy)
{
    auto read = projectfile::ReadEitherProjectFile(bytes);
    if (auto* problem = std::get_if<projectfile::FileProblem>(&read))
        return ConvertProblem{std::move(problem->message)};
    const auto& project = std::get<projectfile::LoadedOwnProject>(read);
    if (toOwnFile)
        return Written(
            projectfile::WriteOwnProjectFile({project.file.lines, project.extensions, project.ownMaterials}));
    if (const std::string lost = LostExtensions(project); !lost.empty() && lossy == Lossy::Refuse)
        return ConvertProblem{"Файл проекта *.zlt (131 строка) не может сохранить: " + lost +
                              ". Преобразование не выполнено; чтобы преобразовать с потерей этих данных, "
                              "добавьте --lossy."};
    return Written(
        projectfile::WriteProjectFile(projectfile::WithBuiltInStandIns(project.file.lines, project.ownMaterials)));
}

} // namespace zeltar
