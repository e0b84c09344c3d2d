// Reading project files: reference files read and write back byte for byte; line ends of other
// systems are understood; every hostile file is refused before anything is applied, naming the
// line at fault.
#include "fields/control_catalogue.h"
#include "projectfile/project_file.h"

#include "project_test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zeltar::projectfile {
namespace {

using testing::DefaultsWithLine;
using testing::ReadBytes;
using testing::ReferenceDir;
using testing::ReferenceFiles;

LoadedProject ReadOk(std::string_view bytes)
{
    auto result = ReadProjectFile(bytes);
    if (auto* problem = std::get_if<FileProblem>(&result))
        ADD_FAILURE() << "refused at line " << problem->line << ": " << problem->message;
    return std::holds_alternative<LoadedProject>(result) ? std::get<LoadedProject>(result) : LoadedProject{};
}

FileProblem Refusal(std::string_view bytes)
{
    auto result = ReadProjectFile(bytes);
    if (!std::holds_alternative<FileProblem>(result)) {
        ADD_FAILURE() << "the file was accepted";
        return {};
    }
    return std::get<FileProblem>(result);
}

// Fault: a load and save that changes a project file (a blank, a line end, a Cyrillic byte, an
// integer form), so that a saved project drifts from what was loaded.
TEST(ReadProjectFile, EveryReferenceFileWritesBackByteForByte)
{
    const auto files = ReferenceFiles();
    ASSERT_GE(files.size(), 2u);
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadBytes(path);
        const LoadedProject file = ReadOk(bytes);
        auto written = WriteProjectFile(file.lines);
        ASSERT_TRUE(std::holds_alternative<std::string>(written));
        EXPECT_EQ(std::get<std::string>(written), bytes);
    }
}

// Fault: numbers converted other than the field would (blanks, decimal comma, the two humidities
// as fractions), and Cyrillic texts not decoded.
TEST(ReadProjectFile, ConvertsEachLineAsItsKindSays)
{
    const LoadedProject file = ReadOk(ReadBytes(ReferenceDir() / "p0001.zlt"));
    EXPECT_DOUBLE_EQ(file.number(9), 33.6);  // «  33,6»
    EXPECT_DOUBLE_EQ(file.number(21), 0.44); // «  44» %
    EXPECT_DOUBLE_EQ(file.number(41), 0.85); // «  85» %
    EXPECT_DOUBLE_EQ(file.number(56), -0.32);
    EXPECT_DOUBLE_EQ(file.number(51), 80); // whole-number field
    EXPECT_EQ(file.integer(95), 55);       // city index
    EXPECT_EQ(file.integer(118), 135);
    EXPECT_EQ(file.text(25), "   СВ");
    EXPECT_EQ(file.text(66), "Электропотребитель № 1");
}

// Fault: a file from another system (LF or CR line ends) or without a final line end read as one
// long line or refused.
TEST(ReadProjectFile, UnderstandsLoneLfAndCrLineEndsAndAMissingLastEnd)
{
    const std::string crlf = ReadBytes(ReferenceDir() / "p0001.zlt");
    const LoadedProject expected = ReadOk(crlf);
    std::string lf, cr;
    for (char c : crlf) {
        if (c != '\r')
            lf += c;
        if (c != '\n')
            cr += c;
    }
    EXPECT_EQ(ReadOk(lf).lines, expected.lines);
    EXPECT_EQ(ReadOk(cr).lines, expected.lines);
    EXPECT_EQ(ReadOk(crlf.substr(0, crlf.size() - 2)).lines, expected.lines);
}

// Fault: values the program itself stores beyond a field's typing range (a computed door-open time,
// a large daily turnover) or flags other than 0 and 1 in the check-box lines refused.
TEST(ReadProjectFile, KeepsStoredValuesOutsideTypingRanges)
{
    const LoadedProject file = ReadOk(ReadBytes(ReferenceDir() / "p0011.zlt"));
    EXPECT_DOUBLE_EQ(file.number(80), 78.34);  // door-open time, typed only up to 8
    EXPECT_DOUBLE_EQ(file.number(73), 4127.2); // daily turnover in t
    const LoadedProject flag = ReadOk(DefaultsWithLine(119, "2"));
    EXPECT_EQ(flag.integer(119), 2);
    EXPECT_FALSE(FlagHolds(flag.integer(119)));
    EXPECT_EQ(ReadOk(DefaultsWithLine(118, "405")).integer(118), 405);
}

// Fault: a short file loaded half, its missing lines read as empty or 0.
TEST(ReadProjectFile, RefusesAShortFileNamingTheFirstMissingLine)
{
    const auto lines = testing::SplitCrLf(ReadBytes(ReferenceDir() / "defaults.zlt"));
    const std::vector<std::string> first130(lines.begin(), lines.begin() + 130);
    FileProblem problem = Refusal(testing::JoinCrLf(first130));
    EXPECT_EQ(problem.line, 131);
    EXPECT_NE(problem.message.find("130"), std::string::npos) << problem.message;
    EXPECT_EQ(Refusal("").line, 1);
    EXPECT_EQ(Refusal("  0\r\n  0\r\n").line, 3);
}

struct HostileLine {
    int line;
    std::string_view text;
    std::string_view fault;
};

// Each refusal rule with a hostile value; the problem must name that line, its meaning and the
// offending text. Faults guarded: texts, NaN, infinities or overflowing magnitudes reaching the
// calculation; indices outside a list (a crash or no selection); surface flags and orientations the
// plan cannot draw; divisions by zero or by tiny divisors (running hours, load-unit mass below what
// their fields accept); temperatures at or below
// absolute zero (air density) or hotter than 10000 °C (moisture of saturated air); humidities outside 0..100 %; negative layers (the heat transfer
// coefficient's denominator can vanish).
TEST(ReadProjectFile, RefusesEachHostileValueNamingItsLine)
{
    const HostileLine cases[] = {
        {1, "abc", "text in a thickness"},
        {50, "", "empty number field"},
        {22, "nan", "NaN"},
        {23, "inf", "infinity"},
        {24, "1e400", "overflow to infinity"},
        {22, "  1,5e9", "magnitude above 1e9"},
        {29, "1.5", "full stop instead of decimal comma"},
        {62, "  12,5", "fraction in a whole-number field"},
        {83, "19", "wall material past the end of its list"},
        {91, "6", "ceiling material past the end of its list"},
        {93, "22", "floor material past the end of its list"},
        {95, "-1", "list without a selection"},
        {95, "127", "city past the end of its list"},
        {103, "61", "product past the end of its list"},
        {106, "2", "door type past the end of its list"},
        {101, "x", "list index that is no number"},
        {108, "2", "surface flag 2"},
        {117, "-1", "surface flag -1"},
        {118, "30", "orientation not a multiple of 45"},
        {118, "720", "orientation of two full turns"},
        {118, "-45", "negative orientation"},
        {119, "yes", "flag that is no number"},
        {42, "  0", "no running hours"},
        {42, "1e-300", "tiny running hours overflowing the equipment capacity"},
        {42, "  0,5", "running hours below the field's least 1 h"},
        {59, "  -5", "negative load-unit mass"},
        {59, "1e-300", "tiny load-unit mass overflowing the vehicle passes"},
        {30, "  -300", "room below absolute zero"},
        {9, "  -273,15", "outside air at absolute zero"},
        {56, "  -1000", "goods below absolute zero"},
        {20, "  1000000", "outside air so hot that saturated air's moisture overflows"},
        {21, "  101", "outside humidity above 100 %"},
        {41, "  -1", "negative room humidity"},
        {5, "  -100", "negative insulation thickness"},
    };
    for (const HostileLine& c : cases) {
        SCOPED_TRACE(std::string(c.fault) + ", line " + std::to_string(c.line));
        const FileProblem problem = Refusal(DefaultsWithLine(c.line, c.text));
        EXPECT_EQ(problem.line, c.line) << problem.message;
        EXPECT_NE(problem.message.find("Строка " + std::to_string(c.line) + " "), std::string::npos) << problem.message;
        EXPECT_NE(problem.message.find(LineAt(c.line).meaning), std::string::npos) << problem.message;
        EXPECT_NE(problem.message.find("«" + std::string(c.text) + "»"), std::string::npos) << problem.message;
    }
}

// Fault: a later problem reported first, so the user mends the wrong line.
TEST(ReadProjectFile, ReportsTheFirstProblemByLineOrder)
{
    auto lines = testing::SplitCrLf(ReadBytes(ReferenceDir() / "defaults.zlt"));
    lines[99] = "99";  // line 100
    lines[29] = "abc"; // line 30
    EXPECT_EQ(Refusal(testing::JoinCrLf(lines)).line, 30);
}

// Fault: a long offending text (a binary file opened by mistake) blown up into a huge message.
TEST(ReadProjectFile, CutsALongOffendingTextInTheMessage)
{
    const std::string longText(5000, 'x');
    const FileProblem problem = Refusal(DefaultsWithLine(1, longText));
    EXPECT_EQ(problem.line, 1);
    EXPECT_LT(problem.message.size(), 300u);
}

// Fault: a file an editor saved in UTF-8 read as Windows-1251 and refused with a baffling number
// message («п»ї 153» не является числом); the refusal must say what the file is.
TEST(ReadProjectFile, RefusesUtf8FilesSayingSo)
{
    int name = 1;
    while (LineAt(name).control != Control::ProjectName)
        ++name;
    const std::string defaults = ReadBytes(ReferenceDir() / "defaults.zlt");
    const std::string cyrillicUtf8 = DecodeCp1251(defaults); // the whole file converted by an editor
    const struct {
        std::string bytes;
        int line;
        std::string what;
    } cases[] = {
        {"\xEF\xBB\xBF" + defaults, 1, "метки порядка байтов UTF-8"},
        {cyrillicUtf8, 25, "русские буквы в нём — в UTF-8, первые в строке 25"},
    };
    for (const auto& [bytes, line, what] : cases) {
        const FileProblem problem = Refusal(bytes);
        EXPECT_EQ(problem.line, line);
        EXPECT_NE(problem.message.find(what), std::string::npos) << problem.message;
        EXPECT_NE(problem.message.find("должен быть в кодировке Windows-1251"), std::string::npos);
    }
    // The same letters in Windows-1251, and a Windows-1251 text that happens to be valid UTF-8
    // without Cyrillic ("Р°" is U+00B0 after a byte of 0xD0), are read.
    EXPECT_EQ(ReadOk(DefaultsWithLine(name, "\xD1\xEA\xEB\xE0\xE4")).text(name), "Склад");
    EXPECT_EQ(ReadOk(DefaultsWithLine(name, "\xD0\xB0")).text(name), "Р°");
}

// Fault: a NUL byte in a line ending the message there (C strings), hiding the rest.
TEST(ReadProjectFile, ANulByteDoesNotCutTheMessageShort)
{
    const FileProblem problem = Refusal(DefaultsWithLine(22, std::string("12\0abc", 6)));
    EXPECT_EQ(problem.line, 22);
    EXPECT_EQ(problem.message.find('\0'), std::string::npos);
    EXPECT_NE(problem.message.find("«12␀abc» не является числом."), std::string::npos) << problem.message;
}

} // namespace
} // namespace zeltar::projectfile
