#include "app/project_file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace zeltar {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Quoted(const std::string& path)
{
    return "«" + path + "»";
}

// What went wrong, by the system's error number.
std::string Reason(int error)
{
    switch (error) {
    case ENOENT: return "папка не найдена";
    case EACCES:
    case EPERM: return "доступ запрещён";
    case EROFS: return "диск защищён от записи";
    case ENOSPC:
    case EDQUOT: return "на диске нет места";
    case EISDIR: return "это папка, а не файл";
    case ENOTDIR: return "в пути есть файл там, где должна быть папка";
    case ENAMETOOLONG: return "слишком длинное имя файла";
    case EINVAL:
    case EILSEQ: return "недопустимое имя файла";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    default: return "ошибка ввода-вывода (код " + std::to_string(error) + ")";
    }
}

fs::path PathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The temporary file beside the target: same folder, so that the rename never crosses disks.
std::string TemporaryPathFor(const std::string& path)
{
    const fs::path target = PathOf(path);
    const fs::path temporary = target.parent_path() / (u8"." + target.filename().u8string() + u8".zeltar-tmp");
    const std::u8string bytes = temporary.u8string();
    return std::string(bytes.begin(), bytes.end());
}

FileError SaveError(const std::string& path, int error)
{
    return {false, "Не удалось сохранить проект в файл " + Quoted(path) + ": " + Reason(error) + "."};
}

} // namespace

std::variant<std::string, FileError> ReadFileBytes(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(PathOf(path), ec);
    if (path.empty() || status.type() == fs::file_type::not_found)
        return FileError{true, "Файл " + Quoted(path) + " не найден."};
    if (status.type() == fs::file_type::directory)
        return FileError{false, "Не удалось открыть файл " + Quoted(path) + ": " + Reason(EISDIR) + "."};
    errno = 0;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        if (error == ENOENT)
            return FileError{true, "Файл " + Quoted(path) + " не найден."};
        return FileError{false, "Не удалось открыть файл " + Quoted(path) + ": " + Reason(error) + "."};
    }
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, n);
        if (bytes.size() > kLargestProjectFileBytes)
            return FileError{false, "Файл " + Quoted(path) + " не является файлом проекта: он больше 1 МБ."};
        if (n < sizeof buffer)
            break;
    }
    if (std::ferror(file.get()))
        return FileError{false, "Не удалось прочитать файл " + Quoted(path) + ": " + Reason(errno) + "."};
    return bytes;
}

std::optional<FileError> ReplaceFile(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        return FileError{false, "Не удалось сохранить проект: не задано имя файла."};
    std::error_code ec;
    if (fs::is_directory(PathOf(path), ec))
        return SaveError(path, EISDIR);

    const std::string temporary = TemporaryPathFor(path);
    errno = 0;
    std::FILE* raw = std::fopen(temporary.c_str(), "wb");
    if (!raw)
        return SaveError(path, errno);
    File file(raw);
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() || std::fflush(file.get()) != 0)
        error = errno != 0 ? errno : EIO;
    if (std::fclose(file.release()) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error == 0) {
        fs::rename(PathOf(temporary), PathOf(path), ec);
        if (ec)
            error = ec.value();
    }
    if (error != 0) {
        fs::remove(PathOf(temporary), ec); // no half-written file stays behind
        return SaveError(path, error);
    }
    return std::nullopt;
}

} // namespace zeltar
