// The own project file on the form: random projects come back from it whole, a save as a 131-line
// file that would lose inputs asks first, and the recovery copy keeps what only the own file holds.
#include "form_test_support.h"
#include "random_form_input.h"

#include "app/project_convert.h"
#include "fields/field_table.h"
#include "model/project_extensions.h"
#include "projectfile/list_entry_names.h"
#include "projectfile/own_project_file.h"
#include "fields/number_text.h"

#include <algorithm>
#include <fstream>
#include <random>

namespace zeltar::test {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Shown {
    std::string text;
    int index;
    bool enabled;
    bool visible;
    ControlColor color;
    bool operator==(const Shown&) const = default;
};

// The first control that differs between two windows, "" when none does; then the record.
std::string Difference(const FormModel& expected, const FormModel& actual)
{
    for (const ControlFacts& facts : AllControls()) {
        const ControlState& e = expected.control(facts.control);
        const ControlState& a = actual.control(facts.control);
        if (!(Shown{e.text, e.index, e.enabled, e.visible, e.color} ==
              Shown{a.text, a.index, a.enabled, a.visible, a.color}))
            return std::string(facts.name) + ": \"" + e.text + "\" " + std::to_string(e.index) + " expected, \"" +
                   a.text + "\" " + std::to_string(a.index) + " shown";
    }
    return expected.state() == actual.state() ? "" : "the project record differs";
}

constexpr Control kClickable[]{Control::SunTileA,    Control::SunTileB,          Control::SunTileD,
                               Control::FacingTileC, Control::FacingTileCeiling, Control::CompassButton};

// A number a field takes: whole, or with one or two decimals, from its lower bound up.
std::string RandomNumberFor(const fields::NumericField& field, std::mt19937& random)
{
    const double span = std::min(field.upper - field.lower, 60.0);
    const double value = field.lower + std::uniform_real_distribution<double>(0, span)(random);
    if (field.storage == fields::Storage::Whole)
        return std::to_string(static_cast<int>(value));
    const int hundredths = static_cast<int>(value * 100);
    std::string text = std::to_string(hundredths / 100) + "," + std::to_string(std::abs(hundredths % 100) / 10) +
                       std::to_string(std::abs(hundredths % 10));
    return hundredths < 0 && hundredths > -100 ? "-" + text : text;
}

// One random input of the project: a field, a list, a check box, a tile or the compass, a header
// text; every other time an input of the «Дополнительно» page.
void RandomInput(FormModel& form, std::mt19937& random)
{
    auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    std::vector<Control> extensions;
    for (const ControlFacts& facts : AllControls())
        if (projectfile::IsExtensionControl(facts.control))
            extensions.push_back(facts.control);
    if (pick(8) == 0) { // a material of the user's library copied into the project
        form.useOwnMaterial(
            {"свой материал " + std::to_string(pick(3)), 0.01 + 0.01 * double(pick(50)), 0.5 + 0.1 * double(pick(10))});
        return;
    }
    const bool extension = !extensions.empty() && pick(2) == 0;
    const Control control = extension ? extensions[pick(extensions.size())] : Control::City;
    const std::size_t kind = extension ? 5 : pick(5);
    if (kind < 5) {
        const RandomInputs inputs{
            [&random](const fields::NumericField& field) { return RandomNumberFor(field, random); }, kClickable,
            [&pick] { return "Камера № " + std::to_string(pick(1000)) + "; «север»"; }};
        RandomFormInput(form, kind, pick, inputs);
    } else if (Usable(form, control)) {
        if (const fields::NumericField* field = fields::FindNumericField(control))
            EnterInto(form, control, RandomNumberFor(*field, random));
        else if (Facts(control).type == ControlType::ComboBox && !form.listItems(control).empty())
            form.choose(control, static_cast<int>(pick(form.listItems(control).size())));
        else if (Facts(control).type == ControlType::CheckBox)
            form.click(control);
    }
    form.setFocus(Control::City);
    form.takeErrors();
}

class OwnFileRoundTrip : public ::testing::TestWithParam<unsigned> {};

// Random projects (random extensions among them) saved as *.zlp come back into a fresh window with
// every control, every input and every result as they were.
TEST_P(OwnFileRoundTrip, EveryInputAndResultComesBack)
{
    TempDir dir;
    std::mt19937 random(GetParam());
    FormModel saved{std::string(kToday)};
    for (int i = 0; i < 40; ++i)
        RandomInput(saved, random);
    const std::string path = dir.file("камера.zlp");
    // Each seed gives a project that uses extensions: what the 131-line file could not hold.
    EXPECT_GE(UsedExtensions(saved.state()).size(), 2u);
    ASSERT_TRUE(saved.saveProject({true, path})) << ::testing::PrintToString(saved.takeErrors());
    EXPECT_FALSE(saved.modified());
    EXPECT_TRUE(FileBytes(path).starts_with("ZELTAR-PROJECT 1\n"));

    FormModel loaded{"01.01.2030"};
    ASSERT_TRUE(loaded.loadProject({true, path})) << ::testing::PrintToString(loaded.takeErrors());
    EXPECT_EQ(Difference(saved, loaded), "");
    EXPECT_FALSE(loaded.modified());
    EXPECT_EQ(loaded.dialogFileName(FileDialog::Save), path); // the own file is proposed again

    // Saved again from the loaded window, the file is the same.
    ASSERT_TRUE(loaded.saveProject({true, dir.file("loaded.zlp")}));
    ASSERT_TRUE(saved.saveProject({true, dir.file("saved.zlp")}));
    EXPECT_EQ(FileBytes(dir.file("loaded.zlp")), FileBytes(dir.file("saved.zlp")));
}

INSTANTIATE_TEST_SUITE_P(Seeds, OwnFileRoundTrip, ::testing::Range(1u, 13u));

// The file names a list's entries as the window's lists hold them, own materials included: the same
// entries in the same order, without padding and mark.
TEST(OwnFile, TheFileNamesEveryListEntryAsTheWindowShowsIt)
{
    FormModel form{std::string(kToday)};
    form.useOwnMaterial({"панель заказчика", 0.021, 1});
    form.useOwnMaterial({"стекло пористое", 0.06, 0.8});
    int lists = 0;
    for (const ControlFacts& facts : AllControls()) {
        if (facts.type != ControlType::ComboBox)
            continue;
        ++lists;
        const std::vector<std::string> shown = form.listItems(facts.control);
        const std::vector<std::string> named =
            projectfile::ListEntryNames(facts.control, facts.parameter, form.state().ownMaterials);
        ASSERT_EQ(shown.size(), named.size()) << facts.name;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            std::string entry = fields::TrimTrailingBlanks(shown[i]);
            if (entry.starts_with("★ ") && i + form.state().ownMaterials.size() >= shown.size())
                entry.erase(0, std::string_view("★ ").size());
            EXPECT_EQ(entry, named[i]) << facts.name << " entry " << i;
        }
    }
    EXPECT_GT(lists, 25 + 6 * 3 - 1);
}

// A project holding an own material: written by hand as an own project file.
std::string OwnFileWithOwnMaterial(const TempDir& dir)
{
    FormModel form{std::string(kToday)};
    EXPECT_TRUE(form.saveProject({true, dir.file("plain.zlp")}));
    return FileBytes(dir.file("plain.zlp")) + "OwnMaterial.1 = панель заказчика; 0,021; 1\n";
}

TEST(OwnFile, ALossySaveAsA131LineFileAsksAndNoWritesNothing)
{
    TempDir dir;
    WriteBytes(dir.file("own.zlp"), OwnFileWithOwnMaterial(dir));
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.loadProject({true, dir.file("own.zlp")}));
    ASSERT_EQ(form.state().ownMaterials.size(), 1u);

    std::vector<std::string> questions;
    bool answer = false;
    form.setAskLossySave([&](const std::string& question) {
        questions.push_back(question);
        return answer;
    });
    EXPECT_FALSE(form.saveProject({true, dir.file("old.zlt")}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(std::string(ExtensionText(Extension::OwnMaterials))), std::string::npos)
        << questions[0];
    EXPECT_NE(questions[0].find("*.zlp"), std::string::npos);
    EXPECT_NE(questions[0].find("«old.zlt»"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("old.zlt")));
    EXPECT_EQ(form.projectFile(), dir.file("own.zlp"));
    EXPECT_TRUE(form.takeErrors().empty());

    answer = true;
    EXPECT_TRUE(form.saveProject({true, dir.file("old.zlt")}));
    EXPECT_EQ(questions.size(), 2u);
    FormModel reloaded{std::string(kToday)};
    EXPECT_TRUE(reloaded.loadProject({true, dir.file("old.zlt")}));
    // The window still holds what the file lost: it counts as unsaved.
    EXPECT_TRUE(form.modified());

    // Unset, the question is answered «Нет».
    form.setAskLossySave(nullptr);
    EXPECT_FALSE(form.saveProject({true, dir.file("other.zlt")}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.zlt")));
}

TEST(OwnFile, A131LineSaveWithoutExtensionsAsksNothingAndWritesWhatItAlwaysWrote)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    int asked = 0;
    form.setAskLossySave([&](const std::string&) { return ++asked, false; });
    ASSERT_TRUE(form.saveProject({true, dir.file("a.zlt")}));
    EXPECT_EQ(asked, 0);
    // The own file and back: the same bytes.
    ASSERT_TRUE(form.saveProject({true, dir.file("a.zlp")}));
    FormModel back{std::string(kToday)};
    ASSERT_TRUE(back.loadProject({true, dir.file("a.zlp")}));
    auto converted = ConvertProject(FileBytes(dir.file("a.zlt")), true, Lossy::Refuse);
    ASSERT_TRUE(std::holds_alternative<std::string>(converted));
    auto again = ConvertProject(std::get<std::string>(converted), false, Lossy::Refuse);
    ASSERT_TRUE(std::holds_alternative<std::string>(again));
    EXPECT_EQ(std::get<std::string>(again), FileBytes(dir.file("a.zlt")));
}

// Defrost entered on the «Дополнительно» page: the own file holds exactly the inputs changed, and a
// save as *.zlt names the defrost in its question.
TEST(OwnFile, OnlyTheExtensionInputsChangedAreWrittenAndTheLossyQuestionNamesThem)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.saveProject({true, dir.file("plain.zlp")}));
    EXPECT_EQ(FileBytes(dir.file("plain.zlp")).find("Defrost"), std::string::npos);

    EnterInto(form, Control::DefrostHeaterPower, "6,5");
    EnterInto(form, Control::DefrostCoolerCount, "2");
    EnterInto(form, Control::DefrostsPerDay, "4");
    EnterInto(form, Control::DefrostDuration, "30");
    ASSERT_TRUE(form.saveProject({true, dir.file("defrost.zlp")}));
    const std::string text = FileBytes(dir.file("defrost.zlp"));
    EXPECT_NE(text.find("\nDefrostHeaterPower =   6,5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nDefrostCoolerCount =   2\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("DefrostRoomShare"), std::string::npos); // still at its default 0,3
    EXPECT_EQ(text.find("UValue"), std::string::npos);

    std::string question;
    form.setAskLossySave([&](const std::string& asked) { return question = asked, false; });
    EXPECT_FALSE(form.saveProject({true, dir.file("defrost.zlt")}));
    EXPECT_NE(question.find(std::string(ExtensionText(Extension::Defrost))), std::string::npos) << question;
    EXPECT_FALSE(std::filesystem::exists(dir.file("defrost.zlt")));

    // Changing an extension input alone is an unsaved change.
    EXPECT_FALSE(form.modified());
    EnterInto(form, Control::DefrostRoomShare, "0,25");
    EXPECT_TRUE(form.modified());
}

TEST(OwnFile, LoadingA131LineFilePutsTheExtensionsBackToStartUp)
{
    TempDir dir;
    WriteBytes(dir.file("own.zlp"), OwnFileWithOwnMaterial(dir));
    FormModel plain{std::string(kToday)};
    ASSERT_TRUE(plain.saveProject({true, dir.file("plain.zlt")}));
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.loadProject({true, dir.file("own.zlp")}));
    ASSERT_TRUE(form.loadProject({true, dir.file("plain.zlt")}));
    EXPECT_TRUE(form.state().ownMaterials.empty());
    EXPECT_TRUE(UsedExtensions(form.state()).empty());
}

TEST(OwnFile, TheRecoveryCopyOfAProjectWithExtensionsIsAnOwnFile)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    EXPECT_FALSE(form.recoveryBytes().starts_with("ZELTAR-PROJECT")); // none used: the 131-line copy

    ASSERT_TRUE(form.restoreProject(OwnFileWithOwnMaterial(dir), ""));
    EXPECT_TRUE(form.modified());
    // With no file of its own, a project using an extension is proposed as an own file.
    EXPECT_TRUE(form.dialogFileName(FileDialog::Save).ends_with(".zlp"));
    const std::string copy = form.recoveryBytes();
    EXPECT_TRUE(copy.starts_with("ZELTAR-PROJECT 1\n"));
    FormModel restored{std::string(kToday)};
    ASSERT_TRUE(restored.restoreProject(copy, dir.file("lost.zlp")));
    EXPECT_EQ(restored.state().ownMaterials, form.state().ownMaterials);
}

// A project with PIR on wall A and an own material as the ceiling's insulation, written by hand.
std::string OwnFileWithPirAndOwnInsulation(const TempDir& dir)
{
    std::string text = OwnFileWithOwnMaterial(dir);
    const auto replace = [&text](const std::string& key, const std::string& value) {
        const std::size_t at = text.find("\n" + key + " = ");
        const std::size_t end = text.find('\n', at + 1);
        text.replace(at + 1, end - at - 1, key + " = " + value);
    };
    replace("InsulationThicknessA", "100");
    replace("InsulationThicknessCeiling", "120");
    replace("InsulationMaterialA", "пенополиизоцианурат (PIR)");
    replace("InsulationMaterialCeiling", "панель заказчика");
    return text;
}

TEST(OwnFile, AddedAndOwnInsulationsLoadCalculateAndComeBack)
{
    TempDir dir;
    WriteBytes(dir.file("pir.zlp"), OwnFileWithPirAndOwnInsulation(dir));
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.loadProject({true, dir.file("pir.zlp")})) << ::testing::PrintToString(form.takeErrors());
    EXPECT_TRUE(form.takeErrors().empty());
    EXPECT_EQ(form.state().rows[WallA].insulationMaterial, BuiltInInsulationCount(WallA));
    EXPECT_EQ(form.state().rows[Ceiling].insulationMaterial, BuiltInInsulationCount(Ceiling) + 3);
    const std::vector<Extension> used = UsedExtensions(form.state());
    EXPECT_NE(std::find(used.begin(), used.end(), Extension::AddedInsulation), used.end());

    ASSERT_TRUE(form.saveProject({true, dir.file("again.zlp")}));
    FormModel back{std::string(kToday)};
    ASSERT_TRUE(back.loadProject({true, dir.file("again.zlp")}));
    EXPECT_EQ(Difference(form, back), "");

    // Saved as a 131-line file after the question: the stand-ins load, with nearby results.
    form.setAskLossySave([](const std::string&) { return true; });
    ASSERT_TRUE(form.saveProject({true, dir.file("stand-ins.zlt")}));
    FormModel standIns{std::string(kToday)};
    ASSERT_TRUE(standIns.loadProject({true, dir.file("stand-ins.zlt")}))
        << ::testing::PrintToString(standIns.takeErrors());
    EXPECT_LT(standIns.state().rows[WallA].insulationMaterial, BuiltInInsulationCount(WallA));
    EXPECT_TRUE(UsedExtensions(standIns.state()).empty());
}

TEST(OwnFile, ConvertRefusesALossyConversionUnlessAskedFor)
{
    TempDir dir;
    const std::string own = OwnFileWithOwnMaterial(dir);
    auto refused = ConvertProject(own, false, Lossy::Refuse);
    ASSERT_TRUE(std::holds_alternative<ConvertProblem>(refused));
    const std::string& message = std::get<ConvertProblem>(refused).message;
    EXPECT_NE(message.find(std::string(ExtensionText(Extension::OwnMaterials))), std::string::npos) << message;
    EXPECT_NE(message.find("--lossy"), std::string::npos);

    auto allowed = ConvertProject(own, false, Lossy::Allow);
    ASSERT_TRUE(std::holds_alternative<std::string>(allowed));
    WriteBytes(dir.file("lossy.zlt"), std::get<std::string>(allowed));
    FormModel form{std::string(kToday)};
    EXPECT_TRUE(form.loadProject({true, dir.file("lossy.zlt")}));
    // The own file to the own file keeps everything.
    auto kept = ConvertProject(own, true, Lossy::Refuse);
    ASSERT_TRUE(std::holds_alternative<std::string>(kept));
    EXPECT_EQ(std::get<std::string>(kept), own);
}

} // namespace
} // namespace zeltar::test
