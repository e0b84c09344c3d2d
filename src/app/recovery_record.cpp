#include "app/recovery_record.h"

#include <charconv>
#include <ctime>

namespace zeltar::recovery {

namespace {

constexpr std::string_view kChangedKey = "changed=";
constexpr std::string_view kCleanKey = "clean=";
constexpr std::string_view kPidKey = "pid=";
constexpr std::string_view kProjectKey = "project=";

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

// The value of `key` on its own line at `pos`, moving `pos` past the line.
std::optional<std::string_view> Value(std::string_view text, std::size_t& pos, std::string_view key)
{
    if (text.substr(pos, key.size()) != key)
        return std::nullopt;
    const std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view value = text.substr(pos + key.size(), end - pos - key.size());
    pos = end + 1;
    return value;
}

std::optional<std::int64_t> Whole(std::optional<std::string_view> text)
{
    if (!text)
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc{} || end != text->data() + text->size())
        return std::nullopt;
    return value;
}

// A time in seconds since 1970 as local time in strftime's `format`.
std::string LocalTime(std::int64_t seconds, const char* format)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

std::string ProjectOf(const Record& record)
{
    return record.projectFile.empty() ? "Новый проект, ещё не сохранённый в файл,"
                                      : "Проект из файла «" + record.projectFile + "»";
}

} // namespace

std::string RecoveryFolder(const char* xdgStateHome, const char* home)
{
    if (IsAbsolute(xdgStateHome))
        return std::string(xdgStateHome) + "/zeltar/recovery";
    if (IsAbsolute(home))
        return std::string(home) + "/.local/state/zeltar/recovery";
    return {};
}

std::string FormatRecord(const Record& record)
{
    std::string text;
    text += kChangedKey;
    text += std::to_string(record.changedAt) + "\n";
    text += kCleanKey;
    text += record.clean ? "1\n" : "0\n";
    text += kPidKey;
    text += std::to_string(record.pid) + "\n";
    text += kProjectKey;
    text += record.projectFile;
    return text;
}

std::optional<Record> ParseRecord(std::string_view text)
{
    std::size_t pos = 0;
    const std::optional<std::int64_t> changed = Whole(Value(text, pos, kChangedKey));
    const std::optional<std::int64_t> clean = Whole(Value(text, pos, kCleanKey));
    const std::optional<std::int64_t> pid = Whole(Value(text, pos, kPidKey));
    if (!changed || !clean || (*clean != 0 && *clean != 1) || !pid ||
        text.substr(pos, kProjectKey.size()) != kProjectKey)
        return std::nullopt;
    return Record{std::string(text.substr(pos + kProjectKey.size())), *changed, *clean == 1, *pid};
}

std::string RestoreQuestion(const Record& record)
{
    return "Программа была закрыта, не сохранив изменения. " + ProjectOf(record) + " последний раз изменён " +
           LocalTime(record.changedAt, "%d.%m.%Y в %H:%M") +
           ".\n\nВосстановить несохранённый проект? Если его удалить, изменения будут потеряны.";
}

std::string SetAsideName(const Record& record)
{
    return "невосстановленный-проект-" + LocalTime(record.changedAt, "%Y-%m-%d-%H%M") + "-" +
           std::to_string(record.pid) + std::string(kProjectSuffix);
}

std::string SetAsideNotice(const Record& record, const std::string& why, const std::string& keptAs)
{
    std::string text =
        "Несохранённый проект не восстановлен: его копия от " + LocalTime(record.changedAt, "%d.%m.%Y %H:%M") +
        (record.projectFile.empty() ? "" : " (файл проекта «" + record.projectFile + "»)") + " не читается. " + why;
    if (keptAs.empty())
        return text +
               "\n\nКопию не удалось отложить под другим именем: она осталась на месте, о ней будет сказано при следующем запуске.";
    return text + "\n\nКопия не восстановлена, сохранена как «" + keptAs +
           "»; при запуске она больше предлагаться не будет.";
}

} // namespace zeltar::recovery
