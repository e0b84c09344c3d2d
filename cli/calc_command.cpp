// zeltar-cli calc FILE: load a project into a fresh program state, recalculate once and print
// every value the pass writes as NAME<TAB>TEXT, sorted by NAME, texts exactly as the window shows.
#include "commands.h"

#include "app/startup_state.h"
#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "project/project_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kCalcUsage =
    "Usage: zeltar-cli calc FILE.zlt\n"
    "\n"
    "Loads the project file into a freshly started program, runs the recalculation once and prints\n"
    "one line per result field, NAME<TAB>TEXT, sorted by NAME (byte order). NAME is the parameter\n"
    "name with its row suffix, TEXT the field's text as the window shows it. Three more lines give\n"
    "the warning colours of the temperature fields (NAME.Color, red or white).\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be read or is not a sound project, 2 on a\n"
    "usage error.\n";

// A project file is 131 short lines; anything far larger is not one (and must not be read whole).
constexpr std::streamsize kMaxProjectFileBytes = 1 << 20;


struct ReadOutcome {
    std::string bytes;
    std::string error; // empty on success
};

ReadOutcome ReadWholeFile(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return {{}, "is a directory"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {{}, std::strerror(errno)};
    ReadOutcome out;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        out.bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (static_cast<std::streamsize>(out.bytes.size()) > kMaxProjectFileBytes)
            return {{}, "too large to be a project file"};
    }
    if (in.bad())
        return {{}, "read error"};
    return out;
}

// The stored text of the field behind `parameter` (the two fields whose texts stand where the pass
// leaves them as they are).
const std::string& StoredText(const project::LoadedProject& file, std::string_view parameter)
{
    for (std::size_t i = 0; i < project::kLines.size(); ++i) {
        if (project::kLines[i].parameter == parameter && project::kLines[i].kind != project::LineKind::ListIndex)
            return file.lines[i];
    }
    static const std::string none;
    return none;
}

std::string Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

} // namespace

int RunCalc(const std::vector<std::string>& args)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kCalcUsage, stdout);
        return 0;
    }
    if (args.size() != 1) {
        std::fputs(kCalcUsage, stderr);
        return 2;
    }
    const std::string& path = args[0];
    const ReadOutcome read = ReadWholeFile(path);
    if (!read.error.empty()) {
        std::fprintf(stderr, "zeltar-cli calc: cannot read %s: %s\n", path.c_str(), read.error.c_str());
        return 1;
    }
    auto checked = project::ReadProjectFile(read.bytes);
    if (const auto* problem = std::get_if<project::FileProblem>(&checked)) {
        if (problem->line > 0)
            std::fprintf(stderr, "zeltar-cli calc: %s: line %d: %s\n", path.c_str(), problem->line,
                         problem->message.c_str());
        else
            std::fprintf(stderr, "zeltar-cli calc: %s: %s\n", path.c_str(), problem->message.c_str());
        return 1;
    }
    const auto& file = std::get<project::LoadedProject>(checked);
    try {
        ProjectState state = StartupState(Today());
        project::ApplyToState(file, state);
        const calc::RecalcResult result = calc::Recalculate(state);
        const calc::TextsBeforePass before{StoredText(file, "PackagingShare"), StoredText(file, "DoorOpenTime")};
        for (const calc::ListingLine& line : calc::ResultListing(result, before))
            std::printf("%s\t%s\n", line.name.c_str(), line.text.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zeltar-cli calc: %s: %s\n", path.c_str(), e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace zeltar::cli
