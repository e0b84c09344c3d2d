// Files that are no project: recognised from their first bytes and refused as a whole with what
// they are, instead of a baffling message about line 1; lines after the last are not dropped unseen.
#include "projectfile/file_kind.h"
#include "projectfile/project_file.h"

#include "project_test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zeltar::projectfile {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::ReferenceDir;

std::string Defaults()
{
    return ReadBytes(ReferenceDir() / "defaults.zlt");
}

// Each character of an ASCII or Cyrillic text as UTF-16 code units, low byte first or last.
std::string Utf16(std::string_view cp1251, bool littleEndian)
{
    std::string out;
    for (const char c : cp1251) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t unit = b < 0x80 ? b : static_cast<char16_t>(0x0410 + (b - 0xC0));
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        out += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return out;
}

std::string PseudoRandomBytes(std::size_t count)
{
    std::string out;
    unsigned state = 12345;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        out += static_cast<char>(state >> 16);
    }
    return out;
}

struct KindCase {
    const char* name;
    std::string bytes;
    FileKind kind;
    std::string message; // part of the refusal; "" for a project
};

// Fault: an object file, a PDF or a picture refused with «Строка 1 … «%PDF-1.4» не является
// числом», a UTF-16 file with «яю ␀␀1␀», an object file with advice to re-save it in Windows-1251.
TEST(FileKind, RecognisesWhatAFileIsAndRefusesItAsAWhole)
{
    const std::string defaults = Defaults();
    const KindCase cases[] = {
        {"object file", "ZELTAR-OBJECT 1\nname = Склад\nroom = a.zlt\n", FileKind::ObjectFile,
         "это файл объекта (*.zlo)"},
        {"object file of a later version, with UTF-8 mark", "\xEF\xBB\xBFZELTAR-OBJECT 7\r\n", FileKind::ObjectFile,
         "не является файлом проекта ЗЕЛТАР"},
        {"PDF", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n", FileKind::Binary,
         "не является файлом проекта ЗЕЛТАР: это документ PDF."},
        {"PNG", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, FileKind::Binary, "это изображение PNG"},
        {"JPEG", "\xFF\xD8\xFF\xE0\0\x10JFIF"s, FileKind::Binary, "это изображение JPEG"},
        {"TIFF", "II*\0\x08\0\0\0"s, FileKind::Binary, "это изображение TIFF"},
        {"office archive", "PK\x03\x04\x14\0\x06\0"s, FileKind::Binary, "архив ZIP"},
        {"data without a known mark", PseudoRandomBytes(3000), FileKind::Binary, "двоичные данные"},
        {"UTF-16 LE with mark", "\xFF\xFE" + Utf16(defaults, true), FileKind::Utf16, "в кодировке UTF-16 LE"},
        {"UTF-16 BE with mark", "\xFE\xFF" + Utf16(defaults, false), FileKind::Utf16, "в кодировке UTF-16 BE"},
        {"UTF-16 LE without mark", Utf16(defaults, true), FileKind::Utf16, "в кодировке UTF-16 LE"},
        {"project", defaults, FileKind::Project, ""},
        // A stray NUL in one line keeps the file a project: the line's own message names it.
        {"project with a NUL byte", testing::DefaultsWithLine(22, "12\0abc"s), FileKind::Project, ""},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RecognizeFile(c.bytes).kind, c.kind);
        const auto read = ReadProjectFile(c.bytes);
        if (c.message.empty()) {
            EXPECT_FALSE(RefuseOtherFileKind(c.bytes));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<FileProblem>(read));
        const FileProblem& problem = std::get<FileProblem>(read);
        EXPECT_EQ(problem.line, 0);
        EXPECT_NE(problem.message.find(c.message), std::string::npos) << problem.message;
        EXPECT_EQ(problem.message.find("не является числом"), std::string::npos) << problem.message;
        EXPECT_EQ(problem.message.find("окн"), std::string::npos) << problem.message;
    }
}

// Fault: lines after line 131 silently cut off, so a load and save loses them.
TEST(ReadProjectFile, RefusesLinesAfterTheLastButNotBlankOnes)
{
    const std::string defaults = Defaults();
    for (const std::string& tail : {"\r\n"s, "\r\n\r\n"s, "   \t\r\n"s, "\x1A"s, "\n\n"s}) {
        SCOPED_TRACE(tail);
        EXPECT_TRUE(std::holds_alternative<LoadedProject>(ReadProjectFile(defaults + tail)));
    }
    const struct {
        std::string tail;
        int line;
        std::string quote;
    } refused[] = {
        {"0\r\n", 132, "«0»"},
        {"\r\n  \r\nлишнее", 134, "«лишнее»"},
        {std::string(200, 'x'), 132, "«" + std::string(40, 'x') + "…»"},
    };
    for (const auto& [tail, line, quote] : refused) {
        std::string bytes = defaults + tail;
        // The Cyrillic text as the code page stores it.
        if (auto encoded = EncodeCp1251(tail))
            bytes = defaults + *encoded;
        const auto read = ReadProjectFile(bytes);
        ASSERT_TRUE(std::holds_alternative<FileProblem>(read));
        const FileProblem& problem = std::get<FileProblem>(read);
        EXPECT_EQ(problem.line, line);
        EXPECT_NE(problem.message.find("строка " + std::to_string(line) + " " + quote + " лишняя"), std::string::npos)
            << problem.message;
    }
}

} // namespace
} // namespace zeltar::projectfile
