// zeltar-cli convert IN OUT: a project file into the other kind, by the names' extensions.
#include "cli_support.h"
#include "commands.h"

#include "app/project_convert.h"
#include "app/project_file_io.h"
#include "files/file_names.h"
#include "files/write_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kConvertUsage =
    "Usage: zeltar-cli convert [--lossy] IN OUT\n"
    "\n"
    "Converts a project file: OUT ending in .zlp gets the own project file (UTF-8, every input by\n"
    "name), any other name the 131-line file (*.zlt). IN may be either kind; it is told by its\n"
    "first line. The 131 lines pass unchanged, so a .zlt converted to .zlp and back is the same\n"
    "file byte for byte.\n"
    "\n"
    "A .zlp whose project uses an input the 131-line file cannot hold (a row's U-value, extra\n"
    "layers, PIR/XPS/mineral-wool insulation, own materials, defrost, the staff's own hours, a door\n"
    "open all day, a two-decimal lighting density) is not converted to .zlt: the message names what\n"
    "would be lost. --lossy converts all the same: an added insulation or own material is written as\n"
    "the built-in material of the nearest conductivity.\n"
    "\n"
    "OUT is written through a temporary file and replaces an existing file only when complete; OUT\n"
    "never replaces IN.\n"
    "\n"
    "Exit status: 0 on success, 1 when IN cannot be read or is no sound project, the conversion\n"
    "would lose inputs, or OUT cannot be written; 2 on a usage error.\n";

} // namespace

int RunConvert(const std::vector<std::string>& arguments)
{
    if (AsksForHelp(arguments)) {
        std::fputs(kConvertUsage, stdout);
        return 0;
    }
    std::vector<std::string> args = arguments;
    const bool lossy = !args.empty() && args.front() == "--lossy";
    if (lossy)
        args.erase(args.begin());
    if (args.size() != 2 || args[0].starts_with("--") || args[1].starts_with("--")) {
        std::fputs(kConvertUsage, stderr);
        return 2;
    }
    const std::string& in = args[0];
    const std::string& out = args[1];
    if (const std::optional<files::FileError> error = files::RefuseOutputOverInputs(out, {in})) {
        std::fprintf(stderr, "zeltar-cli convert: %s\n", error->message.c_str());
        return 1;
    }
    auto bytes = files::ReadFileBytes(in, kLargestProjectFileBytes);
    if (const auto* error = std::get_if<files::FileError>(&bytes)) {
        std::fprintf(stderr, "zeltar-cli convert: %s\n", error->message.c_str());
        return 1;
    }
    auto converted = ConvertProject(std::get<std::string>(bytes), files::IsOwnProjectFileName(out),
                                    lossy ? Lossy::Allow : Lossy::Refuse);
    if (const auto* problem = std::get_if<ConvertProblem>(&converted)) {
        std::fprintf(stderr, "zeltar-cli convert: %s: %s\n", in.c_str(), problem->message.c_str());
        return 1;
    }
    if (const std::optional<files::FileError> error = files::WriteFileSafely(out, std::get<std::string>(converted))) {
        std::fprintf(stderr, "zeltar-cli convert: %s\n", error->message.c_str());
        return 1;
    }
    return 0;
}

} // namespace zeltar::cli
