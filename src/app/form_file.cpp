// Saving and loading the project on the form: the 131 lines gathered from and put back into the
// controls, the project name after either dialog, and the all-or-nothing load.
#include "app/form_impl.h"

#include "app/field_names.h"
#include "app/form_parameters.h"
#include "app/project_file_io.h"
#include "files/file_names.h"
#include "projectfile/built_in_stand_in.h"
#include "projectfile/file_kind.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

#include <algorithm>

namespace zeltar {

namespace {

using projectfile::FlagCondition;
using projectfile::LineKind;

constexpr int kLastTextLine = 82;
constexpr int kTurnoverPercentLine = Facts(Control::DailyTurnoverPercent).fileLine;
constexpr int kProjectNameLine = Facts(Control::ProjectName).fileLine;
// The percentage field's length: a line 52 with more characters (display blanks aside) holds a percentage
// entered as tonnes per day.
constexpr std::size_t kTurnoverPercentFieldLength = 5;

// The field a line comes from, for messages: its caption where it has one.
std::string FieldOfLine(const projectfile::LineSpec& line)
{
    if (!line.control)
        return "параметр " + std::string(line.parameter);
    return "поле " + ControlCaption(*line.control);
}

// Line 52: the percentage field's text, unless the held percentage (from tonnes per day) has more
// digits than the field shows; then every digit, so the loaded project calculates the same.
std::string PercentLineText(const std::string& fieldText, double heldPercent)
{
    if (fields::ParseDecimal(fieldText) == heldPercent)
        return fieldText;
    return std::string(fields::kDisplayBlanks) + fields::ShortestText(heldPercent);
}

} // namespace

projectfile::ProjectLines FormModel::Impl::collectLines() const
{
    projectfile::ProjectLines lines;
    for (int line = 1; line <= projectfile::kLineCount; ++line) {
        const projectfile::LineSpec& lineSpec = projectfile::LineAt(line);
        std::string& out = lines[static_cast<std::size_t>(line - 1)];
        switch (lineSpec.kind) {
        case LineKind::Text:
        case LineKind::Decimal:
        case LineKind::Percent:
        case LineKind::Integer: out = at(*lineSpec.control).text; break;
        case LineKind::ListIndex: out = std::to_string(at(*lineSpec.control).index); break;
        case LineKind::StateValue: out = std::to_string(projectfile::StateLineValue(state, line)); break;
        case LineKind::Flag: {
            const ControlState& c = at(*lineSpec.control);
            bool holds = false;
            switch (lineSpec.condition) {
            case FlagCondition::Checked: holds = c.index == 1; break;
            case FlagCondition::Enabled: holds = c.enabled; break;
            case FlagCondition::Visible: holds = c.visible; break;
            case FlagCondition::Red: holds = c.color == ControlColor::Red; break;
            case FlagCondition::None: break;
            }
            out = holds ? "1" : "0";
            break;
        }
        }
    }
    std::string& percent = lines[kTurnoverPercentLine - 1];
    percent = PercentLineText(percent, state.dailyTurnoverPercent);
    std::string& projectName = lines[kProjectNameLine - 1];
    projectName = projectfile::StorableInCp1251(projectName);
    return lines;
}

void FormModel::Impl::markUnmodified()
{
    unmodified = collectOwnProject();
}

bool FormModel::Impl::writeProjectBytes(const std::string& path,
                                        const std::variant<std::string, projectfile::FileProblem>& written)
{
    if (const auto* problem = std::get_if<projectfile::FileProblem>(&written)) {
        std::string message = "Проект не сохранён, файл «" + path + "» не изменён. ";
        if (problem->line > 0)
            message += "Причина — " + FieldOfLine(projectfile::LineAt(problem->line)) + ": ";
        fail(message + problem->message);
        return false;
    }
    if (std::optional<FileError> error = files::WriteFileSafely(path, std::get<std::string>(written))) {
        fail("Проект не сохранён. " + error->message);
        return false;
    }
    return true;
}

bool FormModel::Impl::writeOwnProject(const std::string& path)
{
    return writeProjectBytes(path, projectfile::WriteOwnProjectFile(collectOwnProject()));
}

bool FormModel::Impl::write131LineProject(const std::string& path)
{
    const std::string question = lossySaveQuestion(path);
    if (!question.empty() && !(askLossySave && askLossySave(question))) {
        post("Проект не сохранён в «" + std::string(files::FileNameOf(path)) + "»");
        return false;
    }
    // An added insulation or own material is written as its built-in stand-in, so that the file loads.
    const projectfile::ProjectLines lines = projectfile::WithBuiltInStandIns(collectLines(), state.ownMaterials);
    return writeProjectBytes(path, projectfile::WriteProjectFile(lines));
}

bool FormModel::Impl::save(const DialogAnswer& answer)
{
    // A click on the button takes the focus: the field being edited commits first.
    if (!focusOn(Control::SaveButton))
        return false;
    if (!answer.accepted)
        return false; // the project name stays as the user left it
    lastFolder = std::string(files::FolderOf(answer.path));
    const bool own = files::IsOwnProjectFileName(answer.path);
    if (!(own ? writeOwnProject(answer.path) : write131LineProject(answer.path)))
        return false;
    saveDialogFileName = answer.path;
    projectFile = answer.path;
    setText(Control::ProjectName, answer.path);
    state.projectName = answer.path;
    if (own)
        markUnmodified();
    else // what the window shows beyond the 131 lines stays unsaved: the own inputs count as changed
        unmodified = {collectLines(), {}, {}};
    keepProjectName();
    post("Сохранено: " + std::string(files::FileNameOf(answer.path)));
    return true;
}

bool FormModel::Impl::load(const DialogAnswer& answer)
{
    if (!focusOn(Control::LoadButton))
        return false;
    if (!answer.accepted) {
        recalculate(); // the project name stays as the user left it
        return false;
    }
    lastFolder = std::string(files::FolderOf(answer.path));
    const std::string refused = "Проект не загружен из файла «" + answer.path + "», ничего не изменено. ";
    auto bytes = files::ReadFileBytes(answer.path, kLargestProjectFileBytes);
    if (auto* error = std::get_if<FileError>(&bytes)) {
        // A file too large to read whole may still be told by its first bytes (a large PDF).
        if (auto problem = projectfile::RefuseOtherFileKind(RegularFileHead(answer.path)))
            fail(refused + problem->message);
        else
            fail(std::move(error->message));
        return false;
    }
    auto read = projectfile::ReadEitherProjectFile(std::get<std::string>(bytes));
    if (const auto* problem = std::get_if<projectfile::FileProblem>(&read)) {
        fail(refused + problem->message);
        return false;
    }
    apply(std::get<projectfile::LoadedOwnProject>(read), answer.path);
    openDialogFileName = answer.path;
    projectFile = answer.path;
    markUnmodified();
    clearHistory();
    return true;
}

void FormModel::Impl::startNewProject()
{
    Impl fresh = Startup(startupDate);
    fresh.bell = std::move(bell);
    fresh.lastFolder = lastFolder;
    fresh.errors = std::move(errors);
    fresh.postedMessages = std::move(postedMessages);
    fresh.revision = revision + 1;
    fresh.changed = std::move(changed);
    for (const ControlFacts& facts : AllControls())
        fresh.changed.insert(facts.control);
    fresh.drawnOrientation = drawnOrientation; // the plan's change is reported with the controls
    *this = std::move(fresh);
    clearHistory(); // the start-up values are no step to undo from
    userAction();
    post("Новый проект");
}

void FormModel::Impl::apply(const projectfile::LoadedOwnProject& project, const std::string& path)
{
    const projectfile::LoadedProject& file = project.file;
    // The lists name their entries from the project's own materials: those of the file first.
    const bool ownMaterialsChange = state.ownMaterials != project.ownMaterials;
    state.ownMaterials = project.ownMaterials;
    for (int line = 1; line <= projectfile::kLineCount; ++line) {
        const projectfile::LineSpec& lineSpec = projectfile::LineAt(line);
        if (line <= kLastTextLine)
            setText(*lineSpec.control, file.text(line));
        else if (lineSpec.kind == LineKind::ListIndex)
            setIndex(*lineSpec.control, static_cast<int>(file.integer(line)));
        else if (lineSpec.condition == FlagCondition::Checked)
            setIndex(*lineSpec.control, projectfile::FlagHolds(file.integer(line)) ? 1 : 0);
    }
    clearExtensionInputs(); // the 131-line file holds none: nothing of the project shown before stays
    projectfile::ApplyToState(file, state);
    applyExtensions(project.extensions, project.ownMaterials);
    if (ownMaterialsChange)
        showMaterialLists(); // the window fills them again
    state.projectName = path;
    setText(Control::ProjectName, path);
    // A percentage stored with more digits than its field shows came from tonnes per day: the
    // parameter keeps them all, the field shows one decimal, as after that entry.
    const std::string& percentText = file.text(kTurnoverPercentLine);
    const std::size_t firstDigit = std::min(percentText.find_first_not_of(' '), percentText.size());
    if (fields::CharacterCount(std::string_view(percentText).substr(firstDigit)) > kTurnoverPercentFieldLength)
        setText(Control::DailyTurnoverPercent,
                fields::DisplayText(fields::RoundHalfEven(state.dailyTurnoverPercent * 10) / 10));

    // States the file does not hold follow the loaded choices, as choosing them would set them.
    showCityFieldsState();
    showFloorFieldState();
    showRoomGroupFields(state.roomType);
    // The saved display states win over what the choices imply.
    for (int line = 1; line <= projectfile::kLineCount; ++line) {
        const projectfile::LineSpec& lineSpec = projectfile::LineAt(line);
        const bool holds = projectfile::FlagHolds(file.integer(line));
        switch (lineSpec.kind == LineKind::Flag ? lineSpec.condition : FlagCondition::None) {
        case FlagCondition::Enabled: setEnabled(*lineSpec.control, holds); break;
        case FlagCondition::Visible: setVisible(*lineSpec.control, holds); break;
        case FlagCondition::Red: setColor(*lineSpec.control, holds ? ControlColor::Red : ControlColor::Default); break;
        case FlagCondition::Checked:
        case FlagCondition::None: break;
        }
    }
    setVisible(Control::DailyTurnoverLabel, at(Control::DailyTurnover).visible);

    // The plan and the tiles are drawn again from the loaded orientation and flags.
    showWallDirections();
    showTiles();
    recalculate();
}

} // namespace zeltar
