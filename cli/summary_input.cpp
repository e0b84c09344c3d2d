#include "summary_input.h"

#include "batch_output.h"

#include <cstdio>

namespace zeltar::cli {

const char* const kSummaryUsage =
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
    "  --pdf OUT.pdf           write the summary report (A4 landscape) as a PDF instead of printing\n"
    "\n"
    "Exit status: 0 when every room loaded, 1 when the object file or a room was refused (or the\n"
    "output could not be written), 2 on a usage error.\n";

namespace {

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "zeltar-cli summary: %s\n\n%s", message.c_str(), kSummaryUsage);
    return 2;
}

bool IsObjectFile(const std::string& path)
{
    return path.ends_with(object::kObjectFileExtension);
}

std::optional<double> NumberWithin(const std::string& text, double lowest, double highest)
{
    const std::optional<double> value = object::ParseOptionNumber(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> ParseSummaryArguments(const std::vector<std::string>& args, SummaryArguments& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
        if (arg == "--format") {
            const auto format = value ? ParseOutputFormat(*value) : std::nullopt;
            if (!format)
                return UsageError("--format takes text, csv or json");
            out.format = *format;
            ++i;
        } else if (arg == "--boundary") {
            out.boundary =
                value ? NumberWithin(*value, object::kLowestLevelBoundaryCelsius, object::kHighestLevelBoundaryCelsius)
                      : std::nullopt;
            if (!out.boundary)
                return UsageError("--boundary takes a temperature from -50 to 100 °C");
            ++i;
        } else if (arg == "--factor") {
            out.factor =
                value ? NumberWithin(*value, object::kLowestSimultaneityFactor, object::kHighestSimultaneityFactor)
                      : std::nullopt;
            if (!out.factor)
                return UsageError("--factor takes a number from 0,5 to 1");
            ++i;
        } else if (arg == "--pdf") {
            if (!value || value->empty())
                return UsageError("--pdf takes the PDF file to write");
            out.pdf = *value;
            ++i;
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

namespace {

// Messages name files and quote lines of the object file: printed without their control characters.
void PrintMessage(const std::string& message)
{
    std::fprintf(stderr, "zeltar-cli summary: %s\n", PrintableText(message).c_str());
}

} // namespace

std::optional<object::ObjectSummary> SummaryOf(const SummaryArguments& a)
{
    std::optional<object::ObjectSummary> summary;
    if (IsObjectFile(a.inputs.front())) {
        auto read = object::ReadObjectFile(a.inputs.front());
        if (const auto* error = std::get_if<FileError>(&read)) {
            PrintMessage(error->message);
            return std::nullopt;
        }
        object::ParsedObject& parsed = std::get<object::ParsedObject>(read);
        for (const std::string& warning : parsed.warnings)
            PrintMessage(warning);
        object::ObjectOptions& options = parsed.document.options;
        options.levelBoundaryCelsius = a.boundary.value_or(options.levelBoundaryCelsius);
        options.simultaneityFactor = a.factor.value_or(options.simultaneityFactor);
        summary = object::SummarizeObject(parsed.document, object::FolderOf(a.inputs.front()));
    } else {
        object::ObjectOptions options;
        options.levelBoundaryCelsius = a.boundary.value_or(options.levelBoundaryCelsius);
        options.simultaneityFactor = a.factor.value_or(options.simultaneityFactor);
        summary = object::SummarizeFiles(a.inputs, options);
    }
    for (const object::SummaryRow& row : summary->rows) {
        if (!row.loaded)
            PrintMessage(row.error);
    }
    return summary;
}

bool EveryRoomLoaded(const object::ObjectSummary& summary)
{
    for (const object::SummaryRow& row : summary.rows) {
        if (!row.loaded)
            return false;
    }
    return true;
}

} // namespace zeltar::cli
