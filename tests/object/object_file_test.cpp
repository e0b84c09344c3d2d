// The object file: its text read and written, hostile texts, and room paths relative to the
// object's folder.
#include "object/object_file.h"

#include "object_test_support.h"

#include "object/object_value_text.h"

#include <gtest/gtest.h>

#include <random>

// Data rows aligned by hand:
// clang-format off
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

TEST(ObjectText, TextsAPlainLineCannotKeepAreQuotedInAVersion2File)
{
    const ObjectDocument document{"два\nслова", {},
                                  {{" a.zlt", "room = b.zlt"}, {"\"b\\c\t.zlt\r", ""}, {"ж\xFF.zlt", " Камера\x1B"}}};
    const std::string text = ObjectText(document);
    EXPECT_EQ(text, "ZELTAR-OBJECT 2\n"
                    "name = \"два\\nслова\"\n"
                    "level-boundary = -5\n"
                    "simultaneity = 1\n"
                    "room = \" a.zlt\"\n"
                    "room-name = room = b.zlt\n"
                    "room = \"\\\"b\\\\c\\t.zlt\\r\"\n"
                    "room = \"ж\\xFF.zlt\"\n"
                    "room-name = \" Камера\\x1B\"\n");
    const auto parsed = ParseObjectText(text, "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    EXPECT_EQ(std::get<ParsedObject>(parsed).document, document);
    EXPECT_TRUE(std::get<ParsedObject>(parsed).warnings.empty());
}

// Random texts of the pieces that break a plain line or a careless quoting rule.
std::string RandomText(std::mt19937& random, bool asFileName)
{
    static const std::vector<std::string> pieces{" ", "\t", "\r", "\n", "\"", "\\", "=", "#", "a", "Ж", "ё", ".",
                                                "x.zlt", "\x1B]0;", "\xFF", "\x80", "\xD0", "/", std::string(1, '\0')};
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 8)(random);
    for (int k = 0; k < length; ++k) {
        if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
            text.push_back(static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random)));
            continue;
        }
        text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    if (!asFileName)
        return text;
    std::erase_if(text, [](char c) { return c == '/' || c == '\0'; });
    return text.empty() || text == "." || text == ".." ? text + "x" : text;
}

ObjectDocument RandomDocument(std::mt19937& random, const std::string& folder)
{
    ObjectDocument document{RandomText(random, false), {}, {}};
    const int rooms = std::uniform_int_distribution<int>(0, 4)(random);
    for (int k = 0; k < rooms; ++k) {
        const std::string name = RandomText(random, true);
        document.rooms.push_back({folder.empty() ? name : folder + "/" + name, RandomText(random, false)});
    }
    return document;
}

bool AnyTextNeedsQuotes(const ObjectDocument& document)
{
    bool any = NeedsQuotes(document.name);
    for (const ObjectRoom& room : document.rooms)
        any = any || NeedsQuotes(room.path) || NeedsQuotes(room.displayName);
    return any;
}

TEST(ObjectText, RandomTextsReadBackExactlyAndOnlyTheyMakeAVersion2File)
{
    std::mt19937 random(20261208);
    for (int k = 0; k < 2000; ++k) {
        const ObjectDocument document = RandomDocument(random, "");
        const std::string text = ObjectText(document);
        SCOPED_TRACE(text);
        EXPECT_EQ(text.starts_with("ZELTAR-OBJECT 2\n"), AnyTextNeedsQuotes(document));
        const auto parsed = ParseObjectText(text, "x.zlo");
        ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed)) << std::get<FileError>(parsed).message;
        EXPECT_EQ(std::get<ParsedObject>(parsed).document, document);
        EXPECT_TRUE(std::get<ParsedObject>(parsed).warnings.empty());
    }
}

TEST(ObjectText, AVersion1FileTakesQuotesAndBackslashesAsTheyStand)
{
    const auto parsed = ParseObjectText("ZELTAR-OBJECT 1\nname = \"Север\"\nroom = \"a\\t.zlt\"\n", "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    EXPECT_EQ(std::get<ParsedObject>(parsed).document.name, "\"Север\"");
    EXPECT_EQ(std::get<ParsedObject>(parsed).document.rooms.at(0).path, "\"a\\t.zlt\"");
    // Written again, the name needs no quotes: the file stays version 1, byte for byte.
    EXPECT_EQ(ObjectText(std::get<ParsedObject>(parsed).document),
              "ZELTAR-OBJECT 1\nname = \"Север\"\nlevel-boundary = -5\nsimultaneity = 1\nroom = \"a\\t.zlt\"\n");
}

TEST(ObjectText, BadlyQuotedValuesAreReportedWithTheirLineAndPassedOver)
{
    const auto parsed = ParseObjectText("ZELTAR-OBJECT 2\n"
                                        "room = \"a.zlt\n"           // no closing quote
                                        "room = \"a\" b.zlt\n"      // text after it
                                        "room = \"a\\q.zlt\"\n"     // unknown escape
                                        "room = \"a\\x4\"\n"        // cut-off byte escape
                                        "room = \"a\\\"\n"           // the closing quote escaped
                                        "room = \"a\\x4a\\x4B.zlt\"  \r\n",
                                        "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    const ParsedObject& object = std::get<ParsedObject>(parsed);
    ASSERT_EQ(object.document.rooms.size(), 1u);
    EXPECT_EQ(object.document.rooms[0].path, "aJK.zlt");
    ASSERT_EQ(object.warnings.size(), 5u);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(object.warnings[k].starts_with("Файл объекта «x.zlo», строка " + std::to_string(k + 2) +
                                                   ": значение в кавычках записано неверно"))
            << object.warnings[k];
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
    for (const std::string& text : {std::string(), std::string("room = a.zlt\n"), std::string("ZELTAR-OBJECT 3\n"),
                                   std::string("ZELTAR-OBJECT 1\nname = \xC0\xE1\n"),
                                   std::string("\xCF\xF0\xEE\xE5\xEA\xF2\r\n")}) {
        const auto parsed = ParseObjectText(text, "/папка/объект.zlo");
        ASSERT_TRUE(std::holds_alternative<FileError>(parsed)) << text;
        EXPECT_NE(std::get<FileError>(parsed).message.find("«/папка/объект.zlo»"), std::string::npos);
    }
}

TEST(ObjectText, WarningsNameExactlyTheLinesOfTheFile)
{
    // Line 1 the version after a byte-order mark, 2 a comment, 3 blank, 4 an unknown key, 5 an
    // empty room, 6 a room, 7 an option out of range; CR LF throughout.
    const auto parsed = ParseObjectText("\xEF\xBB\xBFZELTAR-OBJECT 1\r\n# комментарий\r\n\r\ncolour = red\r\n"
                                        "room =\r\nroom = a.zlt\r\nsimultaneity = 2\r\n",
                                        "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    EXPECT_EQ(std::get<ParsedObject>(parsed).warnings,
              (std::vector<std::string>{"Файл объекта «x.zlo», строка 4: неизвестная строка «colour» пропущена.",
                                        "Файл объекта «x.zlo», строка 5: пустой путь к файлу камеры пропущен.",
                                        "Файл объекта «x.zlo», строка 7: «2» вне пределов 0,5 … 1, взято 1."}));
}

TEST(ObjectText, WarningsQuoteAtMost40CharactersOfTheLineWithControlsShownAsPictures)
{
    const std::string longKey(100, 'k');
    const auto parsed = ParseObjectText("ZELTAR-OBJECT 1\n" + longKey + " = 1\nsimultaneity = \x1B[2J\n", "x.zlo");
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
    EXPECT_EQ(std::get<ParsedObject>(parsed).warnings,
              (std::vector<std::string>{"Файл объекта «x.zlo», строка 2: неизвестная строка «" + std::string(40, 'k') +
                                            "…» пропущена.",
                                        "Файл объекта «x.zlo», строка 3: «␛[2J» не число, взято 1."}));
    const auto later = ParseObjectText("ZELTAR-OBJECT " + longKey + "\n", "x.zlo");
    ASSERT_TRUE(std::holds_alternative<FileError>(later));
    EXPECT_LT(std::get<FileError>(later).message.size(), 200u) << std::get<FileError>(later).message;
}

TEST(ObjectText, LinesEndedByCrAloneAreNamedAsTheProblem)
{
    const auto parsed = ParseObjectText("ZELTAR-OBJECT 1\rname = Склад\rroom = a.zlt\r", "x.zlo");
    ASSERT_TRUE(std::holds_alternative<FileError>(parsed));
    const std::string& message = std::get<FileError>(parsed).message;
    EXPECT_NE(message.find("«x.zlo»"), std::string::npos) << message;
    EXPECT_NE(message.find("одними знаками CR"), std::string::npos) << message;
    EXPECT_EQ(message.find("версия"), std::string::npos) << message;
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

TEST_F(ObjectFile, RoomsWithAnyFileNameComeBackExactly)
{
    std::mt19937 random(8122026);
    for (int k = 0; k < 200; ++k) {
        const ObjectDocument document = RandomDocument(random, root_.string() + "/камеры");
        ASSERT_FALSE(WriteObjectFile(path("объект.zlo"), document).has_value());
        const auto read = ReadObjectFile(path("объект.zlo"));
        ASSERT_TRUE(std::holds_alternative<ParsedObject>(read)) << std::get<FileError>(read).message;
        EXPECT_EQ(std::get<ParsedObject>(read).document, document);
    }
}

// The options as the window writes numbers: fixed down to 0,00001, the exponent form below; both
// read back to the same value.
TEST(ObjectText, OptionsAtTheExponentThresholdReadBackExactly)
{
    const struct {
        double boundary;
        const char* line;
    } cases[] = {{0.00001, "level-boundary = 0,00001\n"}, {-0.0000099, "level-boundary = -9,9E-6\n"}};
    for (const auto& c : cases) {
        const ObjectDocument document{"x", {c.boundary, 1}, {}};
        const std::string text = ObjectText(document);
        EXPECT_NE(text.find(c.line), std::string::npos) << text;
        const auto parsed = ParseObjectText(text, "x.zlo");
        ASSERT_TRUE(std::holds_alternative<ParsedObject>(parsed));
        EXPECT_EQ(std::get<ParsedObject>(parsed).document, document);
    }
}

// Saving over an object file keeps its permissions (a private object stays private).
TEST_F(ObjectFile, SavingOverAFileKeepsItsPermissions)
{
    namespace fs = std::filesystem;
    write("o.zlo", "ZELTAR-OBJECT 1\n");
    fs::permissions(path("o.zlo"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(WriteObjectFile(path("o.zlo"), {"Склад", {}, {}}).has_value());
    EXPECT_EQ(fs::status(path("o.zlo")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
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

// Guards an object saved under the name of one of its rooms: the room's project would be lost.
TEST_F(ObjectFile, IsNeverWrittenOverOneOfItsRooms)
{
    write("a.zlt", "the room's project");
    const ObjectDocument document{"Объект", {}, {{path("b.zlt"), ""}, {path("a.zlt"), ""}}};
    const auto written = WriteObjectFile(path("./a.zlt"), document);
    ASSERT_TRUE(written.has_value());
    EXPECT_NE(written->message.find("это тот же файл, что и исходный «" + path("a.zlt") + "»"), std::string::npos)
        << written->message;
    std::ifstream in(path("a.zlt"));
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
              "the room's project");
}

} // namespace
} // namespace zeltar::object::testing
// clang-format on
