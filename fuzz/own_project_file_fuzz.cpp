// Fuzz target for own project files: any bytes either are refused with a Russian message whose line
// lies within the text (0: the whole file), or read into a project that is written again, reads back
// to the same lines, extensions and own materials, and is written the second time byte for byte;
// its 131 lines also make a 131-line file that reads back. Any other outcome aborts.
#include "projectfile/own_project_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace zeltar::projectfile;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "own project file fuzz: %s\n", what);
    std::abort();
}

void RequireWritesBack(const LoadedOwnProject& loaded)
{
    const OwnProject project{loaded.file.lines, loaded.extensions, loaded.ownMaterials};
    const auto written = WriteOwnProjectFile(project);
    const auto* text = std::get_if<std::string>(&written);
    if (text == nullptr)
        Fail("a project read is refused when written");
    const auto reread = ReadOwnProjectFile(*text);
    const auto* again = std::get_if<LoadedOwnProject>(&reread);
    if (again == nullptr)
        Fail("a written project is refused");
    if (again->file.lines != loaded.file.lines || again->extensions != loaded.extensions ||
        again->ownMaterials != loaded.ownMaterials)
        Fail("a written project reads back to other values");
    const auto second = WriteOwnProjectFile({again->file.lines, again->extensions, again->ownMaterials});
    if (!std::holds_alternative<std::string>(second) || std::get<std::string>(second) != *text)
        Fail("a written project does not write again to the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = ReadOwnProjectFile(bytes);
    if (const auto* problem = std::get_if<FileProblem>(&read)) {
        const long lines = static_cast<long>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
        if (problem->message.empty() || problem->line < 0 || problem->line > lines)
            Fail("a refusal names no line of the file");
        return 0;
    }
    RequireWritesBack(std::get<LoadedOwnProject>(read));
    return 0;
}
