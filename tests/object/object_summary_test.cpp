// The summary over reference projects (rows, levels, factor, failed rows) and over hostile
// objects (missing files, loops of links, a room listed twice, paths leaving the folder).
#include "object/object_summary.h"

#include "fields/number_text.h"

#include "object_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeltar::object::testing {
namespace {

ObjectDocument Rooms(std::initializer_list<const char*> names, ObjectOptions options = {})
{
    ObjectDocument document{"Тест", options, {}};
    for (const char* name : names)
        document.rooms.push_back({ReferenceProject(name), ""});
    return document;
}

const std::string kReferenceFolder = std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects";

// The texts the window shows for p0001 (a room at 0 °C) and p0002 (a store at -20 °C).
TEST(Summary, RowsShowTheWindowsTextsWithoutDisplayBlanks)
{
    const ObjectSummary s = SummarizeObject(Rooms({"p0001", "p0002"}), kReferenceFolder);
    ASSERT_EQ(s.rows.size(), 2u);
    const SummaryRow& store = s.rows[1];
    ASSERT_TRUE(store.loaded) << store.error;
    EXPECT_EQ(store.texts, (std::array<std::string, kSummaryColumnCount>{
                               "2", "p0002", "хранение мороженых грузов", "-20", "725,4", "7399,08", "319,54", "35,36",
                               "749,86", "118,28", "41,97", "0", "1265,03", "22,5", "1484,31"}));
    EXPECT_EQ(store.listedPath, "p0002.zlt");
    EXPECT_FALSE(store.leavesFolder);
    EXPECT_EQ(store.level, Level::Low);
    EXPECT_EQ(s.rows[0].level, Level::Medium);
    EXPECT_NEAR(store.values.totalHeatGainKw, 1265.03, 0.01);
    EXPECT_EQ(store.results.size(), 57u);
}

// Sums over the full values, then cut: the object total of these nine rooms is 10262,45 kW, while
// the shown row values add up to 10262,40.
TEST(Summary, LevelsSumFullValuesAndCutTheSum)
{
    const ObjectSummary s = SummarizeObject(
        Rooms({"p0001", "p0002", "p0003", "p0004", "p0005", "p0006", "p0007", "p0008", "p0009"}), kReferenceFolder);
    const LevelTotals& medium = s.level(Level::Medium);
    const LevelTotals& low = s.level(Level::Low);
    EXPECT_EQ(medium.name, "среднетемпературные");
    EXPECT_EQ(medium.rooms, 6); // 0, 2, 0, 0, 12,9 and 2 °C
    EXPECT_EQ(medium.totalHeatGainText, "2779,2");
    EXPECT_EQ(medium.equipmentCapacityText, "3429,92");
    EXPECT_EQ(low.rooms, 3); // -20, -30 and -7,7 °C
    EXPECT_EQ(low.totalHeatGainText, "7483,24");
    EXPECT_EQ(low.equipmentCapacityText, "8331,46");
    EXPECT_EQ(s.total.rooms, 9);
    EXPECT_EQ(s.total.excluded, 0);
    EXPECT_EQ(s.total.totalHeatGainText, "10262,45");
    EXPECT_EQ(s.total.equipmentCapacityText, "11761,39");
    EXPECT_EQ(s.total.plantCapacityText, s.total.equipmentCapacityText); // factor 1
    double shown = 0;
    for (const SummaryRow& row : s.rows)
        shown += *fields::ParseDecimal(row.text(SummaryColumn::TotalHeatGain));
    EXPECT_NEAR(shown, 10262.40, 1e-6);
}

struct BoundaryCase {
    double boundary;
    int mediumRooms; // of p0001 (0 °C), p0002 (-20 °C), p0005 (-30 °C), p0009 (-7,7 °C)
};

class SummaryBoundary : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(SummaryBoundary, RoomsAtOrAboveTheBoundaryAreMediumTemperature)
{
    const ObjectSummary s =
        SummarizeObject(Rooms({"p0001", "p0002", "p0005", "p0009"}, {GetParam().boundary, 1}), kReferenceFolder);
    EXPECT_EQ(s.level(Level::Medium).rooms, GetParam().mediumRooms);
    EXPECT_EQ(s.level(Level::Low).rooms, 4 - GetParam().mediumRooms);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SummaryBoundary,
                         ::testing::Values(BoundaryCase{-5, 1}, BoundaryCase{-7.7, 2}, BoundaryCase{-7.8, 2},
                                           BoundaryCase{-20, 3}, BoundaryCase{-30, 4}, BoundaryCase{0, 1},
                                           BoundaryCase{0.1, 0}));

// Q об. of p0001 is 17,37 (17,3784 in full): half of it is 8,6892, cut to 8,68.
TEST(Summary, PlantCapacityIsTheCapacityTimesTheFactorCut)
{
    const ObjectSummary s = SummarizeObject(Rooms({"p0001"}, {-5, 0.5}), kReferenceFolder);
    EXPECT_EQ(s.total.equipmentCapacityText, "17,37");
    EXPECT_EQ(s.total.plantCapacityText, "8,68");
    EXPECT_EQ(s.level(Level::Medium).plantCapacityText, "8,68");
    EXPECT_EQ(s.level(Level::Low).plantCapacityText, "0");
    EXPECT_DOUBLE_EQ(s.total.plantCapacityKw, s.total.equipmentCapacityKw * 0.5);
}

TEST(Summary, RoomsThatCannotBeLoadedAreLeftOutAndCounted)
{
    ObjectDocument document = Rooms({"p0001", "p0002"});
    document.rooms.insert(document.rooms.begin() + 1, {kReferenceFolder + "/нет такой.zlt", "Камера 7"});
    document.rooms.push_back({std::string(ZELTAR_TEST_DATA_DIR) + "/../../fuzz/corpus/empty", ""});
    const ObjectSummary s = SummarizeObject(document, kReferenceFolder);
    ASSERT_EQ(s.rows.size(), 4u);
    const SummaryRow& missing = s.rows[1];
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.roomName, "Камера 7");
    EXPECT_NE(missing.error.find("«" + kReferenceFolder + "/нет такой.zlt» не найден"), std::string::npos)
        << missing.error;
    EXPECT_EQ(missing.text(SummaryColumn::Number), "2");
    EXPECT_EQ(missing.text(SummaryColumn::TotalHeatGain), "");
    EXPECT_FALSE(s.rows[3].loaded);
    EXPECT_EQ(s.rows[3].roomName, "empty");
    EXPECT_TRUE(s.rows[3].leavesFolder);
    EXPECT_EQ(s.total.rooms, 2);
    EXPECT_EQ(s.total.excluded, 2);
    EXPECT_EQ(s.total.totalHeatGainText,
              SummaryFigureText(s.rows[0].values.totalHeatGainKw + s.rows[2].values.totalHeatGainKw));
}

using HostileObject = ScratchFolder;

TEST_F(HostileObject, LinksLoopsRepeatsAndPathsOutsideTheFolder)
{
    copyProject("p0001", "o/a.zlt");
    copyProject("p0003", "elsewhere/c.zlt");
    std::filesystem::create_symlink("loop-2.zlt", path("o/loop-1.zlt"));
    std::filesystem::create_symlink("loop-1.zlt", path("o/loop-2.zlt"));
    std::filesystem::create_symlink("a.zlt", path("o/link-to-a.zlt"));
    write("o/x.zlo",
          "ZELTAR-OBJECT 1\nroom = a.zlt\nroom = loop-1.zlt\nroom = a.zlt\nroom = link-to-a.zlt\n"
          "room = ../elsewhere/c.zlt\nroom = sub\nsimultaneity = много\n");
    std::filesystem::create_directories(path("o/sub"));
    const auto read = ReadObjectFile(path("o/x.zlo"));
    ASSERT_TRUE(std::holds_alternative<ParsedObject>(read));
    EXPECT_EQ(std::get<ParsedObject>(read).warnings.size(), 1u);
    const ObjectSummary s = SummarizeObject(std::get<ParsedObject>(read).document, path("o"));
    ASSERT_EQ(s.rows.size(), 6u);

    EXPECT_FALSE(s.rows[1].loaded); // the loop of links
    EXPECT_NE(s.rows[1].error.find("loop-1.zlt"), std::string::npos) << s.rows[1].error;
    EXPECT_EQ(s.rows[2].sameFileAs, 1); // listed twice: counted twice, shown
    EXPECT_EQ(s.rows[3].sameFileAs, 1); // the same file through a link
    EXPECT_TRUE(s.rows[4].loaded);
    EXPECT_TRUE(s.rows[4].leavesFolder);
    EXPECT_EQ(s.rows[4].listedPath, "../elsewhere/c.zlt");
    EXPECT_FALSE(s.rows[5].loaded); // a folder
    EXPECT_EQ(s.total.rooms, 4);
    EXPECT_EQ(s.total.excluded, 2);
    EXPECT_EQ(s.options.simultaneityFactor, 1);
}

// A room whose list index is its list's size (one past the last entry) is refused naming its
// line, through the same load as the window's; the last entry itself loads.
TEST_F(HostileObject, AListIndexOnePastItsListLeavesTheRoomOutNamingTheLine)
{
    std::ifstream in(ReferenceProject("defaults"), std::ios::binary);
    const std::string defaults((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto withLine = [&](int number, const std::string& text) {
        std::size_t start = 0;
        for (int k = 1; k < number; ++k)
            start = defaults.find("\r\n", start) + 2;
        const std::size_t end = defaults.find("\r\n", start);
        return defaults.substr(0, start) + text + defaults.substr(end);
    };
    const struct {
        int line;
        const char* text;
        bool loads;
    } rooms[] = {{83, "18", true}, {83, "19", false}, {95, "126", true}, {95, "127", false}};
    ObjectDocument document{"Тест", {}, {}};
    for (const auto& room : rooms)
        document.rooms.push_back(
            {write(std::to_string(room.line) + "-" + room.text + ".zlt", withLine(room.line, room.text)), ""});
    const ObjectSummary s = SummarizeObject(document, root_.string());
    for (std::size_t k = 0; k < std::size(rooms); ++k) {
        EXPECT_EQ(s.rows[k].loaded, rooms[k].loads) << k << " " << s.rows[k].error;
        if (!rooms[k].loads) {
            EXPECT_NE(s.rows[k].error.find("Строка " + std::to_string(rooms[k].line) + " "), std::string::npos)
                << s.rows[k].error;
        }
    }
    EXPECT_EQ(s.total.excluded, 2);
}

TEST(Summary, RoomNameIsTheDisplayNameElseTheFileNameNotTheProjectText)
{
    EXPECT_EQ(RoomNameFromPath("/a/b/Камера 1.zlt"), "Камера 1");
    EXPECT_EQ(RoomNameFromPath("склад.v2.zlt"), "склад.v2");
    EXPECT_EQ(RoomNameFromPath("без расширения"), "без расширения");
    const ObjectSummary s = SummarizeFiles({ReferenceProject("p0004")}, {});
    EXPECT_EQ(s.rows[0].roomName, "p0004");
    EXPECT_EQ(s.objectName, "");
}

} // namespace
} // namespace zeltar::object::testing
