// Reference project files and hostile variants of them for the project file tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::projectfile::testing {

std::filesystem::path ReferenceDir();
std::vector<std::filesystem::path> ReferenceFiles(); // every *.zlt, sorted
std::string ReadBytes(const std::filesystem::path& path);

// The file's lines (Windows-1251 bytes, without line ends).
std::vector<std::string> SplitCrLf(std::string_view bytes);
std::string JoinCrLf(const std::vector<std::string>& lines);

// defaults.zlt with line `line` (1-based) replaced by `bytes`.
std::string DefaultsWithLine(int line, std::string_view bytes);

} // namespace zeltar::projectfile::testing
