// Project files on disk: reading a whole file, and replacing a file so that the old one survives
// every failure (the new content goes to a temporary file beside it, renamed over the old one only
// when completely written). Errors come back as Russian messages that name the file.
#pragma once

#include <optional>
#include <string>
#include <variant>

namespace zeltar {

// Larger files cannot be projects (131 short lines); reading stops instead of filling the memory.
inline constexpr std::size_t kLargestProjectFileBytes = 1 << 20;

struct FileError {
    bool notFound = false; // the file does not exist
    std::string message;   // "Файл «/путь» не найден." and the like
};

// `path` is UTF-8.
std::variant<std::string, FileError> ReadFileBytes(const std::string& path);
std::optional<FileError> ReplaceFile(const std::string& path, const std::string& bytes);

} // namespace zeltar
