#include "object/object_file.h"
#include "object/object_value_text.h"

#include "fields/number_text.h"
#include "fields/utf8.h"
#include "projectfile/line_message.h"

#include <algorithm>
#include <filesystem>

namespace zeltar::object {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVersionPrefix = "ZELTAR-OBJECT ";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNameKey = "name";
constexpr std::string_view kBoundaryKey = "level-boundary";
constexpr std::string_view kFactorKey = "simultaneity";
constexpr std::string_view kRoomKey = "room";
constexpr std::string_view kRoomNameKey = "room-name";

fs::path PathOf(std::string_view utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path)
{
    const std::u8string bytes = path.generic_u8string();
    return std::string(bytes.begin(), bytes.end());
}

std::string Quoted(const std::string& text)
{
    return "«" + text + "»";
}

// A text read from the file, in a message: cut to 40 characters, control characters shown as
// their pictures, as project file messages quote their lines.
std::string Excerpt(std::string_view text)
{
    return projectfile::detail::Quoted(text);
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (!fields::NextCodePoint(text, pos))
            return false;
    }
    return true;
}

class Parser {
public:
    // `quotedValues`: the file is of the version that may quote its text values.
    Parser(const std::string& fileName, bool quotedValues) : fileName_(fileName), quotedValues_(quotedValues) {}

    void line(int number, std::string_view text)
    {
        const std::string_view trimmed = Trimmed(text);
        if (trimmed.empty() || trimmed.front() == '#')
            return;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            warn(number, "строка без знака «=» пропущена");
            return;
        }
        const std::string_view key = Trimmed(trimmed.substr(0, equals));
        const std::string_view valueText = Trimmed(trimmed.substr(equals + 1));
        const std::string value(valueText);
        const bool textKey = key == kNameKey || key == kRoomKey || key == kRoomNameKey;
        if (textKey && quotedValues_ && IsQuotedValueText(valueText)) {
            if (const std::optional<std::string> unquoted = UnquotedValue(valueText))
                return textValue(number, key, *unquoted);
            warn(number,
                 "значение в кавычках записано неверно (нет закрывающей кавычки, текст после неё или "
                 "неизвестная последовательность с «\\»), строка пропущена");
            return;
        }
        if (textKey)
            textValue(number, key, value);
        else if (key == kBoundaryKey)
            option(number, value, parsed_.document.options.levelBoundaryCelsius, kLowestLevelBoundaryCelsius,
                   kHighestLevelBoundaryCelsius, kDefaultLevelBoundaryCelsius);
        else if (key == kFactorKey)
            option(number, value, parsed_.document.options.simultaneityFactor, kLowestSimultaneityFactor,
                   kHighestSimultaneityFactor, kDefaultSimultaneityFactor);
        else
            warn(number, "неизвестная строка " + Excerpt(key) + " пропущена");
    }

    ParsedObject take() { return std::move(parsed_); }

private:
    void textValue(int number, std::string_view key, const std::string& value)
    {
        if (key == kNameKey)
            parsed_.document.name = value;
        else if (key == kRoomKey)
            room(number, value);
        else
            roomName(number, value);
    }

    void warn(int number, const std::string& what)
    {
        parsed_.warnings.push_back("Файл объекта " + Quoted(fileName_) + ", строка " + std::to_string(number) + ": " +
                                   what + ".");
    }

    void option(int number, const std::string& text, double& target, double lowest, double highest, double fallback)
    {
        const std::optional<double> value = ParseOptionNumber(text);
        if (!value) {
            target = fallback;
            warn(number, Excerpt(text) + " не число, взято " + fields::FormatGeneral(fallback));
            return;
        }
        target = std::clamp(*value, lowest, highest);
        if (target != *value)
            warn(number, Excerpt(text) + " вне пределов " + fields::FormatGeneral(lowest) + " … " +
                             fields::FormatGeneral(highest) + ", взято " + fields::FormatGeneral(target));
    }

    void room(int number, const std::string& path)
    {
        if (path.empty()) {
            warn(number, "пустой путь к файлу камеры пропущен");
            return;
        }
        parsed_.document.rooms.push_back({path, ""});
    }

    void roomName(int number, const std::string& name)
    {
        if (parsed_.document.rooms.empty()) {
            warn(number, "имя камеры до первой камеры пропущено");
            return;
        }
        parsed_.document.rooms.back().displayName = name;
    }

    std::string fileName_;
    bool quotedValues_ = false;
    ParsedObject parsed_;
};

// Text of an option value: a number with a decimal comma, as the window writes numbers.
std::string OptionText(double value)
{
    return fields::FormatGeneral(value);
}

// Whether one of the document's texts can be kept only in quotes (a version 2 file).
bool NeedsQuotedValues(const ObjectDocument& document)
{
    if (NeedsQuotes(document.name))
        return true;
    return std::any_of(document.rooms.begin(), document.rooms.end(),
                       [](const ObjectRoom& room) { return NeedsQuotes(room.path) || NeedsQuotes(room.displayName); });
}

} // namespace

std::optional<double> ParseOptionNumber(std::string_view text)
{
    std::string comma(text);
    for (char& c : comma) {
        if (c == '.')
            c = ',';
    }
    return fields::ParseDecimal(comma);
}

std::variant<ParsedObject, FileError> ParseObjectText(std::string_view text, const std::string& fileName)
{
    const auto refuse = [&](const std::string& why) {
        return FileError{false, "Файл " + Quoted(fileName) + " не является файлом объекта: " + why + "."};
    };
    if (text.starts_with(kUtf8ByteOrderMark))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    if (!IsUtf8(text))
        return refuse("текст не в кодировке UTF-8");
    const std::size_t firstEnd = text.find('\n');
    const std::string_view first = Trimmed(text.substr(0, firstEnd));
    if (!first.starts_with(kVersionPrefix))
        return refuse("нет строки версии " + Quoted(std::string(kObjectVersionLine)));
    if (first.find('\r') != std::string_view::npos)
        return FileError{false, "Файл " + Quoted(fileName) +
                                    " не прочитан: его строки разделены одними знаками CR (возврат каретки) "
                                    "без LF. Файл объекта читается с концами строк LF или CR LF."};
    if (first != kObjectVersionLine && first != kQuotedObjectVersionLine)
        return refuse("версия " + Excerpt(first.substr(kVersionPrefix.size())) + " новее этой программы");

    Parser parser(fileName, first == kQuotedObjectVersionLine);
    int number = 1;
    for (std::size_t start = firstEnd; start != std::string_view::npos && start + 1 <= text.size();) {
        ++number;
        const std::size_t from = start + 1;
        const std::size_t end = text.find('\n', from);
        parser.line(number, text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
        start = end;
    }
    return parser.take();
}

std::string ObjectText(const ObjectDocument& document)
{
    const bool quoted = NeedsQuotedValues(document);
    std::string text(quoted ? kQuotedObjectVersionLine : kObjectVersionLine);
    text += '\n';
    const auto add = [&text](std::string_view key, std::string_view value) {
        text.append(key).append(" = ").append(value).push_back('\n');
    };
    const auto addText = [&](std::string_view key, const std::string& value) {
        add(key, quoted ? QuotedValueText(value) : value);
    };
    addText(kNameKey, document.name);
    add(kBoundaryKey, OptionText(document.options.levelBoundaryCelsius));
    add(kFactorKey, OptionText(document.options.simultaneityFactor));
    for (const ObjectRoom& room : document.rooms) {
        addText(kRoomKey, room.path);
        if (!room.displayName.empty())
            addText(kRoomNameKey, room.displayName);
    }
    return text;
}

std::variant<ParsedObject, FileError> ReadObjectFile(const std::string& path)
{
    auto bytes = files::ReadFileBytes(path, kLargestProjectFileBytes);
    if (auto* error = std::get_if<FileError>(&bytes))
        return std::move(*error);
    auto parsed = ParseObjectText(std::get<std::string>(bytes), path);
    if (auto* object = std::get_if<ParsedObject>(&parsed)) {
        const std::string folder = FolderOf(path);
        for (ObjectRoom& room : object->document.rooms)
            room.path = AbsoluteRoomPath(folder, room.path);
    }
    return parsed;
}

std::optional<FileError> WriteObjectFile(const std::string& path, const ObjectDocument& document)
{
    ObjectDocument onDisk = document;
    const std::string folder = FolderOf(path);
    std::vector<std::string> roomFiles; // never replaced by the object file
    for (ObjectRoom& room : onDisk.rooms) {
        roomFiles.push_back(room.path);
        room.path = RelativeRoomPath(folder, room.path);
    }
    return files::WriteFileSafely(path, ObjectText(onDisk), roomFiles);
}

std::string FolderOf(const std::string& filePath)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(PathOf(filePath), ec);
    if (ec)
        absolute = PathOf(filePath);
    return Utf8Of(absolute.lexically_normal().parent_path());
}

std::string AbsoluteRoomPath(const std::string& folder, const std::string& listedPath)
{
    const fs::path listed = PathOf(listedPath);
    if (listed.is_absolute())
        return Utf8Of(listed.lexically_normal());
    return Utf8Of((PathOf(folder) / listed).lexically_normal());
}

std::string RelativeRoomPath(const std::string& folder, const std::string& absolutePath)
{
    const fs::path relative = PathOf(absolutePath).lexically_relative(PathOf(folder));
    return relative.empty() ? absolutePath : Utf8Of(relative);
}

bool LeavesFolder(const std::string& folder, const std::string& absolutePath)
{
    const fs::path relative = PathOf(absolutePath).lexically_relative(PathOf(folder));
    return relative.empty() || *relative.begin() == "..";
}

} // namespace zeltar::object
