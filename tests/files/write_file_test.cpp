// The one file routine: what it leaves on disk in every case a hostile folder or a full disk can
// make.
#include "file_test_support.h"
#include "files/write_file.h"

#include <cerrno>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeltar::files::testing {
namespace {

constexpr uid_t kNobody = 65534;

mode_t ModeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

// Runs `work` in a child process and returns its exit code (-1 when it did not exit).
template <typename Work>
int InChild(Work work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Guards a save that writes into the file a planted link points to, or replaces the project by the
// link: no name beside the target is ever opened, whatever it holds.
TEST(WriteFile, PlantedLinksBesideTheTargetAreNeverFollowed)
{
    Folder folder;
    Folder elsewhere("-elsewhere");
    const std::string victim = elsewhere.file("victim");
    Put(victim, "secret");
    const std::string target = folder.file("p.zlt");
    Put(target, "old");
    for (const char* name : {".p.zlt.zeltar-tmp", "p.zlt.part", ".p.zlt.zeltar-XXXXXX", "p.zlt~", ".p.zlt.swp",
                             "p.zlt.tmp", ".p.zlt.zeltar-000000"})
        fs::create_symlink(victim, folder.file(name));
    const std::vector<std::string> before = folder.names();
    for (int save = 0; save < 20; ++save)
        ASSERT_EQ(WriteFileSafely(target, "new " + std::to_string(save)), std::nullopt);
    EXPECT_EQ(Bytes(target), "new 19");
    EXPECT_EQ(Bytes(victim), "secret");
    EXPECT_EQ(folder.names(), before) << "a temporary file stayed behind or a link was replaced";
    for (const std::string& name : before)
        EXPECT_TRUE(name == "p.zlt" || fs::read_symlink(folder.file(name)) == victim) << name;
}

struct LinkCase {
    const char* name;
    const char* linkTarget; // relative to the link's folder ("sub/")
    const char* realFile;   // relative to the test folder
    bool realExists;
};

class WriteThroughLink : public ::testing::TestWithParam<LinkCase> {};

// Guards a save through a link that replaces the link by a file and never updates the project.
TEST_P(WriteThroughLink, WritesTheFileTheLinkPointsToAndKeepsTheLink)
{
    const LinkCase& c = GetParam();
    Folder folder;
    fs::create_directories(folder.path() / "sub");
    fs::create_directories(folder.path() / "real");
    if (c.realExists)
        Put(folder.file(c.realFile), "old");
    fs::create_symlink("../real/middle", folder.file("real/chain"));
    fs::create_symlink("p.zlt", folder.file("real/middle"));
    const std::string link = folder.file("sub/link.zlt");
    fs::create_symlink(c.linkTarget, link);
    ASSERT_EQ(WriteFileSafely(link, "new"), std::nullopt);
    EXPECT_TRUE(S_ISLNK(ModeOf(link)));
    EXPECT_EQ(Bytes(folder.file(c.realFile)), "new");
    EXPECT_EQ(fs::read_symlink(link), c.linkTarget);
}

INSTANTIATE_TEST_SUITE_P(Links, WriteThroughLink,
                         ::testing::Values(LinkCase{"Relative", "../real/p.zlt", "real/p.zlt", true},
                                           LinkCase{"Chain", "../real/chain", "real/p.zlt", true},
                                           LinkCase{"Dangling", "../real/new.zlt", "real/new.zlt", false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(WriteFile, LinksThatNeverEndAreRefusedWithTheirReason)
{
    Folder folder;
    fs::create_symlink("b", folder.file("a"));
    fs::create_symlink("a", folder.file("b"));
    const std::optional<FileError> error = WriteFileSafely(folder.file("a"), "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, "Не удалось записать файл «" + folder.file("a") +
                                  "»: слишком много символических ссылок (ссылка указывает сама на себя?).");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a", "b"}));
}

// Guards a 0600 project becoming world-readable 0644 on its next save.
TEST(WriteFile, KeepsThePermissionBitsAndTheNewFileFollowsTheUmask)
{
    Folder folder;
    for (const mode_t mode : {0600, 0640, 0755, 0660}) {
        const std::string path = folder.file("p.zlt");
        Put(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_EQ(WriteFileSafely(path, "new"), std::nullopt);
        EXPECT_EQ(ModeOf(path) & 07777, mode);
        EXPECT_EQ(Bytes(path), "new");
    }
    const mode_t previous = ::umask(027);
    ASSERT_EQ(WriteFileSafely(folder.file("fresh.zlt"), "x"), std::nullopt);
    ::umask(previous);
    EXPECT_EQ(ModeOf(folder.file("fresh.zlt")) & 07777, 0640u);
}

// The chosen behaviour for hard links (see write_file.h): the named file is replaced whole, its
// other names keep the old content.
TEST(WriteFile, AHardLinkedTargetIsReplacedWholeAndItsOtherNamesKeepTheOldContent)
{
    Folder folder;
    Put(folder.file("p.zlt"), "old");
    fs::create_hard_link(folder.file("p.zlt"), folder.file("other.zlt"));
    ASSERT_EQ(WriteFileSafely(folder.file("p.zlt"), "new"), std::nullopt);
    EXPECT_EQ(Bytes(folder.file("p.zlt")), "new");
    EXPECT_EQ(Bytes(folder.file("other.zlt")), "old");
}

// Guards a save that hangs on a FIFO, writes into a device or replaces a folder's entry.
TEST(WriteFile, RefusesTargetsThatAreNoRegularFile)
{
    Folder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    fs::create_directory(folder.file("dir"));
    fs::create_symlink("/dev/null", folder.file("null-link"));
    const std::pair<std::string, std::string> cases[] = {
        {folder.file("fifo"), "это именованный канал (FIFO), а не обычный файл"},
        {folder.file("dir"), "это папка, а не файл"},
        {"/dev/null", "это устройство, а не обычный файл"},
        {folder.file("null-link"), "это устройство, а не обычный файл"},
    };
    for (const auto& [path, reason] : cases) {
        const std::optional<FileError> error = WriteFileSafely(path, "x");
        ASSERT_TRUE(error.has_value()) << path;
        EXPECT_EQ(error->message, "Не удалось записать файл «" + path + "»: " + reason + ".");
    }
    EXPECT_TRUE(S_ISFIFO(ModeOf(folder.file("fifo"))));
    EXPECT_TRUE(S_ISLNK(ModeOf(folder.file("null-link"))));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"dir", "fifo", "null-link"}));
}

// Guards a save that silently replaces a read-only file: as an ordinary user (nobody, when the
// test runs as root) the file stays, while the same user may replace a writable file beside it.
TEST(WriteFile, RefusesAReadOnlyFileAsAnOrdinaryUser)
{
    Folder folder;
    const std::string locked = folder.file("locked.zlt");
    const std::string open = folder.file("open.zlt");
    Put(locked, "old");
    Put(open, "old");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
        ASSERT_EQ(::chown(locked.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(open.c_str(), kNobody, kNobody), 0);
    }
    const int result = InChild([&] {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            return 10;
        const std::optional<FileError> refused = WriteFileSafely(locked, "new");
        if (!refused)
            return 1;
        if (refused->message != "Не удалось записать файл «" + locked + "»: файл защищён от записи.")
            return 2;
        return WriteFileSafely(open, "new") ? 3 : 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Bytes(locked), "old");
    EXPECT_EQ(Bytes(open), "new");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"locked.zlt", "open.zlt"}));
}

TEST(WriteFile, FolderErrorsNameTheFolderAndTheReason)
{
    Folder folder;
    const std::string missing = folder.file("нет/p.zlt");
    std::optional<FileError> error = WriteFileSafely(missing, "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message,
              "Не удалось записать файл «" + missing + "»: папка «" + folder.file("нет") + "» не найдена.");
    const std::string longName = folder.file(std::string(300, 'a'));
    error = WriteFileSafely(longName, "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, "Не удалось записать файл «" + longName + "»: слишком длинное имя файла.");
    // A name near the limit still gets its temporary file beside it.
    EXPECT_EQ(WriteFileSafely(folder.file(std::string(255, 'b')), "x"), std::nullopt);
}

} // namespace
} // namespace zeltar::files::testing
