// Reading a project file: split into lines, convert each line as its kind says and check it against
// the rules of a sound project, all before anything is applied, so that a faulty file changes
// nothing in the window.
#include "projectfile/file_kind.h"
#include "projectfile/line_message.h"
#include "projectfile/line_reading.h"
#include "projectfile/line_table.h"
#include "projectfile/project_file.h"

#include "fields/field_table.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

#include <cmath>
#include <optional>
#include <vector>

namespace zeltar::projectfile {

namespace {

using detail::LineEntry;
using detail::LineProblem;
using detail::Quoted;
using detail::ValueRule;

// Lines as a text reader sees them: each ends at CR LF, a lone LF or a lone CR; a last line without
// an end counts when it is not empty. At most kLineCount lines are kept.
std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < kLineCount) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

// Cyrillic letters in UTF-8 (U+0400..U+04FF).
constexpr char32_t kFirstCyrillic = 0x0400;
constexpr char32_t kLastCyrillic = 0x04FF;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNotWindows1251 =
    ", а файл проекта должен быть в кодировке Windows-1251. Сохраните его в кодировке Windows-1251 "
    "(Кириллица Windows) и откройте снова.";

// The 1-based line holding the byte at `offset`, counting line ends as SplitLines does.
int LineOfOffset(std::string_view bytes, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    return line;
}

// The offset of the first Cyrillic letter when the whole text is valid UTF-8, else nullopt.
// Windows-1251 text with Russian words never is valid UTF-8: its small letters are UTF-8 lead
// bytes that no continuation byte follows.
std::optional<std::size_t> FirstCyrillicInUtf8(std::string_view bytes)
{
    std::optional<std::size_t> first;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = fields::NextCodePoint(bytes, pos);
        if (!c)
            return std::nullopt;
        if (!first && *c >= kFirstCyrillic && *c <= kLastCyrillic)
            first = start;
    }
    return first;
}

// A file saved by an editor in UTF-8 instead of Windows-1251; the problem names the line that
// shows it (the first, or the first with a Russian letter).
std::optional<FileProblem> RefuseUtf8(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return FileProblem{1, "Файл записан в кодировке UTF-8 (начинается с метки порядка байтов UTF-8)" +
                                  std::string(kNotWindows1251)};
    if (const std::optional<std::size_t> cyrillic = FirstCyrillicInUtf8(bytes))
        return FileProblem{LineOfOffset(bytes, *cyrillic),
                           "Файл записан в кодировке UTF-8 (русские буквы в нём — в UTF-8, первые в строке " +
                               std::to_string(LineOfOffset(bytes, *cyrillic)) + ")" + std::string(kNotWindows1251)};
    return std::nullopt;
}

// Lines after the 131st: a project has none, so one that holds anything but blanks means the file is
// no project of this program or was changed by hand; reading it would drop what they hold without a
// word. Empty and blank lines (and the end-of-file mark of old editors) are passed over.
std::optional<FileProblem> RefuseLinesAfterTheLast(std::string_view bytes, std::size_t readBytes)
{
    const std::size_t extra = bytes.find_first_not_of(std::string_view(" \t\r\n\x1A"), readBytes);
    if (extra == std::string_view::npos)
        return std::nullopt;
    const int line = LineOfOffset(bytes, extra);
    const std::string_view text = bytes.substr(extra, bytes.find_first_of("\r\n", extra) - extra);
    return FileProblem{line, "Файл проекта длиннее " + std::to_string(kLineCount) + " строк: строка " +
                                 std::to_string(line) + " " + Quoted(DecodeCp1251(text)) +
                                 " лишняя. Файл записан не этой программой или изменён вручную; он не загружен, "
                                 "чтобы не потерять то, что в нём после строки " +
                                 std::to_string(kLineCount) + "."};
}

std::string_view WithoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::optional<FileProblem> CheckRule(const LineEntry& entry, int line, const std::string& text, double value)
{
    switch (entry.rule) {
    case ValueRule::None: return std::nullopt;
    case ValueRule::LayerThickness:
        if (value < 0)
            return LineProblem(line, "толщина " + Quoted(text) + " не может быть отрицательной");
        return std::nullopt;
    case ValueRule::Temperature:
        if (value <= detail::kAbsoluteZeroCelsius || value > detail::kHottestTemperature)
            return LineProblem(line, "температура " + Quoted(text) +
                                         " должна быть выше -273,15 °C (абсолютного нуля) и не выше 10000 °C");
        return std::nullopt;
    case ValueRule::FieldMinimum: {
        const fields::NumericField* field =
            entry.lineSpec.control ? fields::FindNumericField(*entry.lineSpec.control) : nullptr;
        const double lowest = field ? field->lower : 0;
        if (value < lowest || value <= 0)
            return LineProblem(line,
                               "значение " + Quoted(text) + " должно быть не меньше " + fields::FormatGeneral(lowest));
        return std::nullopt;
    }
    case ValueRule::Humidity:
        if (value < 0 || value > 100)
            return LineProblem(line, "влажность " + Quoted(text) + " должна быть от 0 до 100 %");
        return std::nullopt;
    case ValueRule::ListIndex:
        if (value < 0 || value >= entry.listSize)
            return LineProblem(line, "номер " + Quoted(text) + " вне списка (допустимо от 0 до " +
                                         std::to_string(entry.listSize - 1) + ")");
        return std::nullopt;
    case ValueRule::SurfaceFlag:
        if (value != 0 && value != 1)
            return LineProblem(line, "значение " + Quoted(text) + " недопустимо (только 0 или 1)");
        return std::nullopt;
    case ValueRule::Orientation:
        if (value < 0 || value >= 2 * detail::kFullTurnDegrees || std::fmod(value, 45) != 0)
            return LineProblem(line, "угол " + Quoted(text) + " недопустим (ожидается 0, 45, 90, … 315 градусов)");
        return std::nullopt;
    }
    return std::nullopt;
}

// A numeric field's text (decimal, percent or whole): a finite number of a magnitude that a field can hold.
std::optional<FileProblem> ReadFieldNumber(const LineEntry& entry, int line, const std::string& text, double& number)
{
    std::optional<double> value;
    if (entry.lineSpec.kind == LineKind::Integer) {
        value = fields::ParseInteger(WithoutTrailingBlanks(text));
        if (!value)
            return LineProblem(line, Quoted(text) + " не является целым числом");
    } else {
        value = fields::ParseDecimal(text);
        if (!value)
            return LineProblem(line, Quoted(text) + " не является числом");
    }
    if (std::fabs(*value) > detail::kLargestFieldMagnitude)
        return LineProblem(line, "число " + Quoted(text) + " слишком велико по модулю (больше 1000000000)");
    if (auto problem = CheckRule(entry, line, text, *value))
        return problem;
    number = entry.lineSpec.kind == LineKind::Percent ? *value / 100 : *value;
    return std::nullopt;
}

// A list, state or flag line: a whole number written by the program.
std::optional<FileProblem> ReadStoredInteger(const LineEntry& entry, int line, const std::string& text,
                                             std::int64_t& integer)
{
    const std::optional<std::int32_t> value = fields::ParseInteger(WithoutTrailingBlanks(text));
    if (!value)
        return LineProblem(line, Quoted(text) + " не является целым числом");
    if (auto problem = CheckRule(entry, line, text, *value))
        return problem;
    integer = *value;
    return std::nullopt;
}

} // namespace

namespace detail {

std::optional<FileProblem> ReadLine(int line, LoadedProject& file)
{
    const auto index = static_cast<std::size_t>(line - 1);
    const LineEntry& entry = detail::kLineEntries[index];
    const std::string& text = file.lines[index];
    switch (entry.lineSpec.kind) {
    case LineKind::Text: return std::nullopt;
    case LineKind::Decimal:
    case LineKind::Percent:
    case LineKind::Integer: return ReadFieldNumber(entry, line, text, file.numbers[index]);
    case LineKind::ListIndex:
    case LineKind::StateValue:
    case LineKind::Flag: return ReadStoredInteger(entry, line, text, file.integers[index]);
    }
    return std::nullopt;
}

} // namespace detail

std::variant<LoadedProject, FileProblem> ReadProjectFile(std::string_view bytes)
{
    if (auto problem = RefuseOtherFileKind(bytes))
        return *std::move(problem);
    const std::vector<std::string_view> raw = SplitLines(bytes);
    // Only the lines read count: text after the last of them is ignored, whatever its encoding.
    const std::size_t readBytes = raw.empty() ? 0 : static_cast<std::size_t>(raw.back().end() - bytes.begin());
    if (auto problem = RefuseUtf8(bytes.substr(0, readBytes)))
        return *std::move(problem);
    if (raw.size() < kLineCount) {
        const int missing = static_cast<int>(raw.size()) + 1;
        return FileProblem{missing, "Файл проекта неполон: строк в нём " + std::to_string(raw.size()) +
                                        ", а должно быть " + std::to_string(kLineCount) +
                                        "; первая недостающая — строка " + std::to_string(missing) + " (" +
                                        std::string(LineAt(missing).meaning) + ")."};
    }
    LoadedProject file;
    for (std::size_t i = 0; i < raw.size(); ++i)
        file.lines[i] = DecodeCp1251(raw[i]);
    for (int line = 1; line <= kLineCount; ++line)
        if (auto problem = detail::ReadLine(line, file))
            return *std::move(problem);
    if (auto problem = RefuseLinesAfterTheLast(bytes, readBytes))
        return *std::move(problem);
    return file;
}

} // namespace zeltar::projectfile
