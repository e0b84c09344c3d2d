// Helpers of the object tests: a scratch folder with room files copied from the reference
// projects, object files and links in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace zeltar::object::testing {

inline std::string ReferenceProject(const std::string& name)
{
    return std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/" + name + ".zlt";
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                ("zeltar-object-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string path(const std::string& relative) const { return (root_ / relative).string(); }

    // Copies a reference project to `relative` (folders made as needed); returns its path.
    std::string copyProject(const std::string& name, const std::string& relative) const
    {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::filesystem::copy_file(ReferenceProject(name), root_ / relative,
                                   std::filesystem::copy_options::overwrite_existing);
        return path(relative);
    }

    std::string write(const std::string& relative, const std::string& text) const
    {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << text;
        return path(relative);
    }

    std::filesystem::path root_;
};

} // namespace zeltar::object::testing
