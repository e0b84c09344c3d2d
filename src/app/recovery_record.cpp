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
    if (!changed || !clean || (*clean != 0 && *clean != 1) || !pid || text.substr(pos, kProjectKey.size()) != kProjectKey)
        return std::nullopt;
    return Record{std::string(text.substr(pos + kProjectKey.size())), *changed, *clean == 1, *pid};
}

std::string RestoreQuestion(const Record& record)
{
    const std::time_t changed = static_cast<std::time_t>(record.changedAt);
    std::tm local{};
    localtime_r(&changed, &local);
    char when[32];
    std::strftime(when, sizeof when, "%d.%m.%Y в %H:%M", &local);
    const std::string project = record.projectFile.empty()
                                    ? "Новый проект, ещё не сохранённый в файл,"
                                    : "Проект из файла «" + record.projectFile + "»";
    return "Программа была закрыта, не сохранив изменения. " + project + " последний раз изменён " + when +
           ".\n\nВосстановить несохранённый проект? Если его удалить, изменения будут потеряны.";
}

} // namespace zeltar::recovery
