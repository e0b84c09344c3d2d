// Applying a loaded file to the project record: each line's value must land in its own parameter,
// stored as loaded, and the inputs that follow from the loaded choices must follow them.
#include "projectfile/project_file.h"

#include "model/startup_state.h"
#include "project_test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace zeltar::projectfile {
namespace {

using testing::ReadBytes;
using testing::ReferenceDir;
using testing::SplitCrLf;

LoadedProject Read(const std::string& bytes)
{
    auto result = ReadProjectFile(bytes);
    if (auto* problem = std::get_if<FileProblem>(&result)) {
        ADD_FAILURE() << problem->message;
        return {};
    }
    return std::get<LoadedProject>(result);
}

// defaults.zlt with every number field set to its own line number, so that a value stored in the
// wrong parameter shows as the wrong number.
std::vector<std::string> LineNumberedLines()
{
    std::vector<std::string> lines = SplitCrLf(ReadBytes(ReferenceDir() / "defaults.zlt"));
    for (int line = 1; line <= kLineCount; ++line) {
        const LineKind kind = LineAt(line).kind;
        if (kind == LineKind::Decimal || kind == LineKind::Percent || kind == LineKind::Integer)
            lines[static_cast<std::size_t>(line - 1)] = "  " + std::to_string(line);
    }
    const int listSizes[] = {19, 19, 19, 19, 15, 15, 15, 15, 6, 15, 22, 15, 127, 7, 7, 7, 7, 7, 4, 8, 61, 4, 3, 2, 3};
    for (int line = 83; line <= 107; ++line)
        lines[static_cast<std::size_t>(line - 1)] = std::to_string(line % listSizes[line - 83]);
    const char* surfaceFlags[] = {"0", "1", "0", "1", "0", "1", "0", "1", "0", "0"};
    for (int line = 108; line <= 117; ++line)
        lines[static_cast<std::size_t>(line - 1)] = surfaceFlags[line - 108];
    lines[117] = "405";
    lines[118] = "1";  // door time mode
    lines[119] = "2";  // high turnover: only exactly 1 is true
    lines[120] = "1";  // detailed fans
    lines[53] = "  7"; // cryoscopic text, shown only
    // Texts go into the file as Windows-1251 bytes.
    lines[65] = *EncodeCp1251("Насос");
    lines[68] = *EncodeCp1251("Компрессор");
    lines[73] = *EncodeCp1251("Клиент");
    lines[74] = *EncodeCp1251("Исполнитель");
    lines[75] = *EncodeCp1251("Объект");
    lines[76] = "01.02.2024";
    lines[77] = *EncodeCp1251("Проект");
    return lines;
}

ProjectState AppliedToStartup(const std::vector<std::string>& lines)
{
    ProjectState state = StartupState("today");
    for (EnclosureRow& row : state.rows) {
        row.innerSurfaceCoefficient = 3;
        row.facing = std::nullopt;
    }
    ApplyToState(Read(testing::JoinCrLf(lines)), state);
    return state;
}

// Fault: a line's value stored in the wrong parameter (a shifted or swapped line in the table),
// percentages not held as fractions, whole-number fields not whole.
TEST(ApplyToState, StoresEveryNumberFieldInItsOwnParameter)
{
    const ProjectState s = AppliedToStartup(LineNumberedLines());
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(s.rows[row].structureThickness, 1 + row);
        EXPECT_EQ(s.rows[row].insulationThickness, 5 + row);
        EXPECT_EQ(s.rows[row].outsideTemperature, 9 + row);
    }
    EXPECT_EQ(s.rows[Ceiling].structureThickness, 13);
    EXPECT_EQ(s.rows[Ceiling].insulationThickness, 14);
    EXPECT_EQ(s.rows[Ceiling].outsideTemperature, 15);
    EXPECT_EQ(s.rows[Floor].structureThickness, 16);
    EXPECT_EQ(s.rows[Floor].insulationThickness, 17);
    EXPECT_EQ(s.rows[Floor].outsideTemperature, 18);
    EXPECT_EQ(s.latitude, 19);
    EXPECT_EQ(s.outsideDesignTemperature, 20);
    EXPECT_DOUBLE_EQ(s.outsideRelativeHumidity, 0.21);
    EXPECT_EQ(s.roomLength, 22);
    EXPECT_EQ(s.roomWidth, 23);
    EXPECT_EQ(s.roomHeight, 24);
    EXPECT_EQ(s.airExchangeRate, 29);
    EXPECT_EQ(s.roomTemperature, 30);
    EXPECT_DOUBLE_EQ(s.roomRelativeHumidity, 0.41);
    EXPECT_EQ(s.equipmentRunningHours, 42);
    EXPECT_EQ(s.capacityReserve, 43);
    EXPECT_EQ(s.stackHeight, 49);
    EXPECT_EQ(s.stackDensity, 50);
    EXPECT_EQ(s.packagingShare, 51);
    EXPECT_EQ(s.dailyTurnoverPercent, 52);
    EXPECT_EQ(s.productInletTemperature, 55);
    EXPECT_EQ(s.productFinalTemperature, 56);
    EXPECT_EQ(s.doorHeight, 57);
    EXPECT_EQ(s.doorWidth, 58);
    EXPECT_EQ(s.loadUnitMass, 59);
    EXPECT_EQ(s.lightingPowerDensity, 60);
    EXPECT_EQ(s.lightingHours, 61);
    EXPECT_EQ(s.staffCount, 62);
    EXPECT_EQ(s.vehiclePower, 63);
    EXPECT_EQ(s.vehicleHours, 64);
    EXPECT_EQ(s.fanSharePercent, 65);
    EXPECT_EQ(s.consumer1Power, 67);
    EXPECT_EQ(s.consumer1Hours, 68);
    EXPECT_EQ(s.consumer2Power, 70);
    EXPECT_EQ(s.consumer2Hours, 71);
    EXPECT_EQ(s.fanPower, 72);
    EXPECT_EQ(s.dailyTurnover, 73);
    EXPECT_EQ(s.fanCount, 79);
    EXPECT_EQ(s.doorOpenTime, 80);
}

// Fault: a list selection, surface flag or check box applied to the wrong choice; a flag other
// than 1 taken as true; header and consumer texts not restored.
TEST(ApplyToState, StoresListsFlagsAndTextsInTheirOwnParameters)
{
    const ProjectState s = AppliedToStartup(LineNumberedLines());
    const int wallStructure[] = {83 % 19, 84 % 19, 85 % 19, 86 % 19};
    for (int wall = 0; wall < 4; ++wall) {
        SCOPED_TRACE(wall);
        EXPECT_EQ(s.rows[wall].structureMaterial, wallStructure[wall]);
        EXPECT_EQ(s.rows[wall].insulationMaterial, (87 + wall) % 15);
        EXPECT_EQ(s.rows[wall].surfaceFinish, (96 + wall) % 7);
        EXPECT_EQ(s.rows[wall].sunlit, wall % 2);
        EXPECT_EQ(s.rows[wall].outsideFacing, 1 - wall % 2);
    }
    EXPECT_EQ(s.rows[Ceiling].structureMaterial, 91 % 6);
    EXPECT_EQ(s.rows[Ceiling].insulationMaterial, 92 % 15);
    EXPECT_EQ(s.rows[Floor].structureMaterial, 93 % 22);
    EXPECT_EQ(s.rows[Floor].insulationMaterial, 94 % 15);
    EXPECT_EQ(s.city, 95);
    EXPECT_EQ(s.rows[Ceiling].surfaceFinish, 100 % 7);
    EXPECT_EQ(s.rows[Ceiling].sunlit, 0);
    EXPECT_EQ(s.rows[Ceiling].outsideFacing, 0);
    EXPECT_EQ(s.floorType, 101 % 4);
    EXPECT_EQ(s.roomType, 102 % 8);
    EXPECT_EQ(s.product, 103 % 61);
    EXPECT_EQ(s.packagingMaterial, 104 % 4);
    EXPECT_EQ(s.doorProtection, 105 % 3);
    EXPECT_EQ(s.doorType, 106 % 2);
    EXPECT_EQ(s.productGroup, 107 % 3);
    EXPECT_EQ(s.doorTimeMode, 1);
    EXPECT_EQ(s.highTurnover, 0);
    EXPECT_EQ(s.fanDetailedCalculation, 1);
    EXPECT_EQ(s.consumer1Name, "Насос");
    EXPECT_EQ(s.consumer2Name, "Компрессор");
    EXPECT_EQ(s.clientName, "Клиент");
    EXPECT_EQ(s.contractorName, "Исполнитель");
    EXPECT_EQ(s.siteName, "Объект");
    EXPECT_EQ(s.projectDate, "01.02.2024");
    EXPECT_EQ(s.projectName, "Проект");
}

// Fault: inputs that follow the loaded choices left at their previous values: the wall directions
// of the old orientation (an orientation of 405 not brought back to 45), outer coefficients of the
// old flags or floor placement, the cryoscopic temperature of the previous product.
TEST(ApplyToState, DerivesCoefficientsDirectionsAndCryoscopicTemperature)
{
    const ProjectState s = AppliedToStartup(LineNumberedLines());
    EXPECT_EQ(s.planOrientation, 45);
    EXPECT_EQ(s.rows[WallA].facing, plan::Direction::SouthEast);
    EXPECT_EQ(s.rows[WallB].facing, plan::Direction::NorthEast);
    EXPECT_EQ(s.rows[WallC].facing, plan::Direction::NorthWest);
    EXPECT_EQ(s.rows[WallD].facing, plan::Direction::SouthWest);
    const double outer[] = {23, 10, 23, 10, 10};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(s.rows[row].outerSurfaceCoefficient, outer[row]) << row;
    for (const EnclosureRow& row : s.rows)
        EXPECT_EQ(row.innerSurfaceCoefficient, 10);
    EXPECT_EQ(s.product, 42); // "клубника"
    EXPECT_DOUBLE_EQ(s.cryoscopicTemperature, -1.1);

    std::vector<std::string> lines = LineNumberedLines();
    const double floorCoefficient[] = {23, 10, 100000, 100000};
    for (int floorType = 0; floorType < 4; ++floorType) {
        lines[100] = std::to_string(floorType);
        EXPECT_EQ(AppliedToStartup(lines).rows[Floor].outerSurfaceCoefficient, floorCoefficient[floorType])
            << floorType;
    }
}

// Fault: stored values clamped to the typing ranges on load, so the recalculation differs from the
// one that was saved.
TEST(ApplyToState, KeepsNumbersAsStoredWithoutClamping)
{
    ProjectState s = StartupState("today");
    ApplyToState(Read(ReadBytes(ReferenceDir() / "p0011.zlt")), s);
    EXPECT_DOUBLE_EQ(s.doorOpenTime, 78.34);
    EXPECT_DOUBLE_EQ(s.dailyTurnover, 4127.2);
}

// Fault: wall directions computed from the orientation other than the window wrote them when it
// saved (every reference file holds both).
TEST(ApplyToState, WallDirectionsMatchThoseSavedInEveryReferenceFile)
{
    for (const auto& path : testing::ReferenceFiles()) {
        SCOPED_TRACE(path.filename().string());
        const LoadedProject file = Read(ReadBytes(path));
        ProjectState s = StartupState("today");
        ApplyToState(file, s);
        for (int wall = 0; wall < 4; ++wall)
            EXPECT_EQ(plan::DirectionText(s.rows[wall].facing.value()), file.text(25 + wall)) << wall;
    }
}

} // namespace
} // namespace zeltar::projectfile
