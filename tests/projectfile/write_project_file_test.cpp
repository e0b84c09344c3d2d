// Writing project files: a text that cannot be stored as it is must stop the save, naming the
// line, instead of writing a file that loads back different or shifted.
#include "projectfile/project_file.h"

#include <gtest/gtest.h>

#include <variant>

namespace zeltar::projectfile {
namespace {

ProjectLines PlainLines()
{
    ProjectLines lines;
    lines.fill("  0");
    return lines;
}

FileProblem WriteRefusal(const ProjectLines& lines)
{
    auto result = WriteProjectFile(lines);
    if (!std::holds_alternative<FileProblem>(result)) {
        ADD_FAILURE() << "the write was accepted";
        return {};
    }
    return std::get<FileProblem>(result);
}

// Fault: Cyrillic texts written as UTF-8 or lines ended other than by CR LF.
TEST(WriteProjectFile, WritesCodePageBytesWithCrLfAfterEveryLine)
{
    ProjectLines lines = PlainLines();
    lines[73] = "ООО «Холод»";
    auto result = WriteProjectFile(lines);
    ASSERT_TRUE(std::holds_alternative<std::string>(result));
    const std::string& bytes = std::get<std::string>(result);
    EXPECT_EQ(bytes.size(), 130 * 5 + (11 + 2));
    EXPECT_NE(bytes.find("\r\n\xce\xce\xce \xab\xd5\xee\xeb\xee\xe4\xbb\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "  0\r\n");
}

// Fault: a character outside the code page written as "?" or dropped, so the saved client name
// silently differs from the one shown.
TEST(WriteProjectFile, RefusesACharacterTheCodePageCannotHold)
{
    ProjectLines lines = PlainLines();
    lines[74] = "Müller GmbH";
    const FileProblem problem = WriteRefusal(lines);
    EXPECT_EQ(problem.line, 75);
    EXPECT_NE(problem.message.find("«ü»"), std::string::npos) << problem.message;
    EXPECT_NE(problem.message.find(LineAt(75).meaning), std::string::npos) << problem.message;
}

// Fault: a line break inside a pasted text shifts every later line, so the file loads back with
// each value in the wrong parameter.
TEST(WriteProjectFile, RefusesALineBreakInsideAText)
{
    ProjectLines lines = PlainLines();
    lines[76] = "Склад\r\nкорпус 2";
    EXPECT_EQ(WriteRefusal(lines).line, 77);
    lines[76] = "Склад\nкорпус 2";
    EXPECT_EQ(WriteRefusal(lines).line, 77);
}

// Fault: broken UTF-8 from a text box written byte for byte into a Windows-1251 file.
TEST(WriteProjectFile, RefusesBrokenUtf8)
{
    ProjectLines lines = PlainLines();
    lines[65] = "Насос \xD0";
    EXPECT_EQ(WriteRefusal(lines).line, 66);
}

} // namespace
} // namespace zeltar::projectfile
