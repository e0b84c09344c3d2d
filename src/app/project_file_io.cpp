#include "app/project_file_io.h"

#include "projectfile/file_kind.h"

#include <variant>

namespace zeltar {

bool IsObjectFile(const std::string& path)
{
    const auto bytes = files::ReadFileBytes(path, kLargestProjectFileBytes);
    const auto* text = std::get_if<std::string>(&bytes);
    return text != nullptr && projectfile::RecognizeFile(*text).kind == projectfile::FileKind::ObjectFile;
}

} // namespace zeltar
