// The protocol the pass records: on every reference project its totals are the results the window
// shows, its parts add up to them, and recording changes no result; and one room of the frozen-goods
// sample worked out by hand.
#include "calc/calc_trace.h"
#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "fields/number_text.h"
#include "model/startup_state.h"
#include "projectfile/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

using namespace zeltar;
using calc::TraceLine;

namespace {

const std::filesystem::path kDataDir(ZELTAR_TEST_DATA_DIR);

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProjectState LoadedState(const std::filesystem::path& path)
{
    auto checked = projectfile::ReadProjectFile(ReadBytes(path));
    if (!std::holds_alternative<projectfile::LoadedProject>(checked))
        throw std::runtime_error(path.string() + ": " + std::get<projectfile::FileProblem>(checked).message);
    ProjectState state = StartupState("08.12.2025");
    projectfile::ApplyToState(std::get<projectfile::LoadedProject>(checked), state);
    return state;
}

std::map<std::string, std::string> ExpectedTexts(const std::filesystem::path& path)
{
    std::map<std::string, std::string> texts;
    std::istringstream in(ReadBytes(path));
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
            texts[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return texts;
}

std::vector<std::string> ReferenceProjects()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kDataDir / "reference-projects"))
        if (entry.path().extension() == ".zlt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

const TraceLine* FindLine(const std::vector<TraceLine>& lines, std::string_view symbol,
                          std::string_view sectionStart = {})
{
    for (const TraceLine& line : lines)
        if (line.symbol == symbol && line.section.starts_with(sectionStart))
            return &line;
    return nullptr;
}

double Value(const std::vector<TraceLine>& lines, std::string_view symbol, std::string_view sectionStart = {})
{
    const TraceLine* line = FindLine(lines, symbol, sectionStart);
    if (!line)
        throw std::runtime_error("no protocol line " + std::string(symbol) + " in " + std::string(sectionStart));
    return line->value;
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

class ProtocolOfReferenceProject : public ::testing::TestWithParam<std::string> {};

// The totals of the protocol, cut as the fields show them, are the reference results; the rows of
// the enclosure are the row results.
TEST_P(ProtocolOfReferenceProject, TotalsAreTheResultsTheWindowShows)
{
    const auto dir = kDataDir / "reference-projects";
    const ProjectState state = LoadedState(dir / (GetParam() + ".zlt"));
    const auto expected = ExpectedTexts(dir / (GetParam() + ".expected"));
    calc::CalcTrace trace;
    calc::Recalculate(state, &trace);
    const auto& lines = trace.lines();
    const std::pair<const char*, const char*> totals[] = {
        {"Q1", "HeatGainQ1"},   {"Q12", "HeatGainQ12"}, {"Q2", "HeatGainQ2"},      {"Q3", "HeatGainQ3"},
        {"Q4", "HeatGainQ4"},   {"Q5", "HeatGainQ5"},   {"Qсум", "TotalHeatGain"}, {"Q0", "EquipmentCapacity"},
        {"Q21", "HeatGainQ21"}, {"Q22", "HeatGainQ22"}, {"Q_дв", "DoorHeatGain"},  {"Q_в", "FanHeatGain"},
    };
    for (const auto& [symbol, field] : totals) {
        std::string shown = fields::ResultText(Value(lines, symbol, symbol == std::string("Q3") ? "Итог" : ""));
        if (std::string(field) == "DoorHeatGain")
            shown = " " + shown; // the door field's third blank
        EXPECT_EQ(shown, expected.at(field)) << symbol;
    }
    const std::pair<const char*, const char*> rows[] = {
        {"Q1: стена А", "EnclosureHeatGainA"},       {"Q1: стена Б", "EnclosureHeatGainB"},
        {"Q1: стена В", "EnclosureHeatGainC"},       {"Q1: стена Г", "EnclosureHeatGainD"},
        {"Q1: потолок", "EnclosureHeatGainCeiling"}, {"Q1: пол", "EnclosureHeatGainFloor"},
    };
    for (const auto& [section, field] : rows) {
        const auto row = std::find_if(lines.begin(), lines.end(), [&](const TraceLine& l) {
            return l.section.starts_with(section) && l.partOf == "Q1";
        });
        ASSERT_NE(row, lines.end()) << section;
        EXPECT_EQ(fields::ResultText(row->value), expected.at(field)) << section;
    }
}

// Every total re-adds from the lines that name it as their sum.
TEST_P(ProtocolOfReferenceProject, PartsAddUpToTheirTotals)
{
    const ProjectState state = LoadedState(kDataDir / "reference-projects" / (GetParam() + ".zlt"));
    calc::CalcTrace trace;
    calc::Recalculate(state, &trace);
    const auto& lines = trace.lines();
    for (const char* total : {"Q1", "Q12", "Q2", "Q4", "Qсум"}) {
        double sum = 0;
        int parts = 0;
        for (const TraceLine& line : lines)
            if (line.partOf == total) {
                sum += line.value;
                ++parts;
            }
        const int expectedParts = std::string(total) == "Q1"    ? 6
                                  : std::string(total) == "Q12" ? 5
                                  : std::string(total) == "Q2"  ? 2
                                                                : 6;
        EXPECT_EQ(parts, expectedParts) << total;
        EXPECT_TRUE(Near(sum, Value(lines, total, "Итог")))
            << total << ": parts " << sum << ", total " << Value(lines, total, "Итог");
    }
}

// Recording is a side output: the results with a trace are those without.
TEST_P(ProtocolOfReferenceProject, RecordingChangesNoResult)
{
    const ProjectState state = LoadedState(kDataDir / "reference-projects" / (GetParam() + ".zlt"));
    calc::CalcTrace trace;
    const calc::RecalcResult traced = calc::Recalculate(state, &trace);
    const calc::RecalcResult plain = calc::Recalculate(state);
    EXPECT_TRUE(traced.results == plain.results);
    EXPECT_FALSE(trace.lines().empty());
}

// The frozen-goods sample (24 x 21 x 6 m store at -20 °C, Moscow), worked out by hand from its
// inputs: wall A, the door and the goods.
class FrozenGoodsSampleByHand : public ::testing::Test {
protected:
    void SetUp() override
    {
        calc::Recalculate(LoadedState(std::filesystem::path(ZELTAR_SAMPLES_DIR) / "frozen-goods-store.zlt"), &trace);
    }
    double At(std::string_view symbol, std::string_view section = {}) const
    {
        return Value(trace.lines(), symbol, section);
    }
    calc::CalcTrace trace;
};

// Wall A borders the loading dock at +12 °C: 21 m x 6 m = 126 m2; steel 1 mm (52 W/(m K)) and
// polyurethane foam 150 mm (0,035 W/(m K)); 1/10 + 1/52000 + 4,285714 + 1/10 = 4,485733 m2 K/W,
// k = 0,222929 W/(m2 K); 0,222929 x 126 x 32 K = 898,85 W, 899 W whole.
TEST_F(FrozenGoodsSampleByHand, WallA)
{
    const std::string wall = "Q1: стена А";
    EXPECT_DOUBLE_EQ(At("F", wall), 126);
    EXPECT_NEAR(At("R_и", wall), 4.285714, 1e-6);
    EXPECT_NEAR(At("k", wall), 0.222929, 1e-6);
    EXPECT_DOUBLE_EQ(At("Δt", wall), 32);
    EXPECT_DOUBLE_EQ(At("Q1,стена А", wall), 0.899);
}

// The door 2,8 x 2,4 m to the dock (+12 °C, 56 %) of the -20 °C, 95 % store. Saturation moisture
// 0,008841 and 0,0006408 kg/kg from the table: x = 0,622 phi x_s / (0,622 + x_s - phi x_s) gives
// 0,0049202 and 0,00060873 kg/kg, h 24,4823 and -18,6208 kJ/kg. Densities 352,96/285,15 = 1,23780
// and 352,96/253,15 = 1,39427 (+0,001 for the denser), psi = (2/(1 + 1,12724^0,333))^1,5 = 0,970246;
// the open door passes sqrt(0,112867 x 2,8) x 0,692 x 2,8 x 2,4 x 43103,1 x 1,39427 x 0,970246
// = 152,426 kW. Goods 8 % of 749,7 t = 59,976 t/day, 2 x 59,976 / 0,8 = 149,94 passes of 15 s plus
// 48 s/t: z = (2249,1 + 2878,85) / 86400 = 0,0593513; with a strip curtain (0,2):
// 152,426 x 0,0593513 x 1,1 x 0,8 = 7,96106 kW.
TEST_F(FrozenGoodsSampleByHand, Door)
{
    const std::string door = "Q4: дверь";
    EXPECT_NEAR(At("x_н", door), 0.00492019, 1e-8);
    EXPECT_NEAR(At("h_н", door), 24.4823, 1e-4);
    EXPECT_NEAR(At("h_к", door), -18.6208, 1e-4);
    EXPECT_NEAR(At("ψ", door), 0.970246, 1e-6);
    EXPECT_NEAR(At("Q_откр", door), 152.4258, 1e-3);
    EXPECT_NEAR(At("n_пр", door), 149.94, 1e-9);
    EXPECT_NEAR(At("z", door), 0.0593513, 1e-7);
    EXPECT_NEAR(At("Q_дв", door), 7.96106, 1e-5);
}

// Poultry (74 % water, cryoscopic -2,5 °C) in cartons (2300 J/(kg K), 10 %) from -12 to -20 °C:
// integrating 1470 (1 - W) + 4190 W (1 - w_f) + 2050 W w_f over the 8 K gives 16,831 kJ/kg, the
// frozen share rising 0,84767 -> 0,88781 adds 333,4 x 0,74 x 0,040134 = 9,902 kJ/kg: 26,73, cut 26,7;
// the cartons 2,3 x 8 = 18,4 kJ/kg. Store: 0,85 x 504 m2 x 5 m x 350 kg/m3 = 749,7 t, 74,97 t of
// cartons, 8 % a day: Q21 = 0,08 x 749,7 x 26,7 / 86,4 = 18,53425 kW, Q22 = 0,08 x 74,97 x 18,4 / 86,4
// = 1,277267 kW.
TEST_F(FrozenGoodsSampleByHand, Goods)
{
    EXPECT_DOUBLE_EQ(At("Δh_п"), 26.7);
    EXPECT_DOUBLE_EQ(At("Δh_т"), 18.4);
    EXPECT_NEAR(At("M"), 749.7, 1e-9);
    EXPECT_NEAR(At("M_т"), 74.97, 1e-9);
    EXPECT_NEAR(At("Q21"), 18.53425, 1e-6);
    EXPECT_NEAR(At("Q22"), 1.277267, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(All, ProtocolOfReferenceProject, ::testing::ValuesIn(ReferenceProjects()),
                         [](const ::testing::TestParamInfo<std::string>& project) { return project.param; });

} // namespace
