// zeltar-cli summary [--format text|csv|json] [--boundary T] [--factor K] [--pdf OUT.pdf]
// OBJECT.zlo | FILE.zlt...: the summary of an object's rooms (or of loose project files) by
// temperature level, each room loaded as the window loads it.
#include "batch_output.h"
#include "cli_support.h"
#include "commands.h"
#include "pdf_helper.h"
#include "summary_output.h"

#include "object/object_summary.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kSummaryUsage =
    "Usage: zeltar-cli summary [--format text|csv|json] [--boundary T] [--factor K] [--pdf OUT.pdf]\n"
    "                          OBJECT.zlo | FILE.zlt...\n"
    "\n"
    "Loads every room of the object file (or the project files given) as the program's window does,\n"
    "recalculates each and prints the summary: one row per room (number, name, room type, room\n"
    "temperature, area, volume, Q1, Q12, Q2, Q3, Q4, Q5, Q сум., running hours, Q об.), then for the\n"
    "medium-temperature rooms (room temperature at or above the boundary), the low-temperature rooms\n"
    "and the whole object the sums of Q сум. and Q об. and the plant capacity (the sum of Q об. times\n"
    "the simultaneity factor). Rooms that cannot be loaded are named on standard error and left out\n"
    "of the sums.\n"
    "\n"
    "  --format text|csv|json  the output form (text by default); csv and json texts have no display\n"
    "                          blanks and a decimal comma\n"
    "  --boundary T            level boundary in °C (default: the object's, else -5)\n"
    "  --factor K              simultaneity factor from 0,5 to 1 (default: the object's, else 1)\n"
    "  --pdf OUT.pdf           write the summary report as a PDF instead of printing\n"
    "\n"
    "Exit status: 0 when every room loaded, 1 when the object file or a room was refused (or the\n"
    "output could not be written), 2 on a usage error.\n";

struct SummaryArguments {
    OutputFormat format = OutputFormat::Text;
    std::optional<double> boundary;
    std::optional<double> factor;
    std::string pdf;
    std::vector<std::string> inputs;
    std::vector<std::string> optionArgs; // the options again, for the drawing helper
};

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "zeltar-cli summary: %s\n\n%s", message.c_str(), kSummaryUsage);
    return 2;
}

bool IsObjectFile(const std::string& path)
{
    return path.ends_with(object::kObjectFileExtension);
}

// Parses the arguments; returns the exit status of a usage error, or nullopt.
std::optional<int> Parse(const std::vector<std::string>& args, SummaryArguments& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--format") {
            const auto format = hasValue ? ParseOutputFormat(args[++i]) : std::nullopt;
            if (!format)
                return UsageError("--format takes text, csv or json");
            out.format = *format;
        } else if (arg == "--boundary") {
            out.boundary = hasValue ? object::ParseOptionNumber(args[++i]) : std::nullopt;
            if (!out.boundary || *out.boundary < object::kLowestLevelBoundaryCelsius ||
                *out.boundary > object::kHighestLevelBoundaryCelsius)
                return UsageError("--boundary takes a temperature from -50 to 100 °C");
            out.optionArgs.insert(out.optionArgs.end(), {arg, args[i]});
        } else if (arg == "--factor") {
            out.factor = hasValue ? object::ParseOptionNumber(args[++i]) : std::nullopt;
            if (!out.factor || *out.factor < object::kLowestSimultaneityFactor ||
                *out.factor > object::kHighestSimultaneityFactor)
                return UsageError("--factor takes a number from 0,5 to 1");
            out.optionArgs.insert(out.optionArgs.end(), {arg, args[i]});
        } else if (arg == "--pdf") {
            if (!hasValue)
                return UsageError("--pdf takes the PDF file to write");
            out.pdf = args[++i];
        } else if (arg == "--") {
            out.inputs.insert(out.inputs.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (arg.starts_with("--")) {
            return UsageError("unknown option '" + arg + "'");
        } else {
            out.inputs.push_back(arg);
        }
    }
    if (out.inputs.empty())
        return UsageError("no object file or project files given");
    if (out.inputs.size() > 1) {
        for (const std::string& input : out.inputs) {
            if (IsObjectFile(input))
                return UsageError("an object file '" + input + "' goes alone, without other files");
        }
    }
    return std::nullopt;
}

// The summary of the inputs, or nullopt when the object file was refused (message printed).
std::optional<object::ObjectSummary> Summarize(const SummaryArguments& a)
{
    object::ObjectOptions options;
    if (IsObjectFile(a.inputs.front())) {
        auto read = object::ReadObjectFile(a.inputs.front());
        if (const auto* error = std::get_if<FileError>(&read)) {
            std::fprintf(stderr, "zeltar-cli summary: %s\n", error->message.c_str());
            return std::nullopt;
        }
        object::ParsedObject& parsed = std::get<object::ParsedObject>(read);
        for (const std::string& warning : parsed.warnings)
            std::fprintf(stderr, "zeltar-cli summary: %s\n", warning.c_str());
        parsed.document.options.levelBoundaryCelsius = a.boundary.value_or(parsed.document.options.levelBoundaryCelsius);
        parsed.document.options.simultaneityFactor = a.factor.value_or(parsed.document.options.simultaneityFactor);
        return object::SummarizeObject(parsed.document, object::FolderOf(a.inputs.front()));
    }
    options.levelBoundaryCelsius = a.boundary.value_or(options.levelBoundaryCelsius);
    options.simultaneityFactor = a.factor.value_or(options.simultaneityFactor);
    return object::SummarizeFiles(a.inputs, options);
}

} // namespace

int RunSummary(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kSummaryUsage, stdout);
        return 0;
    }
    SummaryArguments a;
    if (const std::optional<int> usage = Parse(args, a))
        return *usage;
    if (!a.pdf.empty()) {
#ifdef ZELTAR_PDF_HELPER
        std::vector<std::string> helperArgs{"summary"};
        helperArgs.insert(helperArgs.end(), a.optionArgs.begin(), a.optionArgs.end());
        helperArgs.push_back(a.pdf);
        helperArgs.push_back("--");
        helperArgs.insert(helperArgs.end(), a.inputs.begin(), a.inputs.end());
        return RunPdfHelper("summary", helperArgs);
#else
        std::fputs("zeltar-cli summary: --pdf needs the Qt build (ZELTAR_BUILD_GUI)\n", stderr);
        return 2;
#endif
    }
    const std::optional<object::ObjectSummary> summary = Summarize(a);
    if (!summary)
        return 1;
    bool allLoaded = true;
    for (const object::SummaryRow& row : summary->rows) {
        if (!row.loaded) {
            std::fprintf(stderr, "zeltar-cli summary: %s\n", row.error.c_str());
            allLoaded = false;
        }
    }
    const std::string out = SummaryOutput(*summary, a.format);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 && allLoaded ? 0 : 1;
}

} // namespace zeltar::cli
