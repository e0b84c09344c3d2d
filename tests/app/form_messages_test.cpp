// The message line of the form model: numbers held to their bounds, fields rewritten by presets,
// warnings that explain themselves and mark their tab page, saves; and the file name the save
// dialog proposes.
#include "form_test_support.h"

#include "app/change_messages.h"
#include "app/field_names.h"
#include "app/field_warnings.h"
#include "fields/control.h"

#include <gmock/gmock.h>

namespace zeltar::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Door height 22,4 in a room 6 m high: the typed number is held to the room's height, and said.
TEST(FormMessages, ClampAtCommitIsSaid)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomHeight, "6");
    form.takeMessages();
    Enter(form, Control::DoorHeight, "22,4");
    EXPECT_EQ(Text(form, Control::DoorHeight), "  6");
    EXPECT_THAT(form.takeMessages(), ElementsAre("Высота двери ограничена: не больше высоты камеры, 6 м"));
    EXPECT_EQ(form.message(), "Высота двери ограничена: не больше высоты камеры, 6 м");
}

struct ClampRow {
    Control field;
    std::string typed;
    std::string message; // "" none
};

class ClampMessages : public ::testing::TestWithParam<ClampRow> {};

TEST_P(ClampMessages, NameTheFieldAndItsBound)
{
    FormModel form{std::string(kToday)};
    Enter(form, GetParam().field, GetParam().typed);
    const std::vector<std::string> messages = form.takeMessages();
    if (GetParam().message.empty())
        EXPECT_THAT(messages, IsEmpty());
    else
        EXPECT_THAT(messages, ElementsAre(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClampMessages,
    ::testing::Values(
        ClampRow{Control::RoomLength, "300", "Длина камеры ограничена: не больше 250 м"},
        ClampRow{Control::RoomLength, "250", ""}, // the bound itself is no clamp
        ClampRow{Control::LoadUnitMass, "2", "Масса грузового места ограничена: не меньше 5 кг"},
        ClampRow{Control::OutsideTemperatureA, "-80", "Температура снаружи стены А ограничена: не меньше −50 °C"},
        ClampRow{Control::EquipmentRunningHours, "30", "Время работы оборудования ограничено: не больше 24 ч"},
        ClampRow{Control::StructureThicknessA, "2000", "Толщина конструкции стены А ограничена: не больше 1000 мм"},
        // An empty room: 1 t a day is far more than 150 % of what it holds.
        ClampRow{Control::DailyTurnover, "1",
                 "Суточный грузооборот ограничен: не больше 150 % ёмкости камеры, 0 т/сут"},
        ClampRow{Control::DailyTurnoverPercent, "150", ""}));

// The room temperature raised above the goods' final temperature takes it along.
TEST(FormMessages, PresetRewriteIsSaid)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomTemperature, "-5");
    const std::vector<std::string> messages = form.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Вместе с температурой камеры изменены: температура поступающего груза −4 °C; "
              "конечная температура груза −5 °C");
}

TEST(FormMessages, OneRewrittenFieldIsOneSentence)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomHeight, "6");
    EXPECT_THAT(form.takeMessages(),
                ElementsAre("Высота штабелирования груза изменена на 5 м вместе с высотой камеры"));
}

// Fields the user cannot see or type into are not reported; a choice that changes nothing says nothing.
TEST(FormMessages, ChoiceRewritesOnlyWhatChanged)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::RoomType, 0); // the room type already chosen
    EXPECT_THAT(form.takeMessages(), IsEmpty());
    form.choose(Control::City, 3);
    EXPECT_THAT(form.takeMessages(),
                ElementsAre("Температура снаружи (стена А, стена Б, стена В, стена Г, потолок, пол) изменена на "
                            "32 °C вместе с городом"));
}

TEST(FormMessages, RoomTypeClearingTheHighTurnoverIsSaid)
{
    FormModel form{std::string(kToday)};
    form.click(Control::HighTurnover);
    ASSERT_EQ(form.control(Control::HighTurnover).index, 1);
    form.takeMessages();
    form.choose(Control::RoomType, 2);
    EXPECT_EQ(form.control(Control::HighTurnover).index, 0);
    const std::vector<std::string> messages = form.takeMessages();
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                        "Флажок «Повышенная» скорость оборота груза снят вместе с типом камеры"),
              messages.end());
}

// Rows of one kind are named together only where they took the same value.
TEST(FormMessages, RowsRewrittenToOneValueAreNamedTogether)
{
    const auto row = [](Control control, std::string text) { return RewrittenField{FindFieldName(control), text}; };
    EXPECT_EQ(RewriteMessage(*FindFieldName(Control::OutsideDesignTemperature),
                             {row(Control::OutsideTemperatureA, "  30"), row(Control::OutsideTemperatureB, "  30"),
                              row(Control::OutsideTemperatureFloor, "  1"), row(Control::StackHeight, "  -2,5")}),
              "Вместе с расчётной наружной температурой изменены: температура снаружи (стена А, стена Б) 30 °C; "
              "температура под полом 1 °C; высота штабелирования груза −2,5 м");
}

TEST(FormMessages, NextUserActionClearsTheLine)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomLength, "300");
    EXPECT_FALSE(form.message().empty());
    form.showTab(2);
    EXPECT_EQ(form.message(), "");
    Enter(form, Control::RoomLength, "300");
    form.setFocus(Control::City); // the focused control again: no action
    EXPECT_FALSE(form.message().empty());
    form.setFocus(Control::RoomWidth);
    EXPECT_EQ(form.message(), "");
}

TEST(FormMessages, WindowPostsJoinTheLineOnce)
{
    FormModel form{std::string(kToday)};
    form.postMessage("PDF записан: камера.pdf");
    form.postMessage("PDF записан: камера.pdf");
    form.postMessage("Папка копий недоступна");
    EXPECT_EQ(form.message(), "PDF записан: камера.pdf · Папка копий недоступна");
    EXPECT_THAT(form.takeMessages(), ElementsAre("PDF записан: камера.pdf", "Папка копий недоступна"));
    EXPECT_THAT(form.takeMessages(), IsEmpty());
}

// Goods entering colder than they leave: Q2 turns negative and is taken off the sum. The field
// says why, the goods tab is marked, and the message line says it.
struct CaptionRow {
    Control control;
    std::string caption;
};

class ControlCaptions : public ::testing::TestWithParam<CaptionRow> {};

// Guards a message that names a control by something the user never sees.
TEST_P(ControlCaptions, NameWhatTheUserSees)
{
    EXPECT_EQ(ControlCaption(GetParam().control), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    FromEachSource, ControlCaptions,
    ::testing::Values(CaptionRow{Control::RoomLength, "«Длина камеры»"}, // a field's name
                      CaptionRow{Control::City, "«Город»"},              // a list with presets
                      CaptionRow{Control::ClientName, "«КЛИЕНТ»"},       // a free-text field's label
                      CaptionRow{Control::StructureMaterialB, "«Материал конструкции стены Б»"},
                      CaptionRow{Control::RoomArea, "«площадь,кв.м»"}, // the panel's caption
                      CaptionRow{Control::SummaryQ12, "«Q12»"},
                      CaptionRow{Control::DoorTimeMode, "«расчет по времени»"}, // a check box's text
                      CaptionRow{Control::PreviewButton, "«ПРОСМОТР ПЕЧАТИ»"},  // without its blanks
                      CaptionRow{Control::HeatGainQ1, "без подписи (страница «Через ограждение Q1»)"},
                      CaptionRow{Control::Plan, "без подписи (главная панель)"}));

TEST(FormMessages, NoCaptionIsAnObjectName)
{
    for (const ControlFacts& facts : AllControls())
        EXPECT_EQ(ControlCaption(facts.control).find(facts.name), std::string::npos) << facts.name;
}

// Guards refusals that named a control by its object name.
TEST(FormMessages, RefusalsNameTheControlByItsCaption)
{
    FormModel form{std::string(kToday)};
    EXPECT_FALSE(form.setFocus(Control::StackHeightLabel));
    form.choose(Control::RoomType, 99);
    form.setFocus(Control::Latitude);
    const std::size_t roomTypes = form.listItems(Control::RoomType).size();
    EXPECT_THAT(form.takeErrors(), ElementsAre("Элемент «Высота штабелирования груза, м» не принимает фокус ввода.",
                                               "В списке «Тип камеры» нет строки с номером 99 (строки от 0 до " +
                                                   std::to_string(roomTypes - 1) + ").",
                                               "Элемент «Географическая широта» недоступен: перейти в него нельзя."));
}

TEST(FormWarnings, NegativeQ2IsExplained)
{
    FormModel form{std::string(kToday)};
    EXPECT_FALSE(form.tabHasWarning(fields::kGoodsTab));
    Enter(form, Control::ProductInletTemperature, "-25");
    EXPECT_EQ(form.control(Control::ProductInletTemperature).color, ControlColor::Red);
    EXPECT_THAT(form.warningTexts(Control::ProductInletTemperature), ElementsAre(std::string(kGoodsWarmedWarning)));
    EXPECT_THAT(form.warningTexts(Control::ProductFinalTemperature), IsEmpty()); // red only for a warm room
    EXPECT_THAT(form.takeMessages(), ElementsAre(std::string(kGoodsWarmedWarning)));
    for (int tab = fields::kEnclosureTab; tab <= fields::kOperationalTab; ++tab)
        EXPECT_EQ(form.tabHasWarning(tab), tab == fields::kGoodsTab) << tab;

    Enter(form, Control::ProductInletTemperature, "5");
    EXPECT_THAT(form.warningTexts(Control::ProductInletTemperature), IsEmpty());
    EXPECT_FALSE(form.tabHasWarning(fields::kGoodsTab));
}

TEST(FormWarnings, RoomWarmerThanGoodsOnTheFinalTemperatureToo)
{
    ProjectState state;
    state.roomTemperature = 2;
    state.productInletTemperature = -30;
    state.productFinalTemperature = -20;
    EXPECT_THAT(WarningTexts(state, Control::ProductFinalTemperature, ControlColor::Red),
                ElementsAre(std::string(kGoodsWarmedWarning), std::string(kRoomWarmerWarning)));
    EXPECT_THAT(WarningTexts(state, Control::RoomTemperature, ControlColor::Red),
                ElementsAre(std::string(kRoomWarmerWarning)));
    EXPECT_THAT(WarningTexts(state, Control::RoomTemperature, ControlColor::White), IsEmpty());
    EXPECT_THAT(WarningTexts(state, Control::RoomLength, ControlColor::Red), IsEmpty());
}

TEST(FormSaveName, ProposesTheCurrentProjectsFile)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    EXPECT_EQ(form.dialogFileName(FileDialog::Save), "Новый Проект.zlt");
    Enter(form, Control::SiteName, "Молокозавод: цех 2");
    Enter(form, Control::ProjectName, "камера 7?");
    EXPECT_EQ(form.dialogFileName(FileDialog::Save), "Молокозавод цех 2 - камера 7.zlt");

    const std::string a = dir.file("A.zlt");
    const std::string b = dir.file("B.zlt");
    ASSERT_TRUE(form.saveProject({true, a}));
    EXPECT_THAT(form.takeMessages(), ElementsAre("Сохранено: A.zlt"));
    ASSERT_TRUE(form.saveProject({true, b}));
    ASSERT_TRUE(form.loadProject({true, a}));
    EXPECT_EQ(form.dialogFileName(FileDialog::Save), a); // the project loaded, not the file saved last
}

TEST(FormSaveName, NeverSavedProjectGoesToTheFolderLastUsed)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    const std::string a = dir.file("A.zlt");
    ASSERT_TRUE(form.saveProject({true, a}));
    FormModel restored{std::string(kToday)};
    ASSERT_TRUE(restored.loadProject({true, a}));
    ASSERT_TRUE(restored.restoreProject(form.recoveryBytes(), ""));
    // The restored copy was never saved: its name comes from its header («ПРОЕКТ» holds A's path).
    EXPECT_EQ(restored.dialogFileName(FileDialog::Save), dir.path().string() + "/A.zlt");
}

} // namespace
} // namespace zeltar::test
