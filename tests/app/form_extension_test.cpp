// The extension inputs of the «Дополнительно» tab as window controls: their start-up texts, what a
// commit stores and holds, the Enter walk through the tab, the lists with the added and own
// materials, the row buttons of the enclosure page, and the rules the flags change.
#include "form_test_support.h"

#include "app/form_lists.h"
#include "app/result_controls.h"
#include "calc/result_listing.h"
#include "refdata/added_materials.h"
#include "refdata/materials.h"
#include "refdata/room_types.h"

#include <gmock/gmock.h>

#include <functional>

namespace zeltar::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

TEST(FormExtensions, StartOffEmptyAndWithTheDefaultShare)
{
    FormModel form{std::string(kToday)};
    for (const Control control : {Control::UValueA, Control::UValueFloor, Control::ExtraLayerThickness3Ceiling,
                                  Control::DefrostHeaterPower, Control::DefrostCoolerCount, Control::StaffHours})
        EXPECT_EQ(Text(form, control), "  0") << control;
    EXPECT_EQ(Text(form, Control::DefrostRoomShare), "  0,3");
    EXPECT_EQ(Text(form, Control::DefrostHeatGain), "  0");
    for (const Control box : {Control::StaffOwnHours, Control::DoorOpenAllDay, Control::LightingTwoDecimals})
        EXPECT_EQ(form.control(box).index, 0) << box;
    EXPECT_FALSE(form.control(Control::StaffHours).enabled); // only with its check box
    EXPECT_EQ(form.control(Control::UValueA).tab, fields::kExtraTab);
    EXPECT_EQ(Text(form, Control::ExtraLayerMaterial1A), refdata::kExtraLayerMaterials[0].name);
}

// A typed value, what the field then shows, and the record's value it stores (held to the bounds).
struct CommitRow {
    Control control;
    std::string_view typed;
    std::string_view shown;
    double stored;
    std::function<double(const ProjectState&)> member;
};

class ExtensionCommit : public ::testing::TestWithParam<CommitRow> {};

TEST_P(ExtensionCommit, StoresTheValueHeldToItsBounds)
{
    const CommitRow& row = GetParam();
    FormModel form{std::string(kToday)};
    Enter(form, row.control, row.typed);
    EXPECT_TRUE(form.takeErrors().empty());
    EXPECT_EQ(Text(form, row.control), row.shown);
    EXPECT_DOUBLE_EQ(row.member(form.state()), row.stored);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ExtensionCommit,
    ::testing::Values(
        CommitRow{Control::UValueA, "0,235", "  0,235", 0.235,
                  [](const ProjectState& s) { return s.rows[WallA].uValue; }},
        CommitRow{Control::UValueCeiling, "12", "  10", 10,
                  [](const ProjectState& s) { return s.rows[Ceiling].uValue; }},
        CommitRow{Control::ExtraLayerThickness2D, "120", "  120", 120,
                  [](const ProjectState& s) { return s.rows[WallD].extraLayerThickness2; }},
        CommitRow{Control::ExtraLayerThickness3Floor, "1500", "  1000", 1000,
                  [](const ProjectState& s) { return s.rows[Floor].extraLayerThickness3; }},
        CommitRow{Control::DefrostHeaterPower, "7,5", "  7,5", 7.5,
                  [](const ProjectState& s) { return s.defrostHeaterPower; }},
        CommitRow{Control::DefrostCoolerCount, "60", "  50", 50,
                  [](const ProjectState& s) { return static_cast<double>(s.defrostCoolerCount); }},
        CommitRow{Control::DefrostsPerDay, "4", "  4", 4, [](const ProjectState& s) { return s.defrostsPerDay; }},
        CommitRow{Control::DefrostDuration, "300", "  240", 240,
                  [](const ProjectState& s) { return s.defrostDuration; }},
        CommitRow{Control::DefrostRoomShare, "0,25", "  0,25", 0.25,
                  [](const ProjectState& s) { return s.defrostRoomShare; }},
        CommitRow{Control::DefrostRoomShare, "3", "  1", 1, [](const ProjectState& s) { return s.defrostRoomShare; }}));

// Enter walks the tab row by row: U-value, then each layer's list and thickness; the floor's
// U-value is passed over on ground, the staff hours without their check box.
TEST(FormExtensions, EnterWalksTheTabRowByRow)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::UValueD));
    std::vector<Control> visited;
    for (int i = 0; i < 9; ++i) {
        ASSERT_TRUE(form.pressEnter());
        visited.push_back(*form.focusedControl());
    }
    EXPECT_THAT(visited,
                ElementsAre(Control::ExtraLayerMaterial1D, Control::ExtraLayerThickness1D,
                            Control::ExtraLayerMaterial2D, Control::ExtraLayerThickness2D,
                            Control::ExtraLayerMaterial3D, Control::ExtraLayerThickness3D, Control::UValueCeiling,
                            Control::ExtraLayerMaterial1Ceiling, Control::ExtraLayerThickness1Ceiling));

    form.choose(Control::FloorType, refdata::kFloorOnGround);
    EXPECT_FALSE(form.control(Control::UValueFloor).enabled);
    ASSERT_TRUE(form.setFocus(Control::ExtraLayerThickness3Ceiling));
    ASSERT_TRUE(form.pressEnter());
    EXPECT_EQ(form.focusedControl(), Control::ExtraLayerMaterial1Floor);

    ASSERT_TRUE(form.setFocus(Control::DefrostRoomShare));
    ASSERT_TRUE(form.pressEnter());
    EXPECT_EQ(form.focusedControl(), Control::DefrostHeatGain);
    form.click(Control::StaffOwnHours);
    ASSERT_TRUE(form.setFocus(Control::DefrostRoomShare));
    ASSERT_TRUE(form.pressEnter());
    EXPECT_EQ(form.focusedControl(), Control::StaffHours);
}

// Each row's button on the enclosure page shows the «Дополнительно» tab at that row's U-value.
TEST(FormExtensions, RowButtonsOpenTheirRowsUValue)
{
    FormModel form{std::string(kToday)};
    const std::pair<Control, Control> buttons[]{{Control::ExtraRowButtonA, Control::UValueA},
                                                {Control::ExtraRowButtonC, Control::UValueC},
                                                {Control::ExtraRowButtonCeiling, Control::UValueCeiling},
                                                {Control::ExtraRowButtonFloor, Control::UValueFloor}};
    for (const auto& [button, field] : buttons) {
        form.showTab(fields::kEnclosureTab);
        EXPECT_EQ(form.control(button).tab, fields::kEnclosureTab);
        form.click(button);
        EXPECT_EQ(form.currentTab(), fields::kExtraTab) << button;
        EXPECT_EQ(form.focusedControl(), field) << button;
    }
    form.choose(Control::FloorType, refdata::kFloorOnGround);
    form.click(Control::ExtraRowButtonFloor);
    EXPECT_EQ(form.focusedControl(), Control::ExtraLayerMaterial1Floor); // no U-value on ground
}

TEST(FormExtensions, InsulationListsOfferTheAddedMaterialsAfterTheBuiltInOnes)
{
    FormModel form{std::string(kToday)};
    const std::vector<std::string> walls = form.listItems(Control::InsulationMaterialA);
    ASSERT_EQ(walls.size(), refdata::kWallInsulationMaterials.size() + 3);
    EXPECT_EQ(walls.back(), refdata::kAddedInsulationMaterials[2].name);
    // The built-in entries stay as the 131-line file's lists hold them, the last one unpadded.
    EXPECT_EQ(walls[refdata::kWallInsulationMaterials.size() - 1], refdata::kWallInsulationMaterials.back().name);
    EXPECT_EQ(form.listItems(Control::StructureMaterialA).size(), refdata::kWallStructureMaterials.size());
    EXPECT_EQ(form.listItems(Control::ExtraLayerMaterial2Floor).size(), refdata::kExtraLayerMaterials.size());
    EXPECT_EQ(BuiltInListLength(Control::InsulationMaterialFloor),
              static_cast<int>(refdata::kFloorInsulationMaterials.size()));

    form.choose(Control::InsulationMaterialB, static_cast<int>(refdata::kWallInsulationMaterials.size()));
    EXPECT_EQ(form.state().rows[WallB].insulationMaterial, static_cast<int>(refdata::kWallInsulationMaterials.size()));
    EXPECT_EQ(Text(form, Control::InsulationMaterialB), refdata::kAddedInsulationMaterials[0].name);
}

// The door-open time may reach 24 h only with its flag; else a longer time is held to 8 h.
TEST(FormExtensions, DoorOpenAllDayRaisesTheBoundOfTheOpenTime)
{
    FormModel form{std::string(kToday)};
    form.click(Control::DoorTimeMode);
    Enter(form, Control::DoorOpenTime, "9,3");
    EXPECT_EQ(Text(form, Control::DoorOpenTime), "  8");
    form.takeMessages();
    form.click(Control::DoorOpenAllDay);
    Enter(form, Control::DoorOpenTime, "9,3");
    EXPECT_EQ(Text(form, Control::DoorOpenTime), "  9,3");
    EXPECT_DOUBLE_EQ(form.state().doorOpenTime, 9.3);
    Enter(form, Control::DoorOpenTime, "30");
    EXPECT_EQ(Text(form, Control::DoorOpenTime), "  24");
    EXPECT_THAT(form.takeMessages(), Contains("Время открытия двери ограничено: не больше 24 ч"));
}

// The command-line listing names the defrost gain only for a project that uses the defrost.
TEST(FormExtensions, TheListingNamesTheDefrostGainOnlyWhenUsed)
{
    FormModel form{std::string(kToday)};
    const auto names = [&] {
        std::vector<std::string> out;
        for (const calc::ListingLine& line : ResultListingOf(form))
            out.push_back(line.name);
        return out;
    };
    EXPECT_THAT(names(), Not(Contains("DefrostHeatGain")));
    Enter(form, Control::DefrostHeaterPower, "5");
    Enter(form, Control::DefrostCoolerCount, "2");
    Enter(form, Control::DefrostsPerDay, "4");
    EXPECT_THAT(names(), Not(Contains("DefrostHeatGain"))); // no duration: no defrost gain
    Enter(form, Control::DefrostDuration, "30");
    EXPECT_THAT(names(), Contains("DefrostHeatGain"));
}

// Clearing a flag holds what it allowed, and says so: the door-open time above 8 h, the lighting
// density's second decimal.
TEST(FormExtensions, ClearingAFlagHoldsWhatItAllowedAndSaysSo)
{
    FormModel form{std::string(kToday)};
    form.click(Control::DoorTimeMode);
    form.click(Control::DoorOpenAllDay);
    Enter(form, Control::DoorOpenTime, "9,3");
    form.click(Control::LightingTwoDecimals);
    Enter(form, Control::LightingPowerDensity, "10,76");
    EXPECT_EQ(Text(form, Control::LightingPowerDensity), "  10,76");
    form.takeMessages();

    form.click(Control::DoorOpenAllDay);
    EXPECT_EQ(Text(form, Control::DoorOpenTime), "  8");
    EXPECT_DOUBLE_EQ(form.state().doorOpenTime, 8);
    form.click(Control::LightingTwoDecimals);
    EXPECT_EQ(Text(form, Control::LightingPowerDensity), "  10,7");
    EXPECT_DOUBLE_EQ(form.state().lightingPowerDensity, 10.7);
    EXPECT_THAT(form.takeMessages(),
                ElementsAre("Время открытия двери изменено на 8 ч вместе с флажком «дверь открыта до 24 ч/сут»",
                            "Удельная мощность освещения изменена на 10,7 Вт/м² вместе с флажком «плотность "
                            "освещения с двумя знаками»"));
    // Undone, the second decimal and its field's length come back.
    ASSERT_TRUE(form.undo());
    EXPECT_EQ(Text(form, Control::LightingPowerDensity), "  10,76");
    EXPECT_EQ(form.control(Control::LightingPowerDensity).maxLength, 5);
}

// What the lighting density field keeps as typed: one decimal in four characters, or with its flag
// two in five; a third decimal is cut at the commit, with a message.
struct LightingRow {
    bool twoDecimals;
    std::string_view typed;
    std::string_view shown;
    bool message;
};

class LightingDecimals : public ::testing::TestWithParam<LightingRow> {};

TEST_P(LightingDecimals, TheFlagLetsTheDensityTakeTwoDecimals)
{
    const LightingRow& row = GetParam();
    FormModel form{std::string(kToday)};
    if (row.twoDecimals)
        form.click(Control::LightingTwoDecimals);
    form.takeMessages();
    Enter(form, Control::LightingPowerDensity, row.typed);
    EXPECT_EQ(Text(form, Control::LightingPowerDensity), row.shown);
    const std::vector<std::string> messages = form.takeMessages();
    EXPECT_EQ(!messages.empty(), row.message) << ::testing::PrintToString(messages);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LightingDecimals,
    ::testing::Values(LightingRow{false, "10,76", "  10,7", false}, // the fourth character is the last
                      LightingRow{false, "8,5", "  8,5", false}, LightingRow{true, "10,76", "  10,76", false},
                      LightingRow{true, "1,234", "  1,23", true},
                      LightingRow{true, "100,5", "  100", true})); // held to its bound

TEST(FormExtensions, StaffHoursAreEnteredOnlyWithTheirCheckBox)
{
    FormModel form{std::string(kToday)};
    EXPECT_FALSE(form.setFocus(Control::StaffHours));
    form.takeErrors();
    form.click(Control::StaffOwnHours);
    EXPECT_TRUE(form.control(Control::StaffHours).enabled);
    Enter(form, Control::StaffHours, "10");
    EXPECT_DOUBLE_EQ(form.state().staffHours, 10);
    EXPECT_EQ(form.state().staffOwnHours, 1);
    form.click(Control::StaffOwnHours);
    EXPECT_FALSE(form.control(Control::StaffHours).enabled);
    EXPECT_EQ(Text(form, Control::StaffHours), "  10"); // kept for the next tick
}

TEST(FormExtensions, AUValueSaysTheLayersNoLongerCount)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::UValueB, "0,24");
    EXPECT_THAT(form.takeMessages(), Contains("Коэффициент теплопередачи стены Б задан: слои стены Б на странице "
                                              "Q1 и дополнительные слои в расчёте не участвуют"));
    Enter(form, Control::UValueB, "0,3");
    EXPECT_TRUE(form.takeMessages().empty()); // still given: nothing new to say
    Enter(form, Control::UValueB, "0");
    EXPECT_THAT(form.takeMessages(),
                Contains("Коэффициент теплопередачи стены Б снят: теплоприток снова считается по слоям"));
}

TEST(FormExtensions, AnOwnMaterialJoinsTheMaterialListsMarked)
{
    FormModel form{std::string(kToday)};
    form.takeChangedControls();
    const OwnMaterial brick{"кирпич клинкерный", 0.9, 0.7};
    EXPECT_EQ(form.useOwnMaterial(brick), 0);
    const ChangedControls changed = form.takeChangedControls();
    for (const Control list :
         {Control::StructureMaterialA, Control::InsulationMaterialFloor, Control::ExtraLayerMaterial3Ceiling})
        EXPECT_TRUE(changed.contains(list)) << list; // the window fills them again
    EXPECT_FALSE(changed.contains(Control::City));
    EXPECT_EQ(form.listItems(Control::StructureMaterialA).back(), "★ кирпич клинкерный");
    EXPECT_EQ(form.listItems(Control::InsulationMaterialA).size(), refdata::kWallInsulationMaterials.size() + 3 + 1);
    EXPECT_EQ(form.listItems(Control::ExtraLayerMaterial1A).back(), "★ кирпич клинкерный");

    const int own = static_cast<int>(refdata::kExtraLayerMaterials.size());
    form.choose(Control::ExtraLayerMaterial1A, own);
    EXPECT_EQ(form.state().rows[WallA].extraLayerMaterial1, own);
    EXPECT_EQ(Text(form, Control::ExtraLayerMaterial1A), "★ кирпич клинкерный");

    EXPECT_EQ(form.useOwnMaterial(brick), 0); // the same material once
    EXPECT_EQ(form.state().ownMaterials.size(), 1U);
    form.takeMessages();
    EXPECT_EQ(form.useOwnMaterial({"кирпич клинкерный", 0.8, 0.7}), 0);
    EXPECT_DOUBLE_EQ(form.state().ownMaterials[0].conductivity, 0.8);
    EXPECT_THAT(form.takeMessages(),
                ElementsAre("Свой материал «кирпич клинкерный» в проекте изменён: λ = 0,8 Вт/(м·К)"));
    EXPECT_EQ(form.useOwnMaterial({"пеностекло плитное", 0.06, 1}), 1);

    // Undone, the lists lose it again.
    ASSERT_TRUE(form.undo());
    ASSERT_TRUE(form.undo());
    ASSERT_TRUE(form.undo());
    ASSERT_TRUE(form.undo());
    EXPECT_TRUE(form.state().ownMaterials.empty());
    EXPECT_EQ(form.listItems(Control::StructureMaterialA).size(), refdata::kWallStructureMaterials.size());
}

// Fault: a 131-line project loaded over a form with extension inputs calculated with them.
TEST(FormExtensions, ALoadedProjectFileKeepsNoExtensionOfTheFormBefore)
{
    const std::string project = std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/p0003.zlt";
    FormModel plain{std::string(kToday)};
    ASSERT_TRUE(plain.loadProject({true, project}));
    FormModel form{std::string(kToday)};
    Enter(form, Control::UValueA, "0,2");
    form.click(Control::StaffOwnHours);
    form.click(Control::LightingTwoDecimals);
    form.useOwnMaterial({"пеностекло плитное сухое", 0.06, 1});
    ASSERT_TRUE(form.loadProject({true, project}));
    EXPECT_EQ(form.state(), plain.state());
    for (const ControlFacts& facts : AllControls())
        EXPECT_EQ(Text(form, facts.control), Text(plain, facts.control)) << facts.control;
    EXPECT_FALSE(form.control(Control::StaffHours).enabled);
    EXPECT_EQ(form.control(Control::LightingPowerDensity).maxLength, 4);
    EXPECT_EQ(form.listItems(Control::StructureMaterialA), plain.listItems(Control::StructureMaterialA));
}

// Fault: extension inputs typed and the window closed without the unsaved-changes question.
TEST(FormExtensions, AnExtensionInputChangedIsAnUnsavedChange)
{
    FormModel form{std::string(kToday)};
    EXPECT_FALSE(form.modified());
    Type(form, Control::DefrostDuration, "20"); // still being typed: counts as leaving it would store
    EXPECT_TRUE(form.modified());
    form.setFocus(Control::City);
    EXPECT_TRUE(form.modified());
    ASSERT_TRUE(form.undo());
    EXPECT_FALSE(form.modified());
    form.useOwnMaterial({"пеностекло плитное сухое", 0.06, 1});
    EXPECT_TRUE(form.modified());
    TempDir dir;
    const bool saved = form.saveProject({true, dir.file("saved.zlp")});
    for (const auto& e : form.takeErrors())
        ADD_FAILURE() << e;
    ASSERT_TRUE(saved);
    EXPECT_FALSE(form.modified());
}

} // namespace
} // namespace zeltar::test
