#include "files/file_names.h"

#include <array>

namespace zeltar::files {

namespace {

constexpr std::string_view kForbiddenCharacters = "/\\:*?\"<>|";
constexpr char kLastControlCharacter = 0x1f;
constexpr std::array<std::string_view, 22> kDeviceNames{"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                                        "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                                        "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool IsForbidden(char c)
{
    return (c >= 0 && c <= kLastControlCharacter) || c == 0x7f ||
           kForbiddenCharacters.find(c) != std::string_view::npos;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string AsciiUpper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Blanks and dots at either end go: a trailing dot or blank is dropped by some systems, a leading
// dot hides the file.
std::string_view TrimBlanksAndDots(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" .");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" .") - first + 1);
}

} // namespace

std::string CleanFileName(std::string_view text)
{
    std::string blanked;
    for (const char c : text) {
        const char kept = IsForbidden(c) ? ' ' : c;
        if (kept == ' ' && (blanked.empty() || blanked.back() == ' '))
            continue;
        blanked.push_back(kept);
    }
    std::string name(TrimBlanksAndDots(blanked));
    if (name.size() > kLongestMadeFileName) {
        std::size_t cut = kLongestMadeFileName;
        while (cut > 0 && IsContinuationByte(name[cut]))
            --cut;
        name = std::string(TrimBlanksAndDots(std::string_view(name).substr(0, cut)));
    }
    const std::string stem = AsciiUpper(std::string_view(name).substr(0, name.find('.')));
    for (const std::string_view device : kDeviceNames)
        if (stem == device)
            return name + "_";
    return name;
}

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view FolderOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string_view::npos)
        return {};
    return path.substr(0, separator == 0 ? 1 : separator);
}

bool HasExtension(std::string_view path)
{
    const std::string_view name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && dot > 0 && dot + 1 < name.size();
}

bool IsOwnProjectFileName(std::string_view path)
{
    const std::string_view name = FileNameOf(path);
    if (name.size() <= kOwnProjectExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kOwnProjectExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if ((tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i]) !=
            kOwnProjectExtension[i])
            return false;
    return true;
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension)
{
    std::string out(path);
    if (HasExtension(path))
        return out;
    if (!out.empty() && out.back() == '.')
        out.pop_back(); // "молоко." asks for no extension of its own
    return out + std::string(extension);
}

std::string WithExtension(std::string_view path, std::string_view extension)
{
    const std::size_t nameStart = path.size() - FileNameOf(path).size();
    if (HasExtension(path))
        path = path.substr(0, nameStart + FileNameOf(path).rfind('.'));
    else if (!path.empty() && path.back() == '.')
        path.remove_suffix(1);
    return std::string(path) + std::string(extension);
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    if (folder.empty())
        return std::string(name);
    std::string out(folder);
    if (out.back() != '/' && out.back() != '\\')
        out.push_back('/');
    return out + std::string(name);
}

std::string ReplaceQuestion(std::string_view path)
{
    return "Файл «" + std::string(FileNameOf(path)) + "» уже существует. Заменить?";
}

} // namespace zeltar::files
