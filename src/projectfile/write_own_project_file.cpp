// Writing the own project file: the 131 lines by their keys, list choices by name, the extension
// inputs, the own materials. Nothing is written when a value cannot be stored as it is.
#include "projectfile/line_message.h"
#include "projectfile/list_entry_names.h"
#include "projectfile/own_material_text.h"
#include "projectfile/own_project_file.h"

#include "fields/control_catalogue.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

#include <cstddef>
#include <optional>

namespace zeltar::projectfile {

namespace {

// Whether every byte of the text is part of a UTF-8 character.
bool IsUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();)
        if (!fields::NextCodePoint(text, pos))
            return false;
    return true;
}

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The text with a line break or a malformed byte as "?", for the copy that must never fail.
std::string OnOneLine(std::string_view text)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = fields::NextCodePoint(text, pos);
        if (!c || *c == '\r' || *c == '\n') {
            out += kUnstorableCharacter;
            pos = c ? pos : start + 1;
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

// Why a text cannot stand as a value, "" when it can.
std::string TextProblem(std::string_view text)
{
    if (!IsUtf8(text))
        return "текст повреждён (не UTF-8) и не может быть сохранён";
    if (HoldsLineBreak(text))
        return "текст содержит перевод строки и не может быть сохранён";
    return {};
}

// A list's stored index as its entry's name; nullopt for an index outside the list.
std::optional<std::string> EntryName(Control list, std::string_view parameter, std::string_view index,
                                     const std::vector<OwnMaterial>& own)
{
    const std::vector<std::string> names = ListEntryNames(list, parameter, own);
    const std::optional<std::int32_t> position = fields::ParseInteger(index);
    if (!position || *position < 0 || static_cast<std::size_t>(*position) >= names.size())
        return std::nullopt;
    return names[static_cast<std::size_t>(*position)];
}

class Writer {
public:
    explicit Writer(bool lossy) : lossy_(lossy) {}

    void add(std::string_view key, std::string_view value)
    {
        text_ += key;
        text_ += " = ";
        text_ += lossy_ ? OnOneLine(value) : std::string(value);
        text_ += '\n';
    }
    std::string text_ = std::string(kOwnProjectVersionLine) + "\n";

private:
    bool lossy_;
};

// Checks made before a byte is written; the lossy copy skips them.
std::optional<FileProblem> Refusal(const OwnProject& project)
{
    for (int line = 1; line <= kLineCount; ++line) {
        const LineSpec& lineSpec = LineAt(line);
        const std::string& text = project.lines[static_cast<std::size_t>(line - 1)];
        if (const std::string problem = TextProblem(text); !problem.empty())
            return detail::LineProblem(line, problem);
        if (lineSpec.kind == LineKind::ListIndex &&
            !EntryName(*lineSpec.control, lineSpec.parameter, text, project.ownMaterials))
            return detail::LineProblem(line, "номер " + detail::Quoted(text) + " вне списка");
    }
    for (const ExtensionValue& value : project.extensions) {
        const ControlFacts& facts = Facts(value.control);
        const std::string where = "Параметр «" + std::string(facts.parameter) + "»: ";
        if (const std::string problem = TextProblem(value.text); !problem.empty())
            return FileProblem{0, where + problem + "."};
        if (facts.type == ControlType::ComboBox &&
            !EntryName(value.control, facts.parameter, value.text, project.ownMaterials))
            return FileProblem{0, where + "номер " + detail::Quoted(value.text) + " вне списка."};
    }
    return std::nullopt;
}

std::string Write(const OwnProject& project, bool lossy)
{
    Writer out(lossy);
    for (int line = 1; line <= kLineCount; ++line) {
        const LineSpec& lineSpec = LineAt(line);
        const std::string& text = project.lines[static_cast<std::size_t>(line - 1)];
        if (lineSpec.kind == LineKind::ListIndex)
            out.add(LineKey(line),
                    EntryName(*lineSpec.control, lineSpec.parameter, text, project.ownMaterials).value_or(text));
        else
            out.add(LineKey(line), text);
    }
    for (const ExtensionValue& value : project.extensions) {
        const ControlFacts& facts = Facts(value.control);
        if (facts.type == ControlType::ComboBox)
            out.add(facts.parameter,
                    EntryName(value.control, facts.parameter, value.text, project.ownMaterials).value_or(value.text));
        else
            out.add(facts.parameter, value.text);
    }
    for (std::size_t i = 0; i < project.ownMaterials.size(); ++i)
        out.add(std::string(kOwnMaterialKey) + std::to_string(i + 1), detail::OwnMaterialText(project.ownMaterials[i]));
    return std::move(out.text_);
}

} // namespace

std::variant<std::string, FileProblem> WriteOwnProjectFile(const OwnProject& project)
{
    if (auto problem = Refusal(project))
        return *std::move(problem);
    for (std::size_t i = 0; i < project.ownMaterials.size(); ++i)
        if (std::string problem = detail::OwnMaterialNameProblem(project.ownMaterials, i); !problem.empty())
            return FileProblem{0, "Свой материал № " + std::to_string(i + 1) + ": " + problem + "."};
    return Write(project, false);
}

std::string WriteOwnProjectFileLossy(const OwnProject& project)
{
    return Write(project, true);
}

} // namespace zeltar::projectfile
