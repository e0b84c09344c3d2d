// Fuzz target for object files: any bytes either are refused with a message naming the file, or
// read into an object whose warnings each name a line of the text, and whose written text reads
// back to the same object without warnings and is written again byte for byte. Any other outcome
// aborts.
#include "object/object_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace zeltar;

constexpr std::string_view kFileName = "объект.zlo";
constexpr std::string_view kWarningStart = "Файл объекта «объект.zlo», строка ";

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "object file fuzz: %s\n", what);
    std::abort();
}

// The line a warning names, or 0 when it names none.
long WarnedLine(const std::string& warning)
{
    if (!warning.starts_with(kWarningStart))
        return 0;
    long line = 0;
    for (std::size_t k = kWarningStart.size(); k < warning.size() && warning[k] >= '0' && warning[k] <= '9'; ++k)
        line = line * 10 + (warning[k] - '0');
    return line;
}

void RequireWarningsNameLines(const object::ParsedObject& parsed, std::string_view text)
{
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    long previous = 1;
    for (const std::string& warning : parsed.warnings) {
        const long line = WarnedLine(warning);
        // The version line is never warned about; warnings come in the order of the lines.
        if (line < 2 || line > lines || line < previous)
            Fail("a warning names no line of the text, or lines out of order");
        previous = line;
    }
}

void RequireWritesBack(const object::ObjectDocument& document)
{
    const std::string written = object::ObjectText(document);
    const auto reread = object::ParseObjectText(written, std::string(kFileName));
    const auto* again = std::get_if<object::ParsedObject>(&reread);
    if (!again)
        Fail("a written object is refused");
    if (!again->warnings.empty())
        Fail("a written object warns");
    if (again->document.name != document.name || again->document.rooms != document.rooms)
        Fail("a written object reads back to other texts");
    // Options are written with 15 significant digits: the second writing must not change them.
    if (object::ObjectText(again->document) != written)
        Fail("a written object does not write again to the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = object::ParseObjectText(text, std::string(kFileName));
    if (const auto* error = std::get_if<FileError>(&read)) {
        if (error->message.find(kFileName) == std::string::npos)
            Fail("a refusal does not name the file");
        return 0;
    }
    const auto& parsed = std::get<object::ParsedObject>(read);
    RequireWarningsNameLines(parsed, text);
    RequireWritesBack(parsed.document);
    return 0;
}
