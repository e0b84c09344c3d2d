#include "app/project_file_io.h"

#include "projectfile/file_kind.h"

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <variant>

namespace zeltar {

bool IsObjectFile(const std::string& path)
{
    const auto bytes = files::ReadFileBytes(path, kLargestProjectFileBytes);
    const auto* text = std::get_if<std::string>(&bytes);
    return text != nullptr && projectfile::RecognizeFile(*text).kind == projectfile::FileKind::ObjectFile;
}

std::string RegularFileHead(const std::string& path)
{
    constexpr std::size_t kHeadBytes = 4096;
    std::error_code error;
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    // Only a regular file: opening a FIFO or device here could wait for ever.
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    std::ifstream in(file, std::ios::binary);
    std::string head(kHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

} // namespace zeltar
