// Saving and loading on the form: the round trip, the project name after either dialog, the
// all-or-nothing load and the save that never destroys the previous file.
#include "form_test_support.h"

#include "calc/recalculate.h"
#include "fields/control_catalogue.h"
#include "fields/number_text.h"
#include "refdata/cities.h"

#include <fstream>

namespace zeltar::test {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every control's text, selection and states, for comparing two windows.
std::string Snapshot(const FormModel& form)
{
    std::string out;
    for (const ControlFacts& facts : AllControls()) {
        const std::string name(facts.name);
        const ControlState& c = form.control(facts.control);
        out += name + "|" + c.text + "|" + std::to_string(c.index) + "|" + std::to_string(c.enabled) +
               std::to_string(c.visible) + std::to_string(static_cast<int>(c.color)) + "\n";
    }
    return out;
}

// A project touching every kind of input: lists with presets, tiles, compass, check boxes, texts.
void FillProject(FormModel& form)
{
    form.choose(Control::City, refdata::kCustomCity);
    Enter(form, Control::OutsideDesignTemperature, "34,5");
    Enter(form, Control::OutsideRelativeHumidity, "61");
    form.choose(Control::FloorType, 2);
    form.choose(Control::RoomType, 1);
    Enter(form, Control::RoomLength, "12,5");
    Enter(form, Control::RoomWidth, "8");
    Enter(form, Control::RoomHeight, "6");
    Enter(form, Control::StackHeight, "5"); // stacking height committed: its parameter is what it shows
    Enter(form, Control::RoomTemperature, "3");
    form.choose(Control::StructureMaterialA, 11);
    Enter(form, Control::StructureThicknessA, "380");
    Enter(form, Control::InsulationThicknessA, "120");
    ASSERT_TRUE(form.setFocus(Control::OutsideTemperatureA));
    form.pressSpace();
    form.choose(Control::SurfaceFinishA, 2);
    form.click(Control::SunTileA);
    form.click(Control::FacingTileD);
    form.click(Control::CompassButton);
    form.click(Control::CompassButton);
    form.click(Control::CompassButton);
    Enter(form, Control::AirExchangeRate, "4,5");
    form.choose(Control::Product, 43); // "лимоны"
    form.click(Control::HighTurnover);
    Enter(form, Control::DailyTurnoverPercent, "25");
    form.click(Control::DoorTimeMode);
    Enter(form, Control::DoorOpenTime, "2,5");
    form.choose(Control::DoorProtection, 2);
    Enter(form, Control::StaffCount, "3");
    Type(form, Control::ClientName, "ООО «Северный холод»");
    Type(form, Control::Consumer1Name, "Погрузчик");
    Enter(form, Control::Consumer1Power, "1,5");
    form.setFocus(Control::City);
    ASSERT_TRUE(form.takeErrors().empty());
}

// A save -> load round trip into a fresh window restores every text, choice, flag, caption,
// visibility and colour, and the recalculation reproduces every result.
TEST(FormFile, SaveThenLoadIntoAFreshWindowReproducesEveryControl)
{
    TempDir dir;
    FormModel saved{std::string(kToday)};
    FillProject(saved);
    ASSERT_TRUE(saved.saveProject({true, dir.file("project.zlt")}));
    EXPECT_EQ(Text(saved, Control::ProjectName), dir.file("project.zlt"));

    FormModel loaded{"01.01.2030"};
    ASSERT_TRUE(loaded.loadProject({true, dir.file("project.zlt")}));
    EXPECT_TRUE(loaded.takeErrors().empty());
    EXPECT_EQ(Snapshot(loaded), Snapshot(saved));
    EXPECT_EQ(Text(loaded, Control::ProjectDate), kToday);
    EXPECT_EQ(loaded.state().city, refdata::kCustomCity);
    EXPECT_TRUE(loaded.control(Control::OutsideDesignTemperature).enabled); // the custom climate stays editable
    EXPECT_FALSE(loaded.control(Control::OutsideTemperatureFloor).enabled); // floor on ground
    EXPECT_EQ(loaded.state().clientName, "ООО «Северный холод»");
    EXPECT_EQ(loaded.state().consumer1Name, "Погрузчик");
    EXPECT_EQ(loaded.state().planOrientation, 135);
    EXPECT_DOUBLE_EQ(loaded.state().rows[WallD].outerSurfaceCoefficient, 10);
}

TEST(FormFile, LoadingARailProjectHidesTheCapacityFields)
{
    TempDir dir;
    FormModel saved{std::string(kToday)};
    saved.choose(Control::RoomType, 4);
    saved.choose(Control::Product, 6);
    ASSERT_TRUE(saved.saveProject({true, dir.file("rail.zlt")}));
    FormModel loaded{std::string(kToday)};
    ASSERT_TRUE(loaded.loadProject({true, dir.file("rail.zlt")}));
    EXPECT_EQ(Snapshot(loaded), Snapshot(saved));
    EXPECT_FALSE(loaded.control(Control::StackHeight).visible);
    EXPECT_EQ(loaded.control(Control::PackagingMaterial).color, ControlColor::Red);
}

// Guards a half-applied load: a faulty line late in the file must leave every control as it was.
TEST(FormFile, AFaultyFileLeavesTheWindowAsItWas)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.saveProject({true, dir.file("good.zlt")}));
    std::string bytes = FileBytes(dir.file("good.zlt"));
    const std::size_t cityLine = bytes.find("\r\n64\r\n");
    ASSERT_NE(cityLine, std::string::npos);
    std::string bad = bytes;
    bad.replace(cityLine, 6, "\r\n300\r\n");
    bad.replace(0, 3, "  9"); // line 1 would change the first structure thickness if applied before the check
    WriteBytes(dir.file("bad.zlt"), bad);

    Enter(form, Control::RoomLength, "7");
    const std::string before = Snapshot(form);
    EXPECT_FALSE(form.loadProject({true, dir.file("bad.zlt")}));
    const std::vector<std::string> errors = form.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(dir.file("bad.zlt")), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("Строка 95"), std::string::npos) << errors[0];
    EXPECT_EQ(Snapshot(form), before);
    EXPECT_EQ(form.dialogFileName(FileDialog::Open), kInitialDialogFileName);

    WriteBytes(dir.file("short.zlt"), bytes.substr(0, bytes.size() / 2));
    EXPECT_FALSE(form.loadProject({true, dir.file("short.zlt")}));
    EXPECT_EQ(form.takeErrors().size(), 1u);
    EXPECT_EQ(Snapshot(form), before);
}

// Fault: a PDF larger than any project refused only as too large, not named for what it is.
TEST(FormFile, AFileTooLargeForAProjectIsStillNamedForWhatItIs)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    WriteBytes(dir.file("scan.pdf"), "%PDF-1.7\n" + std::string(3 << 20, 'x'));
    EXPECT_FALSE(form.loadProject({true, dir.file("scan.pdf")}));
    std::vector<std::string> errors = form.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("не является файлом проекта ЗЕЛТАР: это документ PDF"), std::string::npos) << errors[0];
    // A large text file is refused as too large, as before.
    WriteBytes(dir.file("big.zlt"), std::string(3 << 20, '1'));
    EXPECT_FALSE(form.loadProject({true, dir.file("big.zlt")}));
    errors = form.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("слишком велик"), std::string::npos) << errors[0];
}

// Guards the silent pass of a missing file (shown as the project's name): a message, no change.
TEST(FormFile, AMissingFileIsReportedAndChangesNothing)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::ClientName)); // leaving the city list recalculates
    form.click(Control::SunTileA);                   // results now stale until the next recalculation
    const std::string before = Snapshot(form);
    EXPECT_FALSE(form.loadProject({true, dir.file("нет такого.zlt")}));
    const std::vector<std::string> errors = form.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Файл «" + dir.file("нет такого.zlt") + "» не найден.");
    EXPECT_EQ(Snapshot(form), before); // no recalculation either
    EXPECT_EQ(form.dialogFileName(FileDialog::Open), kInitialDialogFileName);
}

// Guards a cancel that throws away the project name the user typed.
TEST(FormFile, CancelledDialogsKeepTheProjectName)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    Type(form, Control::ProjectName, "Склад 3");
    EXPECT_FALSE(form.saveProject({false, {}}));
    EXPECT_EQ(Text(form, Control::ProjectName), "Склад 3");
    EXPECT_EQ(form.state().projectName, "Склад 3");
    EXPECT_TRUE(form.takeErrors().empty());

    ASSERT_TRUE(form.saveProject({true, dir.file("a.zlt")}));
    EXPECT_EQ(form.dialogFileName(FileDialog::Save), dir.file("a.zlt"));
    EXPECT_EQ(form.dialogFileName(FileDialog::Open), "Новый Проект");
    // The line of the project name holds the name as it was before the save.
    EXPECT_NE(FileBytes(dir.file("a.zlt")).find("\r\n\xd1\xea\xeb\xe0\xe4 3\r\n"), std::string::npos);

    Type(form, Control::ProjectName, "Склад 4");
    EXPECT_FALSE(form.loadProject({false, {}}));
    EXPECT_EQ(Text(form, Control::ProjectName), "Склад 4");
    EXPECT_FALSE(form.saveProject({false, {}}));
    EXPECT_EQ(Text(form, Control::ProjectName), "Склад 4");
}

// Guards a save that loses a text silently or destroys the previous file.
TEST(FormFile, ATextWindows1251CannotHoldRefusesTheSave)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
    const std::string previous = FileBytes(dir.file("p.zlt"));
    Type(form, Control::ClientName, "Холод ");
    form.typeCharacter(U'\U0001F9CA'); // an ice cube
    EXPECT_FALSE(form.saveProject({true, dir.file("p.zlt")}));
    const std::vector<std::string> errors = form.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Причина — поле «КЛИЕНТ»"), std::string::npos) << errors[0];
    EXPECT_EQ(errors[0].find(Name(Control::ClientName)), std::string::npos) << errors[0]; // no object name
    EXPECT_EQ(FileBytes(dir.file("p.zlt")), previous);
    EXPECT_FALSE(form.saveProject({true, dir.file("q.zlt")}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("q.zlt")));
    EXPECT_EQ(Text(form, Control::ProjectName), dir.file("p.zlt"));
}

TEST(FormFile, FileErrorsNameTheFileAndLeaveNothingBehind)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    const std::string missingFolder = dir.file("нет/p.zlt");
    EXPECT_FALSE(form.saveProject({true, missingFolder}));
    std::vector<std::string> errors = form.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Проект не сохранён. Не удалось записать файл «" + missingFolder + "»: папка «" +
                             dir.file("нет") + "» не найдена.");
    EXPECT_EQ(Text(form, Control::ProjectName), "");

    EXPECT_FALSE(form.saveProject({true, dir.path().string()}));
    EXPECT_NE(form.takeErrors().at(0).find("это папка"), std::string::npos);
    EXPECT_FALSE(form.loadProject({true, dir.path().string()}));
    EXPECT_NE(form.takeErrors().at(0).find("это папка"), std::string::npos);

    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
    Enter(form, Control::RoomLength, "9");
    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")})); // replaces the old file
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1) << "a temporary file stayed behind";
    FormModel check{std::string(kToday)};
    ASSERT_TRUE(check.loadProject({true, dir.file("p.zlt")}));
    EXPECT_EQ(Text(check, Control::RoomLength), "  9");
}

// The save button takes the focus: the field being edited is committed before the file is written,
// and a text that is no number stops the save.
TEST(FormFile, SaveCommitsTheFieldBeingEdited)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    Type(form, Control::RoomLength, "12");
    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
    EXPECT_EQ(form.focusedControl(), Control::SaveButton);
    FormModel check{std::string(kToday)};
    ASSERT_TRUE(check.loadProject({true, dir.file("p.zlt")}));
    EXPECT_EQ(Text(check, Control::RoomLength), "  12");
    EXPECT_DOUBLE_EQ(check.state().roomLength, 12);

    ASSERT_TRUE(form.setFocus(Control::RoomWidth));
    form.textEdited("1-2");
    EXPECT_FALSE(form.saveProject({true, dir.file("r.zlt")}));
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"'1-2' is not a valid floating point value."});
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.zlt")));
}

TEST(FormFile, ModifiedFollowsEditsSavesAndLoads)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    EXPECT_FALSE(form.modified());
    form.click(Control::SunTileB);
    EXPECT_TRUE(form.modified());
    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
    EXPECT_FALSE(form.modified());
    Enter(form, Control::RoomWidth, "3");
    EXPECT_TRUE(form.modified());
    ASSERT_TRUE(form.loadProject({true, dir.file("p.zlt")}));
    EXPECT_FALSE(form.modified());
    EXPECT_EQ(Text(form, Control::RoomWidth), "  0");
}

// Every control's state read through `Control`, for comparing a new project with start-up.
std::string ControlSnapshot(const FormModel& form)
{
    std::string out;
    for (const ControlFacts& facts : AllControls()) {
        const ControlState& c = form.control(facts.control);
        out += std::string(facts.name) + "|" + c.text + "|" + std::to_string(c.index) + std::to_string(c.enabled) +
               std::to_string(c.visible) + std::to_string(c.readOnly) + std::to_string(static_cast<int>(c.color)) +
               "\n";
    }
    return out;
}

// A new project after a loaded, edited one: every control as at start-up, no file of its own (the
// save proposes a new name in the folder last used), unmodified, every control reported changed.
TEST(FormFile, ANewProjectShowsTheStartupWindowAndForgetsTheFile)
{
    TempDir dir;
    const FormModel startup{std::string(kToday)};
    FormModel form{std::string(kToday)};
    FillProject(form);
    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
    form.showTab(fields::kGoodsTab);
    ASSERT_TRUE(form.setFocus(Control::RoomWidth));
    form.typeCharacter(U'7'); // an edit in progress is given up
    form.takeChangedControls();
    form.takeMessages();
    const std::uint64_t before = form.revision();

    form.newProject();

    EXPECT_EQ(ControlSnapshot(form), ControlSnapshot(startup));
    EXPECT_EQ(form.takeChangedControls().size(), kControlCount);
    EXPECT_GT(form.revision(), before);
    EXPECT_EQ(form.focusedControl(), startup.focusedControl());
    EXPECT_EQ(form.currentTab(), fields::kEnclosureTab);
    EXPECT_FALSE(form.modified());
    EXPECT_EQ(form.projectFile(), "");
    EXPECT_EQ(form.dialogFileName(FileDialog::Open), kInitialDialogFileName);
    EXPECT_EQ(form.dialogFileName(FileDialog::Save), dir.file("Новый Проект.zlt"));
    EXPECT_EQ(form.message(), "Новый проект");
    EXPECT_EQ(form.takeMessages(), std::vector<std::string>{"Новый проект"});
    EXPECT_EQ(form.lastValues().totalHeatGain, startup.lastValues().totalHeatGain);

    Enter(form, Control::RoomWidth, "3"); // the new project is a working window
    EXPECT_TRUE(form.modified());
    EXPECT_TRUE(form.takeErrors().empty());
}

// The text of a line of a project file (1-based), without its line end.
std::string FileLine(const std::string& bytes, int line)
{
    std::size_t start = 0;
    for (int i = 1; i < line; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

void ReplaceFileLine(const std::string& path, int line, const std::string& text)
{
    std::string bytes = FileBytes(path);
    const std::string old = FileLine(bytes, line);
    std::size_t start = 0;
    for (int i = 1; i < line; ++i)
        start = bytes.find("\r\n", start) + 2;
    bytes.replace(start, old.size(), text);
    WriteBytes(path, bytes);
}

// Guards results that change on load (8,13 -> 8,15): a percentage entered as tonnes per day is
// held to full precision while its field shows one decimal; line 52 then holds every digit.
TEST(FormFile, Line52KeepsTheFullPercentageOfATonnesEntry)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomLength, "10");
    Enter(form, Control::RoomWidth, "10");
    Enter(form, Control::RoomHeight, "5"); // net capacity 98 t
    Enter(form, Control::DailyTurnover, "10");
    const double percent = form.state().dailyTurnoverPercent;
    ASSERT_EQ(Text(form, Control::DailyTurnoverPercent), "  10,2");
    ASSERT_TRUE(form.saveProject({true, dir.file("t.zlt")}));
    const std::string line52 = FileLine(FileBytes(dir.file("t.zlt")), 52);
    EXPECT_EQ(line52.substr(0, 10), "  10,20408") << line52;
    EXPECT_EQ(fields::ParseDecimal(line52), percent);

    FormModel loaded{std::string(kToday)};
    ASSERT_TRUE(loaded.loadProject({true, dir.file("t.zlt")}));
    EXPECT_EQ(loaded.state().dailyTurnoverPercent, percent);
    EXPECT_EQ(Text(loaded, Control::DailyTurnoverPercent), "  10,2");
    EXPECT_EQ(Text(loaded, Control::TotalHeatGain), Text(form, Control::TotalHeatGain));

    Enter(loaded, Control::DailyTurnoverPercent, "12"); // typed: the field's text is the whole value again
    ASSERT_TRUE(loaded.saveProject({true, dir.file("t.zlt")}));
    EXPECT_EQ(FileLine(FileBytes(dir.file("t.zlt")), 52), "  12");
}

// A line 52 of the field's length is shown as stored; a longer one is held whole, shown rounded.
TEST(FormFile, Line52OfFiveCharactersIsShownAsStored)
{
    TempDir dir;
    FormModel saved{std::string(kToday)};
    ASSERT_TRUE(saved.saveProject({true, dir.file("p.zlt")}));
    const struct {
        const char* line;
        const char* shown;
        double held;
    } cases[]{
        {"  0,25", "  0,25", 0.25}, // the display blanks do not count
        {"12,45", "12,45", 12.45},
        {"  14,1773", "  14,2", 14.1773},
        {"0,2500001", "  0,3", 0.2500001},
    };
    for (const auto& c : cases) {
        ReplaceFileLine(dir.file("p.zlt"), 52, c.line);
        FormModel form{std::string(kToday)};
        ASSERT_TRUE(form.loadProject({true, dir.file("p.zlt")})) << c.line;
        EXPECT_EQ(Text(form, Control::DailyTurnoverPercent), c.shown) << c.line;
        EXPECT_DOUBLE_EQ(form.state().dailyTurnoverPercent, c.held) << c.line;
    }
}

// Guards every later save failing after a load or save from a path the code page cannot hold.
TEST(FormFile, TheProjectNameLineWritesUnstorableCharactersAsQuestionMarks)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    Type(form, Control::ProjectName, "café Склад 项目");
    ASSERT_TRUE(form.saveProject({true, dir.file("项目.zlt")}));
    EXPECT_EQ(FileLine(FileBytes(dir.file("项目.zlt")), 78), "caf? \xd1\xea\xeb\xe0\xe4 ??");
    EXPECT_EQ(Text(form, Control::ProjectName), dir.file("项目.zlt"));
    ASSERT_TRUE(form.saveProject({true, dir.file("b.zlt")})) << form.takeErrors().at(0);
    const std::string expectedPath = dir.file("??.zlt");
    EXPECT_EQ(FileLine(FileBytes(dir.file("b.zlt")), 78), expectedPath);
    FormModel loaded{std::string(kToday)};
    ASSERT_TRUE(loaded.loadProject({true, dir.file("b.zlt")}));
    EXPECT_EQ(loaded.control(Control::ProjectName).text, dir.file("b.zlt"));
}

} // namespace
} // namespace zeltar::test
