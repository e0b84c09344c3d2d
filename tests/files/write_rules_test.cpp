// The writer's rules beyond its temporary file: links in shared folders, outputs over their
// inputs, the replaced file's extended attributes, and the leftovers of killed saves.
#include "file_test_support.h"
#include "files/write_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zeltar::files::testing {
namespace {

constexpr uid_t kNobody = 65534;
constexpr std::time_t kSecondsPerHour = 3600;

// --- links in sticky folders writable by everyone -----------------------------------------------

struct SharedFolderCase {
    const char* name;
    mode_t folderMode;
    uid_t folderOwner;
    uid_t linkOwner;
    bool followed;
};

class SharedFolderLinks : public ::testing::TestWithParam<SharedFolderCase> {};

// Guards a report, summary PDF or project save that follows another user's link planted in /tmp
// into that user's files: the system's rule for such folders, applied to the links the writer
// follows itself. The link points to an existing file and to a file that does not exist yet.
TEST_P(SharedFolderLinks, AnotherUsersLinkIsRefusedOnlyWhereTheSystemWouldRefuseIt)
{
    const SharedFolderCase& c = GetParam();
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    Folder shared("-shared");
    Folder victims("-victims");
    ASSERT_EQ(::chmod(shared.path().c_str(), c.folderMode), 0);
    ASSERT_EQ(::chown(shared.path().c_str(), c.folderOwner, static_cast<gid_t>(-1)), 0);
    const std::string existing = victims.file("thesis.txt");
    Put(existing, "the victim's work");
    const std::string fresh = victims.file("created.txt");
    for (const auto& [linkName, pointed] : {std::pair{"report.pdf", existing}, std::pair{"new.pdf", fresh}}) {
        const std::string link = shared.file(linkName);
        fs::create_symlink(pointed, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, static_cast<gid_t>(-1)), 0);
        const std::optional<FileError> error = WriteFileSafely(link, "written");
        EXPECT_EQ(!error, c.followed) << linkName << ": " << (error ? error->message : "written");
        if (error) {
            EXPECT_EQ(error->error, EACCES);
            EXPECT_NE(error->message.find("«" + link + "» в общей папке"), std::string::npos) << error->message;
            EXPECT_NE(error->message.find("принадлежит другому пользователю"), std::string::npos);
        }
        EXPECT_TRUE(fs::is_symlink(link));
    }
    EXPECT_EQ(Bytes(existing), c.followed ? "written" : "the victim's work");
    EXPECT_EQ(fs::exists(fresh), c.followed);
    EXPECT_EQ(shared.names(), (std::vector<std::string>{"new.pdf", "report.pdf"}));
}

INSTANTIATE_TEST_SUITE_P(
    Rule, SharedFolderLinks,
    ::testing::Values(SharedFolderCase{"StickyWorldWritableOtherUsersLink", 01777, 0, kNobody, false},
                      SharedFolderCase{"StickyWorldWritableOwnLink", 01777, 0, 0, true},
                      SharedFolderCase{"StickyWorldWritableFolderOwnersLink", 01777, kNobody, kNobody, true},
                      SharedFolderCase{"WorldWritableNotSticky", 0777, 0, kNobody, true},
                      SharedFolderCase{"StickyNotWorldWritable", 01775, 0, kNobody, true}),
    [](const ::testing::TestParamInfo<SharedFolderCase>& row) { return std::string(row.param.name); });

// --- outputs never replace their inputs ---------------------------------------------------------

// Guards a summary PDF written over one of its rooms: every input counts, through a link, a hard
// link or another spelling of the path; an output that is none of them is written.
TEST(WriteFile, AnOutputThatIsOneOfItsInputsIsRefused)
{
    Folder folder;
    const std::string a = folder.file("a.zlt");
    const std::string b = folder.file("b.zlt");
    Put(a, "room a");
    Put(b, "room b");
    fs::create_symlink("b.zlt", folder.file("link.pdf"));
    fs::create_hard_link(b, folder.file("hard.pdf"));
    fs::create_directory(folder.file("x"));
    const std::vector<std::string> inputs = {a, folder.file("./b.zlt")};
    for (const std::string& output : {b, folder.file("link.pdf"), folder.file("hard.pdf"), folder.file("x/../b.zlt")}) {
        for (const std::optional<FileError>& error :
             {WriteFileSafely(output, "pdf", inputs), RefuseOutputOverInputs(output, inputs)}) {
            ASSERT_TRUE(error.has_value()) << output;
            EXPECT_NE(error->message.find("это тот же файл, что и исходный «" + folder.file("./b.zlt") + "»"),
                      std::string::npos)
                << error->message;
        }
    }
    EXPECT_EQ(Bytes(b), "room b");
    EXPECT_EQ(RefuseOutputOverInputs(folder.file("new.pdf"), inputs), std::nullopt);
    EXPECT_EQ(WriteFileSafely(folder.file("new.pdf"), "pdf", inputs), std::nullopt);
    EXPECT_EQ(Bytes(folder.file("new.pdf")), "pdf");
}

// --- extended attributes and the access control list -------------------------------------------

// An access control list in the system's stored form: user::rw-, user nobody r--, group::r--,
// mask::r--, other::---.
std::string AccessControlList()
{
    struct Entry {
        std::uint16_t tag, permissions;
        std::uint32_t id;
    };
    constexpr std::uint32_t kVersion = 2;
    constexpr std::uint32_t kNoId = 0xFFFFFFFF;
    const Entry entries[] = {
        {0x01, 6, kNoId}, {0x02, 4, kNobody}, {0x04, 4, kNoId}, {0x10, 4, kNoId}, {0x20, 0, kNoId}};
    std::string bytes(reinterpret_cast<const char*>(&kVersion), sizeof kVersion);
    bytes.append(reinterpret_cast<const char*>(entries), sizeof entries);
    return bytes;
}

std::string Attribute(const std::string& path, const char* name)
{
    char value[256];
    const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
    return n < 0 ? "<none>" : std::string(value, static_cast<std::size_t>(n));
}

// Guards a save that drops the file's extended attributes and its access control list (a colleague
// loses read access, a tag is gone): the new file carries them, as `cp --preserve=xattr` does,
// also when the target is reached through a link.
TEST(WriteFile, TheReplacedFilesAttributesAndAccessListAreKept)
{
    Folder folder;
    const std::string target = folder.file("p.zlt");
    Put(target, "old");
    if (::setxattr(target.c_str(), "user.zeltar.note", "holodilnik", 10, 0) != 0)
        GTEST_SKIP() << "no user attributes on this file system: " << std::strerror(errno);
    ASSERT_EQ(::setxattr(target.c_str(), "user.empty", "", 0, 0), 0);
    const std::string acl = AccessControlList();
    const bool withAcl = ::setxattr(target.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
    fs::create_symlink("p.zlt", folder.file("link.zlt"));
    for (const std::string& path : {target, folder.file("link.zlt")}) {
        ASSERT_EQ(WriteFileSafely(path, "new"), std::nullopt);
        EXPECT_EQ(Bytes(target), "new");
        EXPECT_EQ(Attribute(target, "user.zeltar.note"), "holodilnik");
        EXPECT_EQ(Attribute(target, "user.empty"), "");
        if (withAcl) {
            EXPECT_EQ(Attribute(target, "system.posix_acl_access"), acl);
            EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640)) << "the list's mask is the group bits";
        }
    }
}

// --- leftovers of killed saves -------------------------------------------------------------------

void Age(const std::string& path, std::time_t hours)
{
    const timespec times[2] = {{std::time(nullptr) - hours * kSecondsPerHour, 0},
                               {std::time(nullptr) - hours * kSecondsPerHour, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// Guards temporary files of killed saves piling up for ever, and a clean-up that removes anything
// but them: a save removes the writer's own leftovers older than a day, and nothing else — no
// younger one (a save in progress), no link (nor what it points to), folder, file of another
// user or file with a second name, nor a name merely like the pattern.
TEST(WriteFile, ASaveRemovesItsFoldersLeftoversOlderThanADay)
{
    Folder folder;
    Folder elsewhere("-elsewhere");
    const std::string victim = elsewhere.file("victim");
    Put(victim, "keep");
    std::vector<std::string> kept = {"p.zlt"};
    auto leave = [&](const std::string& name, std::time_t hours, bool removed) {
        if (!fs::exists(folder.file(name)) && !fs::is_symlink(folder.file(name)))
            Put(folder.file(name), "half a save");
        Age(folder.file(name), hours);
        if (!removed)
            kept.push_back(name);
    };
    leave(".p.zlt.zeltar-AbC123", 25, true);
    leave(".other.pdf.zeltar-x9Y8z7", 24 * 30, true);
    leave(".p.zlt.zeltar-Fresh1", 23, false);
    leave(".p.zlt.zeltar-AbC12", 48, false);
    leave("p.zlt.zeltar-AbC123", 48, false);
    leave(".p.zlt.zeltar-AbC123.bak", 48, false);
    leave(".p.zlt.zeltar_AbC123", 48, false);
    leave(".p.zlt.zeltar-AbC12!", 48, false);
    fs::create_symlink(victim, folder.file(".link.zeltar-Link01"));
    leave(".link.zeltar-Link01", 48, false);
    fs::create_directory(folder.file(".dir.zeltar-Dir001"));
    leave(".dir.zeltar-Dir001", 48, false);
    Put(folder.file(".two.zeltar-Twice1"), "two names");
    fs::create_hard_link(folder.file(".two.zeltar-Twice1"), folder.file("second-name"));
    leave(".two.zeltar-Twice1", 48, false);
    leave("second-name", 48, false);
    if (::geteuid() == 0) {
        Put(folder.file(".theirs.zeltar-Nobody"), "another user's");
        ASSERT_EQ(::chown(folder.file(".theirs.zeltar-Nobody").c_str(), kNobody, kNobody), 0);
        leave(".theirs.zeltar-Nobody", 48, false);
    }
    Put(folder.file("p.zlt"), "old");

    ASSERT_EQ(WriteFileSafely(folder.file("p.zlt"), "new"), std::nullopt);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(folder.names(), kept);
    EXPECT_EQ(Bytes(victim), "keep");
}

} // namespace
} // namespace zeltar::files::testing
