// The object file: its text read and written, hostile texts, and room paths relative to the
// object's folder.
#include "object/object_file.h"

#include "object_test_support.h"

#include <gtest/gtest.h>

namespace zeltar::object::testing {
namespace {

TEST(ObjectText, WrittenTextReadsBackToTheSameDocument)
{
    ObjectDocument document{"Распределительный центр «Север»", {-2.5, 0.85},
                            {{"камеры/минус 20.zlt", ""}, {"../общие/экспедиция.zlt", "Экспедиция = 1"}}};
    const std::string text = ObjectText(document);
    EXPECT_EQ(text, "ZELTAR-OBJECT 1\n"
                    "name = Распределительный центр «Север»\n"
                    "level-boundary = -2,5\n"
                    "simultaneity = 0,85\n"
                    "room = камеры/минус 20.zlt\n"
                    "room = ../общие/экспедиция.zlt\n"
                    "room-name = Экспедиция = 1\n");
    const auto parsed = ParseObjectText(text, "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    EXPECT_EQ(std::get<ParsedObject>(parsed).document, document);
    EXPECT_TRUE(std::get<ParsedObject>(parsed).warnings.empty());
}

TEST(ObjectText, LineBreaksInANameCannotBreakTheFile)
{
    const std::string text = ObjectText({"два\nслова", {}, {{"a.zlt", "room = b.zlt"}}});
    const auto parsed = ParseObjectText(text, "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    const ObjectDocument& document = std::get<ParsedObject>(parsed).document;
    EXPECT_EQ(document.name, "два слова");
    ASSERT_EQ(document.rooms.size(), 1u);
    EXPECT_EQ(document.rooms[0].displayName, "room = b.zlt");
}

struct ReadCase {
    const char* what;
    std::string text;
    ObjectOptions options;
    std::size_t rooms;
    std::size_t warnings;
};

class ObjectTextAccepted : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ObjectTextAccepted, KeepsWhatItCanAndWarnsOfTheRest)
{
    const auto parsed = ParseObjectText(GetParam().text, "объект.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed)) << std::get<FileError>(parsed).message;
    const ParsedObject& object = std::get<ParsedObject>(parsed);
    EXPECT_EQ(object.document.options, GetParam().options);
    EXPECT_EQ(object.document.rooms.size(), GetParam().rooms);
    EXPECT_EQ(object.warnings.size(), GetParam().warnings);
    for (const std::string& warning : object.warnings)
        EXPECT_NE(warning.find("«объект.zlo», строка "), std::string::npos) << warning;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ObjectTextAccepted,
    ::testing::Values(
        ReadCase{"defaults", "ZELTAR-OBJECT 1\n", {-5, 1}, 0, 0},
        ReadCase{"byte order mark, CR LF, comments, blank lines, point or comma",
                 "\xEF\xBB\xBFZELTAR-OBJECT 1\r\n# комментарий\r\n\r\nlevel-boundary = 0.5\r\n"
                 "simultaneity=0,7\r\nroom = a.zlt\r\n",
                 {0.5, 0.7}, 1, 0},
        ReadCase{"bad numbers keep the defaults", "ZELTAR-OBJECT 1\nlevel-boundary = минус пять\nsimultaneity = 1,0,0\n",
                 {-5, 1}, 0, 2},
        ReadCase{"options out of range are brought into it",
                 "ZELTAR-OBJECT 1\nlevel-boundary = -300\nsimultaneity = 0,2\n", {-50, 0.5}, 0, 2},
        ReadCase{"a factor above one", "ZELTAR-OBJECT 1\nsimultaneity = 1e3\n", {-5, 1}, 0, 1},
        ReadCase{"infinite and not-a-number values", "ZELTAR-OBJECT 1\nlevel-boundary = inf\nsimultaneity = nan\n",
                 {-5, 1}, 0, 2},
        ReadCase{"unknown lines, a line without '=', an empty room, a name before any room",
                 "ZELTAR-OBJECT 1\ncolour = red\njust text\nroom =\nroom-name = x\nroom = b.zlt\n", {-5, 1}, 1, 4},
        ReadCase{"the same room twice", "ZELTAR-OBJECT 1\nroom = a.zlt\nroom = a.zlt\n", {-5, 1}, 2, 0},
        ReadCase{"no line end after the last line", "ZELTAR-OBJECT 1\nroom = a.zlt", {-5, 1}, 1, 0}),
    [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST(ObjectText, RefusesWhatIsNoObjectFile)
{
    for (const std::string& text : {std::string(), std::string("room = a.zlt\n"), std::string("ZELTAR-OBJECT 2\n"),
                                   std::string("ZELTAR-OBJECT 1\nname = \xC0\xE1\n"),
                                   std::string("\xCF\xF0\xEE\xE5\xEA\xF2\r\n")}) {
        const auto parsed = ParseObjectText(text, "/папка/объект.zlo");
        ASSERT_TRUE(std::holds_alternative<FileError>(parsed)) << text;
        EXPECT_NE(std::get<FileError>(parsed).message.find("«/папка/объект.zlo»"), std::string::npos);
    }
}

// Fault: a long line (a file of another kind opened by mistake) quoted whole in a message.
TEST(ObjectText, QuotesAtMostFortyCharactersOfALine)
{
    const std::string longText(300, 'x');
    const std::string cut = "«" + std::string(40, 'x') + "…»";
    for (const std::string& line : {longText + " = 1", "simultaneity = " + longText}) {
        const auto parsed = ParseObjectText("ZELTAR-OBJECT 1\n" + line + "\n", "объект.zlo");
        ASSERT_EQ(std::get<ParsedObject>(parsed).warnings.size(), 1u);
        EXPECT_NE(std::get<ParsedObject>(parsed).warnings.front().find(cut), std::string::npos);
    }
    const auto refused = ParseObjectText("ZELTAR-OBJECT " + longText + "\n", "объект.zlo");
    EXPECT_NE(std::get<FileError>(refused).message.find(cut), std::string::npos);
}

using ObjectFile = ScratchFolder;

TEST_F(ObjectFile, RoomPathsAreRelativeOnDiskAndAbsoluteInMemory)
{
    const ObjectDocument document{"Объект", {}, {{path("камеры/a.zlt"), "А"}, {path("b.zlt"), ""},
                                                 {(root_.parent_path() / "c.zlt").string(), ""}}};
    ASSERT_FALSE(WriteObjectFile(path("объект.zlo"), document).has_value());
    std::ifstream in(path("объект.zlo"));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("room = камеры/a.zlt\nroom-name = А\nroom = b.zlt\nroom = ../c.zlt\n"), std::string::npos)
        << text;

    const auto read = ReadObjectFile(path("объект.zlo"));
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(read));
    EXPECT_EQ(std::get<ParsedObject>(read).document, document);
    EXPECT_FALSE(LeavesFolder(root_.string(), document.rooms[0].path));
    EXPECT_TRUE(LeavesFolder(root_.string(), document.rooms[2].path));
}

TEST_F(ObjectFile, ReadsAbsoluteAndLeavingPathsAsListed)
{
    write("o/x.zlo", "ZELTAR-OBJECT 1\nroom = /abs/a.zlt\nroom = ./sub/../b.zlt\nroom = ../../c.zlt\n");
    const auto read = ReadObjectFile(path("o/x.zlo"));
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(read));
    const auto& rooms = std::get<ParsedObject>(read).document.rooms;
    ASSERT_EQ(rooms.size(), 3u);
    EXPECT_EQ(rooms[0].path, "/abs/a.zlt");
    EXPECT_EQ(rooms[1].path, path("o/b.zlt"));
    EXPECT_EQ(rooms[2].path, (root_.parent_path() / "c.zlt").string());
}

TEST_F(ObjectFile, AMissingOrUnwritableFileIsAnErrorNamingIt)
{
    const auto read = ReadObjectFile(path("нет.zlo"));
    ASSERT_TRUE(std::holds_alternative<FileError>(read));
    EXPECT_TRUE(std::get<FileError>(read).notFound);
    const auto written = WriteObjectFile(path("нет/папки/x.zlo"), {});
    ASSERT_TRUE(written.has_value());
    EXPECT_NE(written->message.find(path("нет/папки/x.zlo")), std::string::npos);
}

} // namespace
} // namespace zeltar::object::testing
