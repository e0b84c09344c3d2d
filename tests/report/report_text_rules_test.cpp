// The report's text rules on the window's texts: display blanks dropped from numbers, trailing
// blanks from list texts, substitutes for empty texts, sentences joined without extra blanks, the
// turnover line by room type, and the fixed cells of the floor row.
#include "known_project.h"
#include "recording_canvas.h"
#include "refdata/room_types.h"
#include "report/report_layout.h"

#include <gtest/gtest.h>

namespace zeltar::report::testing {
namespace {

RecordingCanvas Printed(const ReportSource& source)
{
    RecordingCanvas canvas;
    DrawPrintedReport(canvas, source, {1, 1});
    return canvas;
}

// The texts drawn with the top-left corner of their cell at `at`.
std::vector<std::string> TextsAt(const RecordingCanvas& canvas, Point at)
{
    std::vector<std::string> texts;
    for (const Drawn& d : canvas.texts()) {
        if (d.points.front() == at)
            texts.push_back(d.text);
    }
    return texts;
}

// Left edge of a text right-placed at x in the 40-unit body font of the recording canvas.
int RightPlaced(int x, std::string_view text)
{
    return x - RecordingCanvas::MeasuredWidth(text, {"Arial", 40, false});
}

using Texts = std::vector<std::string>;

// Guards display blanks printing, and an empty numeric field printing nothing instead of "0".
TEST(ReportTextRules, EmptyAndZeroNumericFieldsPrintZero)
{
    FakeSource source = KnownProject();
    source.texts[Control::RoomLength] = "";   // room length, empty
    source.texts[Control::RoomWidth] = "  0"; // room width, shown as zero
    source.texts[Control::RoomHeight] = "-,"; // room height, an unfinished number
    const RecordingCanvas canvas = Printed(source);
    EXPECT_EQ(TextsAt(canvas, {RightPlaced(1370, "0"), 380}), Texts{"0"});
    EXPECT_EQ(TextsAt(canvas, {RightPlaced(1370, "0"), 420}), Texts{"0"});
    EXPECT_EQ(TextsAt(canvas, {RightPlaced(1370, "0"), 460}), Texts{"0"});
}

// Guards a list without a selection printing nothing or crashing: it prints " 0".
TEST(ReportTextRules, ListWithoutSelectionPrintsBlankZero)
{
    FakeSource source = KnownProject();
    source.texts[Control::City] = "";
    source.texts[Control::Product] = "";
    const RecordingCanvas canvas = Printed(source);
    EXPECT_EQ(TextsAt(canvas, {RightPlaced(730, " 0"), 380}), Texts{" 0"});
    EXPECT_EQ(TextsAt(canvas, {RightPlaced(1750, " 0 / без тары"), 1710}), Texts{" 0 / без тары"});
}

// Guards the turnover wording for the processing rooms and the stores.
TEST(ReportTextRules, TurnoverLineByRoomType)
{
    for (int roomType = 0; roomType < static_cast<int>(refdata::kRoomTypes.size()); ++roomType) {
        const std::string text = refdata::GroupOf(roomType) == refdata::RoomGroup::Store ? "10 %   =  7,05 т/сут"
                                                                                         : "значение не нормировано";
        FakeSource source = KnownProject();
        source.selectedRoomType = roomType;
        EXPECT_EQ(TextsAt(Printed(source), {RightPlaced(1750, text), 1760}), Texts{text}) << "room type " << roomType;
    }
}

// Guards values joined into sentences with their display blanks (two blanks where one belongs).
TEST(ReportTextRules, ValuesJoinedIntoSentencesLoseTheirDisplayBlanks)
{
    FakeSource source = KnownProject();
    source.texts[Control::LightingHours] = "  12,5";
    source.texts[Control::AirExchangeRate] = "  0,5";
    const RecordingCanvas canvas = Printed(source);
    EXPECT_EQ(TextsAt(canvas, {70, 2190}),
              Texts{"От освещения (удельная мощность - 5 Вт/кв.м / время работы - 12,5 ч/сут.)"});
    EXPECT_EQ(TextsAt(canvas, {70, 1480}),
              Texts{"ИТОГО : Теплоприток от вентиляции (кратность воздухообмена = 0,5) :"});
}

// Guards captions and header fields being "cleaned": they print exactly as the window shows them,
// leading blanks and all, and a long client name is drawn whole (it may run past the frame).
TEST(ReportTextRules, CaptionsAndHeaderFieldsPrintAsShown)
{
    FakeSource source = KnownProject();
    source.texts[Control::RunningHoursCaption] = "Время термообработки, ч";
    source.texts[Control::ClientName] = "   Очень длинное наименование клиента, которое не помещается в строку отчета";
    source.texts[Control::ProjectName] = "";
    const RecordingCanvas canvas = Printed(source);
    EXPECT_EQ(TextsAt(canvas, {1470, 500}), Texts{"Время термообработки, ч"});
    EXPECT_EQ(TextsAt(canvas, {370, 2970}),
              Texts{"   Очень длинное наименование клиента, которое не помещается в строку отчета"});
    EXPECT_EQ(TextsAt(canvas, {370, 3290}), Texts{""});
}

// Guards the consumers' own names leaking into the report: the lines say №1 and №2 only.
TEST(ReportTextRules, ConsumerNamesAreNotPrinted)
{
    FakeSource source = KnownProject();
    source.texts[Control::Consumer1Name] = "Компрессор";
    const RecordingCanvas canvas = Printed(source);
    for (const Drawn& d : canvas.texts())
        EXPECT_EQ(d.text.find("Компрессор"), std::string::npos) << d.text;
    EXPECT_EQ(TextsAt(canvas, {70, 2590}),
              Texts{"Дополнительный потребитель №1 (мощность - 1,5 кВт / время работы - 4 ч/сут.)"});
}

} // namespace
} // namespace zeltar::report::testing
