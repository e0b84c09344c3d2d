#include "project_test_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zeltar::projectfile::testing {

std::filesystem::path ReferenceDir()
{
    return std::filesystem::path(ZELTAR_TEST_DATA_DIR) / "reference-projects";
}

std::vector<std::filesystem::path> ReferenceFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ReferenceDir()))
        if (entry.path().extension() == ".zlt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitCrLf(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string_view::npos; start = end + 2)
        lines.emplace_back(bytes.substr(start, end - start));
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string DefaultsWithLine(int line, std::string_view bytes)
{
    std::vector<std::string> lines = SplitCrLf(ReadBytes(ReferenceDir() / "defaults.zlt"));
    lines.at(static_cast<std::size_t>(line - 1)) = std::string(bytes);
    return JoinCrLf(lines);
}

} // namespace zeltar::projectfile::testing
