// Reading a file the user named: special files are refused at once, sizes are bounded.
#include "file_test_support.h"
#include "files/read_file.h"

#include <sys/stat.h>

namespace zeltar::files::testing {
namespace {

std::string MessageOf(const std::variant<std::string, FileError>& result)
{
    const auto* error = std::get_if<FileError>(&result);
    return error ? error->message : "read: " + std::get<std::string>(result);
}

// Guards `calc`, `report` and the window's load waiting for ever on a FIFO or reading a device
// endlessly: refused before the first read, naming what the file is.
TEST(ReadFile, RefusesWhatIsNoRegularFileAtOnce)
{
    Folder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    fs::create_directory(folder.file("dir"));
    const std::pair<std::string, std::string> cases[] = {
        {folder.file("fifo"), "это именованный канал (FIFO), а не файл"},
        {"/dev/zero", "это устройство, а не файл"},
        {folder.file("dir"), "это папка, а не файл"},
    };
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(MessageOf(ReadFileBytes(path, 1000)), "Не удалось открыть файл «" + path + "»: " + reason + ".");
}

TEST(ReadFile, ReadsRegularFilesWithinTheirSize)
{
    Folder folder;
    Put(folder.file("p.zlt"), std::string("a\0b", 3));
    auto read = ReadFileBytes(folder.file("p.zlt"), 3);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << MessageOf(read);
    EXPECT_EQ(std::get<std::string>(read), std::string("a\0b", 3));
    EXPECT_EQ(MessageOf(ReadFileBytes(folder.file("p.zlt"), 2)),
              "Файл «" + folder.file("p.zlt") + "» слишком велик: больше 1 МБ.");
}

} // namespace
} // namespace zeltar::files::testing
