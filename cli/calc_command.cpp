// zeltar-cli calc FILE: load a project into a fresh program state, recalculate once and print
// every value the pass writes as NAME<TAB>TEXT, sorted by NAME, texts exactly as the window shows.
#include "commands.h"

#include "app/startup_state.h"
#include "calc/recalculate.h"
#include "project/project_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
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

// Project file lines whose field texts stand when the pass leaves the field as it is.
constexpr int kPackagingShareLine = 51;
constexpr int kDoorOpenTimeLine = 80;

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

std::string Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

const char* ColourName(calc::Warning w)
{
    return w == calc::Warning::Red ? "red" : "white";
}

// The text a result field shows after the pass: the computed text, or the file's text where the
// pass leaves the field as it is.
std::string FieldTextAfterPass(const calc::RecalcResult& result, calc::ResultField field,
                               const project::LoadedProject& file)
{
    if (const auto& text = result.text(field))
        return *text;
    if (field == calc::ResultField::PackagingShare)
        return file.lines[kPackagingShareLine - 1];
    if (field == calc::ResultField::DoorOpenTime)
        return file.lines[kDoorOpenTimeLine - 1];
    return {};
}

std::vector<std::pair<std::string, std::string>> ResultLines(const calc::RecalcResult& result,
                                                             const project::LoadedProject& file)
{
    std::vector<std::pair<std::string, std::string>> lines;
    for (int i = 0; i < calc::kResultFieldCount; ++i) {
        const auto field = static_cast<calc::ResultField>(i);
        lines.emplace_back(std::string(calc::kResultFields[i].parameter), FieldTextAfterPass(result, field, file));
    }
    lines.emplace_back("RoomTemperature.Color", ColourName(result.roomTemperatureColor));
    lines.emplace_back("ProductInletTemperature.Color", ColourName(result.productInletTemperatureColor));
    lines.emplace_back("ProductFinalTemperature.Color", ColourName(result.productFinalTemperatureColor));
    std::sort(lines.begin(), lines.end());
    return lines;
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
        for (const auto& [name, text] : ResultLines(result, file))
            std::printf("%s\t%s\n", name.c_str(), text.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zeltar-cli calc: %s: %s\n", path.c_str(), e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace zeltar::cli
