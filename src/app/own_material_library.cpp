#include "app/own_material_library.h"

#include "projectfile/list_entry_names.h"
#include "fields/number_text.h"
#include "fields/utf8.h"
#include "files/file_error.h"
#include "files/read_file.h"
#include "files/write_file.h"

#include <filesystem>
#include <system_error>
#include <variant>

namespace zeltar::library {

namespace {

constexpr std::string_view kProgramFolder = "zeltar";
constexpr std::string_view kMaterialKey = "material";
constexpr char kSeparator = ';';

bool IsUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();)
        if (!fields::NextCodePoint(text, pos))
            return false;
    return true;
}

bool IsAbsoluteFolder(const char* folder)
{
    return folder != nullptr && folder[0] == '/';
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The parts of "a; b; c" without their blanks.
std::vector<std::string_view> Parts(std::string_view text)
{
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t end = text.find(kSeparator);
        parts.push_back(Trimmed(text.substr(0, end)));
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}

// A material's line, or the reason it is none.
std::variant<OwnMaterial, std::string> ParseLine(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != kMaterialKey)
        return std::string("ожидается «material = название; λ; солнечный коэффициент»");
    const std::vector<std::string_view> parts = Parts(line.substr(equals + 1));
    if (parts.size() != 3)
        return std::string("ожидаются три части через «;»: название, λ и солнечный коэффициент");
    const std::optional<double> conductivity = fields::ParseDecimal(parts[1]);
    const std::optional<double> solarFactor = fields::ParseDecimal(parts[2]);
    if (!conductivity || !solarFactor)
        return "«" + std::string(!conductivity ? parts[1] : parts[2]) + "» — не число";
    CheckedMaterial checked = CheckMaterial({std::string(parts[0]), *conductivity, *solarFactor});
    if (!checked.material)
        return checked.problem;
    return *checked.material;
}

} // namespace

CheckedMaterial CheckMaterial(OwnMaterial material)
{
    material.name = std::string(Trimmed(material.name));
    std::string problem;
    if (material.name.empty())
        problem = "Название материала пустое.";
    else if (material.name.find_first_of(";\r\n") != std::string::npos)
        problem = "В названии материала не может быть «;» и переноса строки.";
    else if (!IsUtf8(material.name))
        problem = "Название материала — не текст в UTF-8.";
    else if (projectfile::IsBuiltInMaterialName(material.name))
        problem = "Материал «" + material.name + "» уже есть во встроенных списках: назовите свой иначе.";
    else if (fields::CharacterCount(material.name) > kLongestName)
        problem = "Название материала длиннее " + std::to_string(kLongestName) + " знаков.";
    else if (!(material.conductivity > 0 && material.conductivity <= kLargestConductivity))
        problem = "Теплопроводность материала «" + material.name + "» должна быть больше 0 и не больше " +
                  fields::FormatGeneral(kLargestConductivity) + " Вт/(м·К).";
    else if (!(material.solarFactor > 0 && material.solarFactor <= kLargestSolarFactor))
        problem = "Солнечный коэффициент материала «" + material.name + "» должен быть больше 0 и не больше " +
                  fields::FormatGeneral(kLargestSolarFactor) + ".";
    if (!problem.empty())
        return {std::nullopt, problem};
    return {std::move(material), {}};
}

std::string LibraryPath(const char* xdgDataHome, const char* home)
{
    const std::string file = "/" + std::string(kProgramFolder) + "/" + std::string(kLibraryFileName);
    if (IsAbsoluteFolder(xdgDataHome))
        return std::string(xdgDataHome) + file;
    if (IsAbsoluteFolder(home))
        return std::string(home) + "/.local/share" + file;
    return {};
}

LibraryContents ParseLibrary(std::string_view text, const std::string& path)
{
    const std::string where = "Библиотека своих материалов " + files::Quoted(path);
    int number = 0;
    bool first = true;
    LibraryContents contents;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            first = false;
            if (line != kLibraryFirstLine)
                return {{}, where + " не прочитана: первая строка не «" + std::string(kLibraryFirstLine) + "»."};
            continue;
        }
        if (Trimmed(line).empty())
            continue;
        auto parsed = ParseLine(line);
        if (auto* problem = std::get_if<std::string>(&parsed))
            return {{}, where + " не прочитана, строка " + std::to_string(number) + ": " + *problem};
        OwnMaterial& material = std::get<OwnMaterial>(parsed);
        for (const OwnMaterial& kept : contents.materials)
            if (kept.name == material.name)
                return {{},
                        where + " не прочитана, строка " + std::to_string(number) + ": материал «" + material.name +
                            "» уже есть выше."};
        contents.materials.push_back(std::move(material));
    }
    if (first)
        return {{}, where + " пуста: нет первой строки «" + std::string(kLibraryFirstLine) + "»."};
    return contents;
}

LibraryContents ReadLibrary(const std::string& path)
{
    if (path.empty())
        return {{}, "Не задана папка для библиотеки своих материалов (нет ни XDG_DATA_HOME, ни HOME)."};
    auto read = files::ReadFileBytes(path, kLargestLibraryBytes);
    if (auto* error = std::get_if<files::FileError>(&read))
        return error->notFound ? LibraryContents{} : LibraryContents{{}, error->message};
    return ParseLibrary(std::get<std::string>(read), path);
}

std::string LibraryText(const std::vector<OwnMaterial>& materials)
{
    std::string text = std::string(kLibraryFirstLine) + "\n";
    for (const OwnMaterial& m : materials)
        text += std::string(kMaterialKey) + " = " + m.name + "; " + fields::ShortestText(m.conductivity) + "; " +
                fields::ShortestText(m.solarFactor) + "\n";
    return text;
}

std::optional<std::string> WriteLibrary(const std::string& path, const std::vector<OwnMaterial>& materials)
{
    if (path.empty())
        return "Не задана папка для библиотеки своих материалов (нет ни XDG_DATA_HOME, ни HOME).";
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::filesystem::create_directories(folder, error);
    if (error)
        return "Не удалось создать папку " + files::Quoted(folder.string()) + ": " + files::Reason(error.value()) + ".";
    if (std::optional<files::FileError> failed = files::WriteFileSafely(path, LibraryText(materials)))
        return failed->message;
    return std::nullopt;
}

} // namespace zeltar::library
