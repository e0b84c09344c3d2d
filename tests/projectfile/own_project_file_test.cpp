// The own project file: every 131-line file survives the trip through it byte for byte, list choices
// stand by name, and what a reader cannot trust is refused naming its key and line.
#include "project_test_files.h"

#include "fields/control_catalogue.h"
#include "model/project_extensions.h"
#include "projectfile/built_in_stand_in.h"
#include "projectfile/list_entry_names.h"
#include "projectfile/own_project_file.h"
#include "refdata/added_materials.h"
#include "refdata/materials.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace zeltar::projectfile {
namespace {

using testing::ReadBytes;
using testing::ReferenceDir;
using testing::ReferenceFiles;

LoadedProject ReadOrFail(std::string_view bytes)
{
    auto read = ReadProjectFile(bytes);
    if (auto* problem = std::get_if<FileProblem>(&read))
        ADD_FAILURE() << problem->message;
    return std::get<LoadedProject>(std::move(read));
}

std::string Write(const OwnProject& project)
{
    auto written = WriteOwnProjectFile(project);
    if (auto* problem = std::get_if<FileProblem>(&written)) {
        ADD_FAILURE() << problem->message;
        return {};
    }
    return std::get<std::string>(written);
}

std::string DefaultsOwnText()
{
    return Write(OwnProjectOf(ReadOrFail(ReadBytes(ReferenceDir() / "defaults.zlt"))));
}

// Every 131-line file the tests and samples hold.
std::vector<std::filesystem::path> EveryProjectFile()
{
    std::vector<std::filesystem::path> files = ReferenceFiles();
    for (const auto& entry :
         std::filesystem::directory_iterator(ReferenceDir().parent_path().parent_path().parent_path() / "samples"))
        if (entry.path().extension() == ".zlt")
            files.push_back(entry.path());
    return files;
}

TEST(OwnProjectFile, EveryLineHasAKeyOfItsOwn)
{
    std::set<std::string> keys;
    for (int line = 1; line <= kLineCount; ++line) {
        EXPECT_FALSE(LineKey(line).empty()) << line;
        EXPECT_EQ(LineKey(line).find_first_of(" =\t"), std::string::npos) << LineKey(line);
        EXPECT_TRUE(keys.insert(LineKey(line)).second) << "line " << line << " repeats key " << LineKey(line);
    }
    for (const ControlFacts& facts : AllControls()) {
        if (IsExtensionControl(facts.control)) {
            EXPECT_TRUE(keys.insert(std::string(facts.parameter)).second) << facts.parameter;
        }
    }
}

// A list stored by name must name each entry once, or a choice would come back as another entry.
TEST(OwnProjectFile, EveryListNamesEachEntryOnce)
{
    const std::vector<OwnMaterial> own{{"панель заказчика", 0.02, 1}};
    for (const ControlFacts& facts : AllControls()) {
        if (facts.type != ControlType::ComboBox)
            continue;
        const std::vector<std::string> names = ListEntryNames(facts.control, facts.parameter, own);
        EXPECT_FALSE(names.empty()) << facts.name;
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << facts.name;
    }
}

TEST(OwnProjectFile, EveryProjectFileComesBackByteForByte)
{
    const std::vector<std::filesystem::path> files = EveryProjectFile();
    ASSERT_GT(files.size(), 20u);
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string original = ReadBytes(path);
        const std::string own = Write(OwnProjectOf(ReadOrFail(original)));
        EXPECT_TRUE(own.starts_with("ZELTAR-PROJECT 1\n"));
        EXPECT_EQ(own.find('\r'), std::string::npos);
        auto read = ReadOwnProjectFile(own);
        ASSERT_TRUE(std::holds_alternative<LoadedOwnProject>(read)) << std::get<FileProblem>(read).message;
        const LoadedOwnProject& loaded = std::get<LoadedOwnProject>(read);
        EXPECT_TRUE(loaded.extensions.empty());
        const auto back = WriteProjectFile(loaded.file.lines);
        ASSERT_TRUE(std::holds_alternative<std::string>(back));
        EXPECT_EQ(std::get<std::string>(back), original);
        // The numbers the load applies are those of the 131-line file.
        const LoadedProject direct = ReadOrFail(original);
        EXPECT_EQ(loaded.file.numbers, direct.numbers);
        EXPECT_EQ(loaded.file.integers, direct.integers);
        // Either kind is read by the one entry point.
        EXPECT_TRUE(std::holds_alternative<LoadedOwnProject>(ReadEitherProjectFile(own)));
        EXPECT_TRUE(std::holds_alternative<LoadedOwnProject>(ReadEitherProjectFile(original)));
    }
}

TEST(OwnProjectFile, ListChoicesStandByNameAndTextsKeepTheirBlanks)
{
    const std::string text = DefaultsOwnText();
    const LoadedProject defaults = ReadOrFail(ReadBytes(ReferenceDir() / "defaults.zlt"));
    const int city = static_cast<int>(defaults.integer(Facts(Control::City).fileLine));
    const std::string cityName = ListEntryNames(Control::City, "City", {})[static_cast<std::size_t>(city)];
    EXPECT_NE(text.find("\nCity = " + cityName + "\n"), std::string::npos);
    EXPECT_NE(text.find("\nRoomLength = " + defaults.text(Facts(Control::RoomLength).fileLine) + "\n"),
              std::string::npos);
    EXPECT_NE(text.find("\nPlanOrientation = "), std::string::npos);
    EXPECT_NE(text.find("\nLabel63.Visible = "), std::string::npos);
}

// Added insulations and own materials: in the lists after the built-in entries, stored by name; a
// 131-line file gets a built-in stand-in that it can load.
TEST(OwnProjectFile, AddedInsulationsAndOwnMaterialsByName)
{
    OwnProject project = OwnProjectOf(ReadOrFail(ReadBytes(ReferenceDir() / "defaults.zlt")));
    project.ownMaterials = {{"панель «Север»; серия 2", 0.021, 1}, {"стекло пористое", 0.06, 0.8}};
    const auto line = [&](Control control) -> std::string& {
        return project.lines[static_cast<std::size_t>(Facts(control).fileLine - 1)];
    };
    const int wallInsulations = BuiltInInsulationCount(WallA);
    line(Control::InsulationMaterialA) = std::to_string(wallInsulations); // PIR
    line(Control::InsulationMaterialCeiling) =
        std::to_string(BuiltInInsulationCount(Ceiling) + 3 + 1); // стекло пористое
    line(Control::StructureMaterialA) = std::to_string(refdata::kWallStructureMaterials.size()); // own № 1
    const std::string text = Write(project);
    EXPECT_NE(text.find("\nInsulationMaterialA = " + std::string(refdata::kAddedInsulationMaterials[0].name) + "\n"),
              std::string::npos);
    EXPECT_NE(text.find("\nInsulationMaterialCeiling = стекло пористое\n"), std::string::npos);
    EXPECT_NE(text.find("\nOwnMaterial.1 = панель «Север»; серия 2; 0,021; 1\n"), std::string::npos);
    EXPECT_NE(text.find("\nOwnMaterial.2 = стекло пористое; 0,06; 0,8\n"), std::string::npos);

    auto read = ReadOwnProjectFile(text);
    ASSERT_TRUE(std::holds_alternative<LoadedOwnProject>(read)) << std::get<FileProblem>(read).message;
    const LoadedOwnProject& loaded = std::get<LoadedOwnProject>(read);
    EXPECT_EQ(loaded.file.lines, project.lines);
    EXPECT_EQ(loaded.ownMaterials, project.ownMaterials);
    EXPECT_EQ(loaded.file.integer(Facts(Control::InsulationMaterialA).fileLine), wallInsulations);

    // The 131-line file cannot name them: each becomes a built-in entry, and the file loads.
    const ProjectLines standIns = WithBuiltInStandIns(project.lines, project.ownMaterials);
    const auto bytes = WriteProjectFile(standIns);
    ASSERT_TRUE(std::holds_alternative<std::string>(bytes));
    const LoadedProject back = ReadOrFail(std::get<std::string>(bytes));
    const auto insulationA = static_cast<std::size_t>(back.integer(Facts(Control::InsulationMaterialA).fileLine));
    EXPECT_EQ(refdata::kWallInsulationMaterials[insulationA].name, "пенополиуретан-25"); // 0,025 nearest 0,022
}

// A file written by hand or by a newer program: each refusal names the key and the line.
enum class At { Appended, RoomLength, First, Whole, Unchecked };

struct Refusal {
    std::string name;
    std::function<std::string(std::string)> edit;
    std::vector<std::string> expected; // parts of the message; "{line}" stands for the line
    At at;
};

std::string ReplaceLine(std::string text, const std::string& key, const std::string& line)
{
    const std::size_t at = text.find("\n" + key + " = ");
    const std::size_t end = text.find('\n', at + 1);
    return text.replace(at + 1, end - at - 1, line);
}

int LineOf(const std::string& text, const std::string& key)
{
    const std::size_t at = text.find("\n" + key + " = ");
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at) + 1, '\n')) + 1;
}

class OwnProjectRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(OwnProjectRefusal, NamesKeyAndLine)
{
    const std::string defaults = DefaultsOwnText();
    const std::string text = GetParam().edit(defaults);
    int line = -1;
    switch (GetParam().at) {
    case At::Appended: line = static_cast<int>(std::count(text.begin(), text.end(), '\n')); break;
    case At::RoomLength: line = LineOf(defaults, "RoomLength"); break;
    case At::First: line = 1; break;
    case At::Whole: line = 0; break;
    case At::Unchecked: break;
    }
    auto read = ReadOwnProjectFile(text);
    ASSERT_TRUE(std::holds_alternative<FileProblem>(read));
    const FileProblem& problem = std::get<FileProblem>(read);
    for (std::string part : GetParam().expected) {
        if (const std::size_t mark = part.find("{line}"); mark != std::string::npos)
            part.replace(mark, 6, std::to_string(line));
        EXPECT_NE(problem.message.find(part), std::string::npos) << problem.message << "\nlacks: " << part;
    }
    if (line >= 0) {
        EXPECT_EQ(problem.line, line) << problem.message;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, OwnProjectRefusal,
    ::testing::Values(
        Refusal{"UnknownKey", [](std::string text) { return text + "DefrostHeaterPowerPerFan = 3\n"; },
                {"неизвестный параметр «DefrostHeaterPowerPerFan» в строке {line}: файл новее программы?"},
                At::Appended},
        Refusal{"RepeatedKey", [](std::string text) { return text + "RoomLength = 5\n"; },
                {"«RoomLength»", "второй раз"}, At::Appended},
        Refusal{"MissingKey", [](std::string text) { return ReplaceLine(text, "RoomLength", "# removed"); },
                {"нет параметра «RoomLength»", "длина камеры"}, At::Whole},
        Refusal{"BadNumber", [](std::string text) { return ReplaceLine(text, "RoomLength", "RoomLength = 12,5 м"); },
                {"Строка {line} ", "«RoomLength»", "не является числом"}, At::RoomLength},
        Refusal{"UnknownListEntry", [](std::string text) { return ReplaceLine(text, "City", "City = Атлантида"); },
                {"«City»", "нет строки «Атлантида»"}, At::Unchecked},
        Refusal{"NewerVersion", [](std::string text) { return "ZELTAR-PROJECT 2" + text.substr(text.find('\n')); },
                {"ZELTAR-PROJECT 2", "более новой"}, At::First},
        Refusal{"NoVersionLine", [](std::string text) { return text.substr(text.find('\n') + 1); },
                {"ожидается ZELTAR-PROJECT 1"}, At::First},
        Refusal{"LineWithoutEquals", [](std::string text) { return text + "RoomLength 5\n"; },
                {"«параметр = значение»"}, At::Appended},
        Refusal{"CarriageReturnInsideAText",
                [](std::string text) { return ReplaceLine(text, "ClientName", "ClientName = ООО\r«Север»"); },
                {"возврата каретки"}, At::Unchecked},
        Refusal{"NotUtf8", [](std::string text) { return text + "ClientNameX = \xE8\xEC\xFF\n"; }, {"UTF-8"},
                At::Appended},
        Refusal{"OwnMaterialWithoutNumbers", [](std::string text) { return text + "OwnMaterial.1 = пеностекло\n"; },
                {"«OwnMaterial.1»", "название; теплопроводность"}, At::Appended},
        Refusal{"OwnMaterialZeroConductivity",
                [](std::string text) { return text + "OwnMaterial.1 = пеностекло; 0; 1\n"; }, {"теплопроводность «0»"},
                At::Appended},
        Refusal{"OwnMaterialsOutOfOrder",
                [](std::string text) { return text + "OwnMaterial.2 = пеностекло; 0,06; 1\n"; }, {"подряд с 1"},
                At::Appended},
        Refusal{"OwnMaterialNamedAsBuiltIn", [](std::string text) { return text + "OwnMaterial.1 = сталь; 50; 1\n"; },
                {"«сталь»", "встроенных"}, At::Appended},
        Refusal{"ExtensionNotANumber", [](std::string text) { return text + "DefrostHeaterPower = шесть\n"; },
                {"«DefrostHeaterPower»", "не является числом"}, At::Appended},
        Refusal{"ExtensionOutsideItsField", [](std::string text) { return text + "DefrostHeaterPower = 1000\n"; },
                {"«DefrostHeaterPower»", "вне допустимого", "до 100"}, At::Appended},
        Refusal{"ExtensionWholeNumber", [](std::string text) { return text + "DefrostCoolerCount = 2,5\n"; },
                {"«DefrostCoolerCount»", "не является числом"}, At::Appended},
        Refusal{"ExtensionFlag", [](std::string text) { return text + "StaffOwnHours = 2\n"; },
                {"«StaffOwnHours»", "только 0 или 1"}, At::Appended},
        Refusal{"ExtensionListEntry", [](std::string text) { return text + "ExtraLayerMaterial1A = картон\n"; },
                {"«ExtraLayerMaterial1A»", "нет строки «картон»"}, At::Appended},
        Refusal{"ShownResultIsNoKey", [](std::string text) { return text + "DefrostHeatGain = 3\n"; },
                {"неизвестный параметр «DefrostHeatGain»"}, At::Appended},
        Refusal{"ValueThe131LineFileRefuses",
                [](std::string text) { return ReplaceLine(text, "RoomTemperature", "RoomTemperature = -300"); },
                {"«RoomTemperature»", "абсолютного нуля"}, At::Unchecked}),
    [](const auto& row) { return row.param.name; });
// clang-format on

// The inputs of the «Дополнительно» page by their parameter names: numbers as typed, an extra
// layer's material by name (an own material too), flags as 0 or 1; written back in catalogue order.
TEST(OwnProjectFile, ExtensionInputsByParameterName)
{
    const std::string text = DefaultsOwnText() +
                             "OwnMaterial.1 = панель заказчика; 0,021; 1\n"
                             "StaffOwnHours = 1\n"
                             "ExtraLayerMaterial1Ceiling = панель заказчика\n"
                             "DefrostHeaterPower =   6,5\n"
                             "ExtraLayerThickness1Ceiling =   100\n"
                             "ExtraLayerMaterial2A = пенополистирол XPS\n"
                             "UValueA = 0,19\n";
    auto read = ReadOwnProjectFile(text);
    ASSERT_TRUE(std::holds_alternative<LoadedOwnProject>(read)) << std::get<FileProblem>(read).message;
    const LoadedOwnProject& loaded = std::get<LoadedOwnProject>(read);
    const std::vector<ExtensionValue> expected{
        {Control::UValueA, "0,19"},
        {Control::ExtraLayerMaterial2A, "1"}, // XPS: the second of the extra-layer materials
        {Control::ExtraLayerMaterial1Ceiling, std::to_string(refdata::kExtraLayerMaterials.size())}, // own № 1
        {Control::ExtraLayerThickness1Ceiling, "  100"},
        {Control::DefrostHeaterPower, "  6,5"},
        {Control::StaffOwnHours, "1"},
    };
    EXPECT_EQ(loaded.extensions, expected);
    const std::string written = Write({loaded.file.lines, loaded.extensions, loaded.ownMaterials});
    const std::size_t uValue = written.find("\nUValueA = 0,19\n");
    const std::size_t layer = written.find("\nExtraLayerMaterial1Ceiling = панель заказчика\n");
    const std::size_t defrost = written.find("\nDefrostHeaterPower =   6,5\n");
    const std::size_t material = written.find("\nOwnMaterial.1 = панель заказчика; 0,021; 1\n");
    EXPECT_TRUE(uValue < layer && layer < defrost && defrost < material) << written;
}

TEST(OwnProjectFile, EditorsLineEndsCommentsAndBlankLinesAreRead)
{
    std::string text = DefaultsOwnText();
    std::string edited;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        edited += text.substr(start, end - start) + "\r\n" + (start == 0 ? "# written by hand\r\n\r\n" : "");
    auto read = ReadOwnProjectFile("\xEF\xBB\xBF" + edited);
    ASSERT_TRUE(std::holds_alternative<LoadedOwnProject>(read)) << std::get<FileProblem>(read).message;
    EXPECT_EQ(std::get<LoadedOwnProject>(read).file.lines,
              ReadOrFail(ReadBytes(ReferenceDir() / "defaults.zlt")).lines);
}

TEST(OwnProjectFile, A131LineReaderSaysWhatAnOwnFileIs)
{
    auto read = ReadProjectFile(DefaultsOwnText());
    ASSERT_TRUE(std::holds_alternative<FileProblem>(read));
    EXPECT_NE(std::get<FileProblem>(read).message.find("*.zlp"), std::string::npos);
    EXPECT_EQ(RecognizeFile(DefaultsOwnText()).kind, FileKind::OwnProject);
}

TEST(OwnProjectFile, TextsThatCannotStandOnALineAreRefusedOrMadeSafe)
{
    OwnProject project = OwnProjectOf(ReadOrFail(ReadBytes(ReferenceDir() / "defaults.zlt")));
    project.lines[static_cast<std::size_t>(Facts(Control::ClientName).fileLine - 1)] = "ООО «Север»\nвторая строка";
    auto written = WriteOwnProjectFile(project);
    ASSERT_TRUE(std::holds_alternative<FileProblem>(written));
    EXPECT_EQ(std::get<FileProblem>(written).line, Facts(Control::ClientName).fileLine);
    const std::string lossy = WriteOwnProjectFileLossy(project);
    auto read = ReadOwnProjectFile(lossy);
    ASSERT_TRUE(std::holds_alternative<LoadedOwnProject>(read)) << std::get<FileProblem>(read).message;
    EXPECT_EQ(std::get<LoadedOwnProject>(read).file.text(Facts(Control::ClientName).fileLine),
              "ООО «Север»?вторая строка");
}

} // namespace
} // namespace zeltar::projectfile
