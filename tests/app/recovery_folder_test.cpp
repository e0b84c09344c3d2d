// The recovery folder is private: made 0700, copies 0600, a folder that others own or may write to
// refused and said once, links in it never followed.
#include "app/recovery_copy.h"
#include "app/recovery_folder.h"
#include "form_test_support.h"

#include <functional>
#include <set>

#include <sys/stat.h>

namespace zeltar::test {
namespace {

using recovery::FolderStatus;
using recovery::WindowCopy;
using Kind = FolderStatus::Kind;

constexpr std::int64_t kStart = 1'765'000'000;
constexpr uid_t kUser = 1000;
constexpr uid_t kOtherUser = 1001;

mode_t ModeOf(const std::string& path)
{
    struct stat facts {};
    EXPECT_EQ(::lstat(path.c_str(), &facts), 0) << path;
    return facts.st_mode & 07777;
}

// The process's file creation mask for one test.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

TEST(RecoveryFolder, OnlyAFolderOfTheUserThatOthersCannotWriteToIsUsed)
{
    struct Row {
        mode_t mode;
        uid_t owner;
        Kind kind;
    };
    for (const Row row :
         {Row{S_IFDIR | 0700, kUser, Kind::Usable}, Row{S_IFDIR | 0755, kUser, Kind::Usable},
          Row{S_IFDIR | 0770, kUser, Kind::OpenToOthers}, Row{S_IFDIR | 0702, kUser, Kind::OpenToOthers},
          Row{S_IFDIR | 01777, kUser, Kind::OpenToOthers}, Row{S_IFDIR | 0700, kOtherUser, Kind::ForeignOwner},
          Row{S_IFREG | 0600, kUser, Kind::NotAFolder}, Row{S_IFLNK | 0777, kUser, Kind::Link}})
        EXPECT_EQ(recovery::JudgeFolder(row.mode, row.owner, kUser), row.kind)
            << std::oct << row.mode << " " << row.owner;
}

TEST(RecoveryFolder, FolderIsMade0700AndCopiesAre0600WhateverTheMask)
{
    TempDir dir;
    const Umask open(0);
    const std::string folder = dir.file("state/zeltar/recovery");
    FormModel form{std::string(kToday)};
    WindowCopy copy(folder, 1);
    ASSERT_TRUE(copy.active());
    EXPECT_EQ(copy.takeNotice(), "");
    Enter(form, Control::RoomLength, "12");
    ASSERT_TRUE(copy.poll(form, kStart));
    for (const std::string& made : {dir.file("state"), dir.file("state/zeltar"), folder})
        EXPECT_EQ(ModeOf(made), 0700u) << made;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(ModeOf(entry.path().string()), 0600u) << entry.path();
}

// A folder that cannot hold private copies is refused: no copy, nothing written in it, and the user
// is told once why.
TEST(RecoveryFolder, AFolderThatCannotBePrivateIsRefusedAndSaidOnce)
{
    struct Row {
        const char* what;
        std::function<void(const std::string& folder)> plant;
        std::string reason;
    };
    const std::vector<Row> rows{
        {"a file", [](const std::string& folder) { std::ofstream(folder) << "x"; }, "находится файл"},
        {"a link to a folder",
         [](const std::string& folder) {
             std::filesystem::create_directory(folder + "-elsewhere");
             std::filesystem::create_directory_symlink(folder + "-elsewhere", folder);
         },
         "находится символическая ссылка"},
        {"a folder others may write to",
         [](const std::string& folder) {
             std::filesystem::create_directory(folder);
             ::chmod(folder.c_str(), 01777);
         },
         "могут записывать другие пользователи"},
        {"a file above the folder", [](const std::string& folder) { std::ofstream(folder + "-parent") << "x"; },
         "в пути есть файл там, где должна быть папка"},
    };
    for (const Row& row : rows) {
        TempDir dir;
        std::string folder = dir.file("recovery");
        row.plant(folder);
        if (std::string(row.what) == "a file above the folder")
            folder += "-parent/recovery";
        const auto before = std::distance(std::filesystem::recursive_directory_iterator(dir.path()), {});
        FormModel form{std::string(kToday)};
        WindowCopy copy(folder, 2);
        EXPECT_FALSE(copy.active()) << row.what;
        const std::string notice = copy.takeNotice();
        EXPECT_TRUE(notice.starts_with("Копии несохранённой работы не ведутся: ")) << row.what << ": " << notice;
        EXPECT_NE(notice.find("«" + folder + "»"), std::string::npos) << notice;
        EXPECT_NE(notice.find(row.reason), std::string::npos) << row.what << ": " << notice;
        Enter(form, Control::RoomLength, "12");
        EXPECT_FALSE(copy.poll(form, kStart)) << row.what;
        EXPECT_EQ(copy.takeNotice(), "") << row.what << ": said once";
        EXPECT_FALSE(recovery::SettleLeftCopies(folder, form, [](const std::string&) {
                         return recovery::Answer::Restore;
                     }).restored);
        EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(dir.path()), {}), before) << row.what;
    }
}

TEST(RecoveryFolder, NoHomeAndNoStateFolderIsSaid)
{
    WindowCopy copy(recovery::RecoveryFolder(nullptr, nullptr), 3);
    EXPECT_FALSE(copy.active());
    EXPECT_NE(copy.takeNotice().find("нет ни XDG_STATE_HOME, ни HOME"), std::string::npos);
}

// Links planted in the folder (dangling ones where a window's lock, copy and record lie, a link to
// a real project as a left copy): nothing is created, read or changed where they point, and they
// are never offered.
TEST(RecoveryFolder, LinksInTheFolderAreNeverFollowed)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    const std::string project = dir.file("chosen.zlt");
    {
        FormModel form{std::string(kToday)};
        ASSERT_TRUE(form.saveProject({true, project}));
    }
    const std::string projectBytes = FileBytes(project);
    std::filesystem::create_directories(folder);
    ::chmod(folder.c_str(), 0700);
    for (const std::string suffix : {".lock", ".zlt", ".info"})
        std::filesystem::create_symlink(dir.file("planted" + suffix), folder + "/window-9-dead" + suffix);
    std::filesystem::create_symlink(dir.file("planted.locking"), folder + "/.window-8-dead.locking");
    std::filesystem::create_symlink(project, folder + "/window-7-real.zlt");
    std::ofstream(folder + "/window-7-real.info") << recovery::FormatRecord({project, kStart, false, 7});

    FormModel form{std::string(kToday)};
    const recovery::Settled settled = recovery::SettleLeftCopies(folder, form, [](const std::string&) {
        ADD_FAILURE() << "a link was offered as a copy";
        return recovery::Answer::Restore;
    });
    EXPECT_FALSE(settled.restored);
    WindowCopy copy(folder, 10);
    ASSERT_TRUE(copy.active());
    Enter(form, Control::RoomLength, "12");
    ASSERT_TRUE(copy.poll(form, kStart));
    copy.finish();

    std::set<std::string> outside;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        outside.insert(entry.path().filename().string());
    EXPECT_EQ(outside, (std::set<std::string>{"chosen.zlt", "recovery"}));
    EXPECT_EQ(FileBytes(project), projectBytes);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        ADD_FAILURE() << "left in the folder: " << entry.path();
}

} // namespace
} // namespace zeltar::test
