// Reading the own project file: the version line, every `key = value` line sorted to the line of the
// 131-line content, the extension control or the own material it names, then each value converted
// and checked as the 131-line reader checks it, all before anything is applied.
#include "projectfile/file_kind.h"
#include "projectfile/line_message.h"
#include "projectfile/line_reading.h"
#include "projectfile/line_table.h"
#include "projectfile/list_entry_names.h"
#include "projectfile/own_material_text.h"
#include "projectfile/own_project_file.h"

#include "fields/control_catalogue.h"
#include "fields/field_table.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <string>

namespace zeltar::projectfile {

namespace {

using detail::Quoted;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A value line of the file: its key, value and line number.
struct KeyedLine {
    std::string_view key;
    std::string_view value;
    int line = 0;
};

// What the file's lines hold, sorted by what their keys name.
struct SortedLines {
    std::array<std::optional<KeyedLine>, kLineCount> content;
    std::vector<std::pair<Control, KeyedLine>> extensions; // catalogue order after sorting
    std::map<int, KeyedLine> ownMaterials;                 // by number
};

FileProblem Problem(int line, std::string_view detail)
{
    return {line, "Строка " + std::to_string(line) + " файла проекта: " + std::string(detail) + "."};
}
FileProblem KeyProblem(const KeyedLine& at, std::string_view detail)
{
    return Problem(at.line, "параметр «" + std::string(at.key) + "»: " + std::string(detail));
}

std::optional<std::size_t> FirstMalformedByte(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (!fields::NextCodePoint(text, pos))
            return start;
    }
    return std::nullopt;
}

int LineOfOffset(std::string_view text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        line += text[i] == '\n' ? 1 : 0;
    return line;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<FileProblem> CheckVersion(std::string_view firstLine)
{
    const std::string_view version = Trimmed(firstLine);
    if (version == kOwnProjectVersionLine)
        return std::nullopt;
    if (version.starts_with(kOwnProjectFileMark))
        return Problem(1, "версия " + Quoted(version) + " не поддерживается: эта программа читает " +
                              std::string(kOwnProjectVersionLine) + ". Файл записан более новой программой");
    return Problem(1, "ожидается " + std::string(kOwnProjectVersionLine) + ", а записано " + Quoted(version));
}

std::optional<Control> ExtensionControl(std::string_view key)
{
    for (const ControlFacts& facts : AllControls())
        if (IsExtensionControl(facts.control) && facts.parameter == key)
            return facts.control;
    return std::nullopt;
}

std::optional<int> ContentLine(std::string_view key)
{
    for (int line = 1; line <= kLineCount; ++line)
        if (LineKey(line) == key)
            return line;
    return std::nullopt;
}

// "OwnMaterial.3" -> 3; nullopt for any other key.
std::optional<int> OwnMaterialNumber(std::string_view key)
{
    if (!key.starts_with(kOwnMaterialKey))
        return std::nullopt;
    const std::string_view digits = key.substr(kOwnMaterialKey.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || number < 1 || digits.starts_with('0'))
        return std::nullopt;
    return number;
}

// Places one value line; a problem for an unknown or repeated key.
std::optional<FileProblem> Sort(const KeyedLine& at, SortedLines& sorted, std::map<std::string_view, int>& seen)
{
    if (const auto earlier = seen.find(at.key); earlier != seen.end())
        return KeyProblem(at, "задан второй раз (первый раз — в строке " + std::to_string(earlier->second) + ")");
    seen.emplace(at.key, at.line);
    if (const std::optional<int> line = ContentLine(at.key))
        sorted.content[static_cast<std::size_t>(*line - 1)] = at;
    else if (const std::optional<Control> control = ExtensionControl(at.key))
        sorted.extensions.emplace_back(*control, at);
    else if (const std::optional<int> number = OwnMaterialNumber(at.key))
        sorted.ownMaterials.emplace(*number, at);
    else
        return Problem(at.line, "неизвестный параметр «" + std::string(at.key) + "» в строке " +
                                    std::to_string(at.line) + ": файл новее программы?");
    return std::nullopt;
}

// Splits the text after the version line into value lines and sorts them.
std::variant<SortedLines, FileProblem> SortLines(std::string_view text)
{
    SortedLines sorted;
    std::map<std::string_view, int> seen;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // A carriage return left inside a line (a file from an old Mac, a damaged one) would be
        // kept in a text that no save can write back: the line is refused where it stands.
        if (line.find('\r') != std::string_view::npos)
            return Problem(number, "строка содержит знак возврата каретки (CR) внутри текста");
        if (number == 1) {
            if (auto problem = CheckVersion(line))
                return *std::move(problem);
            continue;
        }
        if (Trimmed(line).empty() || Trimmed(line).starts_with('#'))
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return Problem(number, "ожидается «параметр = значение», а записано " + Quoted(line));
        std::string_view value = line.substr(equals + 1);
        if (value.starts_with(' '))
            value.remove_prefix(1);
        if (auto problem = Sort({Trimmed(line.substr(0, equals)), value, number}, sorted, seen))
            return *std::move(problem);
    }
    if (number == 0)
        return Problem(1, "файл пуст, а должен начинаться строкой " + std::string(kOwnProjectVersionLine));
    std::sort(sorted.extensions.begin(), sorted.extensions.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return sorted;
}

// The 131-line reader's message for line `line`, told of this file's line and key instead.
FileProblem AtOwnLine(const FileProblem& problem, const KeyedLine& at)
{
    const std::string prefix = "Строка " + std::to_string(problem.line) + " файла проекта ";
    std::string message = problem.message;
    if (message.starts_with(prefix))
        message = "Строка " + std::to_string(at.line) + " файла проекта, параметр «" + std::string(at.key) + "» " +
                  message.substr(prefix.size());
    return {at.line, std::move(message)};
}

std::optional<FileProblem> ReadOwnMaterials(const SortedLines& sorted, std::vector<OwnMaterial>& own)
{
    int expected = 1;
    for (const auto& [number, at] : sorted.ownMaterials) {
        if (number != expected)
            return KeyProblem(at, "материалы нумеруются подряд с 1, а номера " + std::to_string(expected) + " нет");
        detail::ParsedOwnMaterial parsed = detail::ParseOwnMaterial(at.value);
        if (!parsed.material)
            return KeyProblem(at, parsed.problem);
        own.push_back(*std::move(parsed.material));
        if (std::string problem = detail::OwnMaterialNameProblem(own, own.size() - 1); !problem.empty())
            return KeyProblem(at, problem);
        ++expected;
    }
    return std::nullopt;
}

std::optional<FileProblem> ReadContent(const SortedLines& sorted, const std::vector<OwnMaterial>& own,
                                       LoadedProject& file)
{
    for (int line = 1; line <= kLineCount; ++line) {
        const auto index = static_cast<std::size_t>(line - 1);
        if (!sorted.content[index])
            return FileProblem{0, "Файл проекта неполон: нет параметра «" + LineKey(line) + "» (" +
                                      std::string(LineAt(line).meaning) +
                                      "). Файл записан не этой программой или изменён вручную."};
        const KeyedLine& at = *sorted.content[index];
        const LineSpec& lineSpec = LineAt(line);
        if (lineSpec.kind == LineKind::ListIndex) {
            const std::optional<int> entry =
                FindListEntry(ListEntryNames(*lineSpec.control, lineSpec.parameter, own), at.value);
            if (!entry)
                return KeyProblem(at, "в списке нет строки " + Quoted(at.value));
            file.lines[index] = std::to_string(*entry);
            file.integers[index] = *entry;
            continue;
        }
        file.lines[index] = std::string(at.value);
        if (auto problem = detail::ReadLine(line, file))
            return AtOwnLine(*problem, at);
    }
    return std::nullopt;
}

std::optional<FileProblem> CheckFieldValue(const fields::NumericField& field, const KeyedLine& at)
{
    std::optional<double> value;
    if (field.storage != fields::Storage::Whole)
        value = fields::ParseDecimal(at.value);
    else if (const std::optional<std::int32_t> whole = fields::ParseInteger(fields::TrimTrailingBlanks(at.value)))
        value = *whole;
    if (!value)
        return KeyProblem(at, Quoted(at.value) + " не является числом");
    const bool fixedUpper = field.computedUpper == fields::ComputedBound::None;
    if (*value < field.lower || (fixedUpper && *value > field.upper))
        return KeyProblem(at, "число " + Quoted(at.value) + " вне допустимого для поля (от " +
                                  fields::FormatGeneral(field.lower) +
                                  (fixedUpper ? " до " + fields::FormatGeneral(field.upper) : std::string()) + ")");
    return std::nullopt;
}

std::optional<FileProblem> ReadExtension(Control control, const KeyedLine& at, const std::vector<OwnMaterial>& own,
                                         std::vector<ExtensionValue>& out)
{
    const ControlFacts& facts = Facts(control);
    switch (facts.type) {
    case ControlType::ComboBox: {
        const std::optional<int> entry = FindListEntry(ListEntryNames(control, facts.parameter, own), at.value);
        if (!entry)
            return KeyProblem(at, "в списке нет строки " + Quoted(at.value));
        out.push_back({control, std::to_string(*entry)});
        return std::nullopt;
    }
    case ControlType::CheckBox:
        if (at.value != "0" && at.value != "1")
            return KeyProblem(at, "значение " + Quoted(at.value) + " недопустимо (только 0 или 1)");
        break;
    default:
        if (const fields::NumericField* field = fields::FindNumericField(control))
            if (auto problem = CheckFieldValue(*field, at))
                return problem;
        break;
    }
    out.push_back({control, std::string(at.value)});
    return std::nullopt;
}

} // namespace

std::variant<LoadedOwnProject, FileProblem> ReadOwnProjectFile(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8ByteOrderMark))
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    if (const std::optional<std::size_t> malformed = FirstMalformedByte(bytes))
        return Problem(LineOfOffset(bytes, *malformed),
                       "текст не в кодировке UTF-8, а файл проекта *.zlp "
                       "записывается в UTF-8");
    auto sorted = SortLines(bytes);
    if (auto* problem = std::get_if<FileProblem>(&sorted))
        return *std::move(problem);
    const SortedLines& lines = std::get<SortedLines>(sorted);
    LoadedOwnProject loaded;
    if (auto problem = ReadOwnMaterials(lines, loaded.ownMaterials))
        return *std::move(problem);
    if (auto problem = ReadContent(lines, loaded.ownMaterials, loaded.file))
        return *std::move(problem);
    for (const auto& [control, at] : lines.extensions)
        if (auto problem = ReadExtension(control, at, loaded.ownMaterials, loaded.extensions))
            return *std::move(problem);
    return loaded;
}

std::variant<LoadedOwnProject, FileProblem> ReadEitherProjectFile(std::string_view bytes)
{
    if (RecognizeFile(bytes).kind == FileKind::OwnProject)
        return ReadOwnProjectFile(bytes);
    auto read = ReadProjectFile(bytes);
    if (auto* problem = std::get_if<FileProblem>(&read))
        return *std::move(problem);
    return LoadedOwnProject{std::get<LoadedProject>(std::move(read)), {}, {}};
}

} // namespace zeltar::projectfile
