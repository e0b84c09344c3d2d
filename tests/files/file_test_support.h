// A private folder per test, and the helpers the file tests share.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace zeltar::files::testing {

namespace fs = std::filesystem;

class Folder {
public:
    explicit Folder(const std::string& tag = "")
    {
        // One folder level: a parameterised test's name ("Name/Row") must not leave a parent behind.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name() + tag;
        std::replace(name.begin(), name.end(), '/', '-');
        path_ = fs::temp_directory_path() / ("zeltar-files-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }
    // The names in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> list;
        for (const auto& entry : fs::directory_iterator(path_))
            list.push_back(entry.path().filename().string());
        std::sort(list.begin(), list.end());
        return list;
    }

private:
    fs::path path_;
};

inline std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void Put(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace zeltar::files::testing
