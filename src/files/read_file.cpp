#include "files/read_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::files {

namespace {

constexpr std::size_t kBytesPerMegabyte = 1 << 20;
constexpr std::size_t kReadChunkBytes = 16384;

FileError OpenError(const std::string& path, const std::string& reason)
{
    return {false, "Не удалось открыть файл " + Quoted(path) + ": " + reason + "."};
}

// What a file that is no regular file is, for the message.
std::string KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return Reason(EISDIR);
    if (S_ISFIFO(mode))
        return "это именованный канал (FIFO), а не файл";
    if (S_ISSOCK(mode))
        return "это сокет, а не файл";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "это устройство, а не файл";
    return "это не обычный файл";
}

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::variant<std::string, FileError> ReadFileBytes(const std::string& path, std::size_t largestBytes)
{
    if (path.empty())
        return FileError{true, "Файл " + Quoted(path) + " не найден.", ENOENT};
    // O_NONBLOCK: opening a FIFO without a writer, or a device, must not wait.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return FileError{true, "Файл " + Quoted(path) + " не найден.", error};
        FileError refused = OpenError(path, Reason(error));
        refused.error = error;
        return refused;
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) {
        const int error = errno;
        return FileError{false, "Не удалось прочитать файл " + Quoted(path) + ": " + Reason(error) + ".", error};
    }
    if (!S_ISREG(status.st_mode))
        return OpenError(path, KindOf(status.st_mode));
    const std::string tooLarge = "Файл " + Quoted(path) + " слишком велик: больше " +
                                 std::to_string((largestBytes + kBytesPerMegabyte - 1) / kBytesPerMegabyte) + " МБ.";
    if (static_cast<std::size_t>(status.st_size) > largestBytes)
        return FileError{false, tooLarge, EFBIG};

    std::string bytes;
    char buffer[kReadChunkBytes];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            return FileError{false, "Не удалось прочитать файл " + Quoted(path) + ": " + Reason(error) + ".", error};
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > largestBytes) // the file grew while it was read
            return FileError{false, tooLarge, EFBIG};
    }
    return bytes;
}

} // namespace zeltar::files
