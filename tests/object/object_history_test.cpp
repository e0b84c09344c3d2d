// Undo and redo in the summary window's object: rooms added, removed, moved and renamed walk back
// and forth; the modified state follows the saved object; a room that comes back shows its file
// as it is now.
#include "object/object_model.h"

#include "object_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zeltar::object::testing {
namespace {

using ObjectHistory = ScratchFolder;

// The table as shown: the object's name, numbers and names, the rooms of each level, the object's
// total.
struct Shown {
    std::string objectName;
    std::vector<std::string> rows;
    int mediumRooms;
    int lowRooms;
    double totalKw;
    double plantKw;
    bool operator==(const Shown&) const = default;
};

Shown Show(const ObjectModel& m)
{
    Shown shown{m.summary().objectName,
                {},
                m.summary().level(Level::Medium).rooms,
                m.summary().level(Level::Low).rooms,
                m.summary().total.equipmentCapacityKw,
                m.summary().total.plantCapacityKw};
    for (const SummaryRow& row : m.summary().rows)
        shown.rows.push_back(row.text(SummaryColumn::Number) + " " + row.roomName);
    return shown;
}

TEST_F(ObjectHistory, EveryEditUndoesAndRedoesAsOneStep)
{
    const std::string a = copyProject("p0001", "a.zlt"); // 0 °C
    const std::string b = copyProject("p0002", "b.zlt"); // -20 °C
    const std::string c = copyProject("p0003", "c.zlt"); // 2 °C
    ObjectModel m;
    std::vector<Shown> states{Show(m)};
    const std::vector<std::function<void()>> edits{
        [&] { m.addRooms({a, b}); },       [&] { m.addRooms({c}); },
        [&] { m.moveRoom(2, 0); },         [&] { m.setDisplayName(1, "Склад мороженых"); },
        [&] { m.removeRooms({2, 0}); },    [&] { m.setSimultaneityFactor(0.7); },
        [&] { m.setName("Холодильник"); },
    };
    for (const auto& edit : edits) {
        edit();
        states.push_back(Show(m));
        ASSERT_NE(states.back(), states[states.size() - 2]);
    }
    for (std::size_t step = states.size() - 1; step > 0; --step) {
        ASSERT_TRUE(m.undo());
        EXPECT_EQ(Show(m), states[step - 1]) << "undo to step " << step - 1;
    }
    EXPECT_FALSE(m.undo());
    EXPECT_FALSE(m.modified()); // back at the new object as started
    for (std::size_t step = 1; step < states.size(); ++step) {
        ASSERT_TRUE(m.redo());
        EXPECT_EQ(Show(m), states[step]) << "redo to step " << step;
    }
    EXPECT_FALSE(m.redo());
    EXPECT_TRUE(m.modified());
}

TEST_F(ObjectHistory, ARoomThatComesBackShowsItsFileAsItIsNow)
{
    const std::string a = copyProject("p0001", "a.zlt"); // 0 °C
    const std::string b = copyProject("p0002", "b.zlt"); // -20 °C
    ObjectModel m;
    m.addRooms({a, b});
    ASSERT_EQ(m.summary().level(Level::Low).rooms, 1);
    m.removeRoom(1);
    copyProject("p0003", "b.zlt"); // now a 2 °C room
    ASSERT_TRUE(m.undo());
    EXPECT_EQ(Show(m).rows, (std::vector<std::string>{"1 a", "2 b"}));
    EXPECT_EQ(m.summary().level(Level::Low).rooms, 0);
    EXPECT_EQ(m.summary().level(Level::Medium).rooms, 2);
}

TEST_F(ObjectHistory, SaveKeepsTheHistoryAndOpenClearsIt)
{
    const std::string a = copyProject("p0001", "a.zlt");
    const std::string b = copyProject("p0002", "b.zlt");
    ObjectModel m;
    m.addRooms({a, b});
    ASSERT_TRUE(m.saveAs(path("o.zlo")));
    m.moveRoom(0, 1);
    EXPECT_TRUE(m.modified());
    ASSERT_TRUE(m.undo());
    EXPECT_FALSE(m.modified());
    ASSERT_TRUE(m.undo());
    EXPECT_TRUE(m.modified());
    EXPECT_EQ(m.roomCount(), 0);
    m.addRooms({b}); // a new edit drops what was undone
    EXPECT_FALSE(m.canRedo());

    ASSERT_TRUE(m.open(path("o.zlo")));
    EXPECT_FALSE(m.canUndo());
    EXPECT_FALSE(m.undo());
    EXPECT_EQ(m.roomCount(), 2);
}

} // namespace
} // namespace zeltar::object::testing
