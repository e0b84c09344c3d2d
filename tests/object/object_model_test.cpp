// The object as the summary window edits it: rooms added, removed, moved, renamed and reloaded
// when their files change; the object file saved, opened and moved to another folder.
#include "object/object_model.h"

#include "fields/number_text.h"

#include "object_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace zeltar::object::testing {
namespace {

using ObjectEditing = ScratchFolder;

std::vector<std::string> Names(const ObjectModel& m)
{
    std::vector<std::string> names;
    for (const SummaryRow& row : m.summary().rows)
        names.push_back(row.text(SummaryColumn::Number) + " " + row.roomName);
    return names;
}

TEST_F(ObjectEditing, AddRemoveMoveAndRenameKeepRowsNumberedAndSumsCurrent)
{
    const std::string a = copyProject("p0001", "a.zlt"); // 0 °C
    const std::string b = copyProject("p0002", "b.zlt"); // -20 °C
    const std::string c = copyProject("p0003", "c.zlt"); // 2 °C
    ObjectModel m;
    EXPECT_EQ(m.document().name, "Новый объект");
    EXPECT_FALSE(m.modified());
    EXPECT_EQ(m.addRooms({a, b, c}), 0);
    EXPECT_TRUE(m.modified());
    EXPECT_EQ(Names(m), (std::vector<std::string>{"1 a", "2 b", "3 c"}));
    EXPECT_EQ(m.summary().level(Level::Medium).rooms, 2);

    EXPECT_TRUE(m.moveRoom(2, 0));
    EXPECT_EQ(Names(m), (std::vector<std::string>{"1 c", "2 a", "3 b"}));
    EXPECT_TRUE(m.moveRoom(0, 2));
    EXPECT_EQ(Names(m), (std::vector<std::string>{"1 a", "2 b", "3 c"}));
    EXPECT_FALSE(m.moveRoom(0, 3));
    m.setDisplayName(1, "Склад мороженых");
    m.removeRoom(0);
    m.removeRoom(7);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"1 Склад мороженых", "2 c"}));
    EXPECT_EQ(m.document().rooms[0].displayName, "Склад мороженых");
    EXPECT_EQ(m.summary().level(Level::Medium).rooms, 1);
    EXPECT_EQ(m.summary().level(Level::Low).rooms, 1);

    EXPECT_FALSE(m.setSimultaneityFactor(0.4));
    EXPECT_FALSE(m.setSimultaneityFactor(1.01));
    EXPECT_TRUE(m.setSimultaneityFactor(0.5));
    EXPECT_DOUBLE_EQ(m.summary().total.plantCapacityKw, m.summary().total.equipmentCapacityKw * 0.5);
    EXPECT_TRUE(m.setLevelBoundary(-25));
    EXPECT_EQ(m.summary().level(Level::Medium).rooms, 2);
    EXPECT_FALSE(m.setLevelBoundary(std::nan("")));
}

TEST_F(ObjectEditing, CommittingTheShownValueLeavesTheObjectUnmodifiedARealChangeDoesNot)
{
    // Options with more digits than their fields show: the factor shows «0,86», the boundary 15
    // significant digits.
    write("o.zlo", "ZELTAR-OBJECT 1\nname = Склад\nlevel-boundary = -2,12345678901234567\nsimultaneity = 0,855\n");
    ObjectModel m;
    ASSERT_TRUE(m.open(path("o.zlo")));
    const ObjectOptions read = m.document().options;
    const auto shown = [](const std::string& text) { return ParseOptionNumber(text).value(); };

    m.setName("Склад");
    EXPECT_TRUE(m.setLevelBoundary(read.levelBoundaryCelsius));
    EXPECT_TRUE(m.setLevelBoundary(shown(fields::FormatGeneral(read.levelBoundaryCelsius))));
    EXPECT_TRUE(m.setSimultaneityFactor(read.simultaneityFactor));
    EXPECT_TRUE(m.setSimultaneityFactor(shown(SimultaneityFactorText(read.simultaneityFactor))));
    EXPECT_FALSE(m.modified());
    EXPECT_EQ(m.document().options, read);

    const struct {
        const char* what;
        std::function<void(ObjectModel&)> change;
    } changes[] = {{"name", [](ObjectModel& o) { o.setName("Склад 2"); }},
                   {"boundary", [](ObjectModel& o) { o.setLevelBoundary(-2.12); }},
                   {"factor", [](ObjectModel& o) { o.setSimultaneityFactor(0.85); }}};
    for (const auto& change : changes) {
        ObjectModel changed;
        ASSERT_TRUE(changed.open(path("o.zlo")));
        change.change(changed);
        EXPECT_TRUE(changed.modified()) << change.what;
    }
}

TEST_F(ObjectEditing, ARoomWhoseFileNameStartsWithABlankIsTheSameRoomAfterSavingAndOpening)
{
    // « a.zlt» and «a.zlt» are two rooms: the saved object must not swap one for the other.
    ObjectModel m;
    m.addRooms({copyProject("p0001", " a.zlt"), copyProject("p0002", "a.zlt"), copyProject("p0005", "b.zlt\t")});
    m.setDisplayName(0, " Камера\nА ");
    ASSERT_TRUE(m.saveAs(path("o.zlo")));
    ObjectModel opened;
    ASSERT_TRUE(opened.open(path("o.zlo")));
    EXPECT_TRUE(opened.takeMessages().empty());
    EXPECT_EQ(opened.document(), m.document());
    ASSERT_EQ(opened.roomCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(opened.summary().rows[row].loaded) << row;
        EXPECT_EQ(opened.summary().rows[row].text(SummaryColumn::TotalHeatGain),
                  m.summary().rows[row].text(SummaryColumn::TotalHeatGain))
            << row;
    }
}

TEST_F(ObjectEditing, AChangedRoomFileUpdatesItsRowsOnReload)
{
    const std::string room = copyProject("p0001", "room.zlt");
    std::filesystem::create_symlink("room.zlt", path("link.zlt"));
    ObjectModel m;
    m.addRooms({room, copyProject("p0002", "other.zlt"), path("link.zlt")});
    EXPECT_EQ(m.summary().rows[2].sameFileAs, 1);
    EXPECT_EQ(m.rowsOfFile(room), (std::vector<int>{0, 2}));

    copyProject("p0005", "room.zlt");
    for (int row : m.rowsOfFile(room))
        m.reloadRoom(row);
    EXPECT_EQ(m.summary().rows[0].text(SummaryColumn::TotalHeatGain), "6206,12");
    EXPECT_EQ(m.summary().rows[2].text(SummaryColumn::TotalHeatGain), "6206,12");

    std::filesystem::remove(room);
    m.reloadAll();
    EXPECT_FALSE(m.summary().rows[0].loaded);
    EXPECT_EQ(m.summary().total.excluded, 2);
    EXPECT_EQ(m.summary().total.totalHeatGainText, "1265,03");
}

TEST_F(ObjectEditing, AWatchedFileOrFolderReloadsTheRoomsItHolds)
{
    const std::string a = copyProject("p0001", "камеры/a.zlt");
    const std::string b = copyProject("p0002", "камеры/b.zlt");
    ObjectModel m;
    m.addRooms({a, copyProject("p0003", "прочие/c.zlt"), b});
    copyProject("p0005", "камеры/a.zlt");
    EXPECT_EQ(m.reloadRoomsAt(a), (std::vector<int>{0}));
    EXPECT_EQ(m.summary().rows[0].text(SummaryColumn::TotalHeatGain), "6206,12");
    // A file replaced by renaming another over it: the folder changed, every room in it reloads.
    EXPECT_EQ(m.reloadRoomsAt(path("камеры")), (std::vector<int>{0, 2}));
    EXPECT_EQ(m.reloadRoomsAt(path("камеры/")), (std::vector<int>{0, 2}));
    EXPECT_TRUE(m.reloadRoomsAt(path("камеры/a")).empty());
    EXPECT_TRUE(m.reloadRoomsAt(root_.string()).empty()); // a folder above the rooms' own
}

TEST_F(ObjectEditing, RenamingToTheShownNameChangesNothing)
{
    ObjectModel m;
    m.addRooms({copyProject("p0001", "a.zlt")});
    ASSERT_TRUE(m.saveAs(path("o.zlo")));
    EXPECT_FALSE(m.renameRoom(0, "a")); // the file name the row shows
    EXPECT_FALSE(m.renameRoom(0, ""));  // no display name yet
    EXPECT_FALSE(m.renameRoom(1, "b")); // no such row
    EXPECT_FALSE(m.modified());
    EXPECT_TRUE(m.renameRoom(0, "Камера А"));
    EXPECT_TRUE(m.modified());
    EXPECT_FALSE(m.renameRoom(0, "Камера А"));
    EXPECT_TRUE(m.renameRoom(0, "")); // the file name again
    EXPECT_EQ(m.summary().rows[0].roomName, "a");
}

TEST_F(ObjectEditing, TheReportIsProposedBesideTheObjectFile)
{
    ObjectModel m;
    EXPECT_EQ(m.proposedPdfPath(), m.folder() + "/Сводка.pdf");
    ASSERT_TRUE(m.saveAs(path("склад.v2.zlo")));
    EXPECT_EQ(m.proposedPdfPath(), path("склад.v2.pdf"));
}

TEST(ObjectOptionTexts, TheRangesComeFromTheLimits)
{
    EXPECT_EQ(SimultaneityFactorCaption(), "Коэффициент одновременности (0,50...1,00):");
    EXPECT_EQ(SimultaneityFactorRefusal("0,4"), "Коэффициент одновременности: «0,4» — не число от 0,50 до 1,00.");
    EXPECT_EQ(LevelBoundaryRefusal("x"), "Граница уровней: «x» — не температура от -50 до 100 °C.");
}

TEST_F(ObjectEditing, SaveOpenAndSaveIntoAnotherFolder)
{
    const std::string a = copyProject("p0001", "объект/камеры/a.zlt");
    ObjectModel m;
    EXPECT_FALSE(m.save()); // no file yet
    EXPECT_EQ(m.takeMessages().size(), 1u);
    m.setName("Холодильник");
    m.addRooms({a, copyProject("p0002", "чужая/b.zlt")});
    // A new object has no folder yet, so no room lies outside it (not: outside the working folder).
    EXPECT_FALSE(m.summary().rows[0].leavesFolder);
    EXPECT_FALSE(m.summary().rows[1].leavesFolder);
    m.removeRoom(1);
    m.setDisplayName(0, "Камера А");
    ASSERT_TRUE(m.setSimultaneityFactor(0.8));
    ASSERT_TRUE(m.saveAs(path("объект/x.zlo")));
    EXPECT_FALSE(m.modified());
    EXPECT_EQ(m.summary().rows[0].listedPath, "камеры/a.zlt");
    EXPECT_FALSE(m.summary().rows[0].leavesFolder);

    ObjectModel opened;
    ASSERT_TRUE(opened.open(path("объект/x.zlo")));
    EXPECT_EQ(opened.document(), m.document());
    EXPECT_EQ(opened.summary().total.totalHeatGainText, "11,84");
    EXPECT_TRUE(opened.takeMessages().empty());

    std::filesystem::create_directories(path("другая"));
    ASSERT_TRUE(opened.saveAs(path("другая/y.zlo")));
    EXPECT_EQ(opened.summary().rows[0].listedPath, "../объект/камеры/a.zlt");
    EXPECT_TRUE(opened.summary().rows[0].leavesFolder);
    ObjectModel moved;
    ASSERT_TRUE(moved.open(path("другая/y.zlo")));
    EXPECT_EQ(moved.roomPath(0), a);
    EXPECT_TRUE(moved.summary().rows[0].loaded);
}

TEST_F(ObjectEditing, AFailedOpenOrSaveChangesNothing)
{
    ObjectModel m;
    m.addRooms({copyProject("p0001", "a.zlt")});
    write("bad.zlo", "не объект\n");
    EXPECT_FALSE(m.open(path("bad.zlo")));
    EXPECT_FALSE(m.open(path("нет.zlo")));
    EXPECT_FALSE(m.saveAs(path("нет/x.zlo")));
    const std::vector<std::string> messages = m.takeMessages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find(path("bad.zlo")), std::string::npos);
    EXPECT_EQ(m.roomCount(), 1);
    EXPECT_TRUE(m.modified());
    EXPECT_EQ(m.filePath(), "");
}

} // namespace
} // namespace zeltar::object::testing
