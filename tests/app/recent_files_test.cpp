// The recent files list: newest first, each file once, at most eight, kept across starts in the
// user's configuration folder.
#include "app/recent_files.h"
#include "form_test_support.h"

#include <filesystem>
#include <fstream>

namespace zeltar::test {
namespace {

using recent::RecentFiles;

std::vector<std::string> Paths(std::initializer_list<int> numbers)
{
    std::vector<std::string> paths;
    for (int n : numbers)
        paths.push_back("/p/" + std::to_string(n) + ".zlt");
    return paths;
}

TEST(RecentFiles, NewestFirstEachOnceAtMostEight)
{
    RecentFiles files;
    for (int n = 1; n <= 10; ++n)
        files.use("/p/" + std::to_string(n) + ".zlt");
    EXPECT_EQ(files.paths(), Paths({10, 9, 8, 7, 6, 5, 4, 3}));
    files.use("/p/5.zlt"); // used again: moves to the front, not repeated
    EXPECT_EQ(files.paths(), Paths({5, 10, 9, 8, 7, 6, 4, 3}));
    files.remove("/p/9.zlt");
    files.remove("/p/unknown.zlt");
    EXPECT_EQ(files.paths(), Paths({5, 10, 8, 7, 6, 4, 3}));
}

TEST(RecentFiles, PathsThatCannotStandOnALineAreNotKept)
{
    RecentFiles files;
    for (const std::string path : {"", "/p/a\nb.zlt", "/p/a\rb.zlt"})
        files.use(path);
    EXPECT_TRUE(files.paths().empty());
}

TEST(RecentFiles, TextRoundTripDropsBlankLinesRepeatsAndTheSurplus)
{
    RecentFiles files;
    files.use("/p/Проект №1.zlt");
    files.use("/p/b c.zlo");
    EXPECT_EQ(RecentFiles::FromText(files.text()).paths(), files.paths());
    const RecentFiles stored = RecentFiles::FromText(
        "/p/1.zlt\n\n/p/2.zlt\n/p/1.zlt\n/p/3.zlt\n/p/4.zlt\n/p/5.zlt\n"
        "/p/6.zlt\n/p/7.zlt\n/p/8.zlt\n/p/9.zlt");
    EXPECT_EQ(stored.paths(), Paths({1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(RecentFiles, ConfigFolderFollowsTheXdgRules)
{
    EXPECT_EQ(recent::ConfigFolder("/cfg", "/home/u"), "/cfg/zeltar");
    EXPECT_EQ(recent::ConfigFolder("relative", "/home/u"), "/home/u/.config/zeltar");
    EXPECT_EQ(recent::ConfigFolder(nullptr, "/home/u"), "/home/u/.config/zeltar");
    EXPECT_EQ(recent::ConfigFolder("", ""), "");
    EXPECT_EQ(recent::ConfigFolder(nullptr, nullptr), "");
}

// Written into a folder not made yet and read back; a missing or foreign file reads as empty.
TEST(RecentFiles, SurviveARestartThroughTheConfigFolder)
{
    TempDir dir;
    const std::string list = recent::ConfigFolder(dir.path().c_str(), nullptr) + "/recent-projects";
    EXPECT_TRUE(recent::ReadRecentFiles(list).paths().empty());
    RecentFiles files;
    files.use("/p/1.zlt");
    files.use("/p/2.zlt");
    EXPECT_EQ(recent::WriteRecentFiles(list, files), std::nullopt);
    EXPECT_EQ(recent::ReadRecentFiles(list).paths(), Paths({2, 1}));
    EXPECT_EQ(recent::ReadRecentFiles(list + "-none").paths(), std::vector<std::string>{});

    // A file where the folder should be: the write fails with a message naming the folder.
    const std::string blocked = dir.file("blocked");
    std::ofstream(blocked) << "x";
    const std::optional<std::string> error = recent::WriteRecentFiles(blocked + "/zeltar/recent-projects", files);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(blocked), std::string::npos) << *error;
}

} // namespace
} // namespace zeltar::test
