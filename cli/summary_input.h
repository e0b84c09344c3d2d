// The arguments of `zeltar-cli summary` and the summary they ask for; shared by zeltar-cli and by
// the drawing helper zeltar-pdf, which gets the same arguments for --pdf.
#pragma once

#include "batch_output.h"

#include "object/object_summary.h"

#include <optional>
#include <string>
#include <vector>

namespace zeltar::cli {

extern const char* const kSummaryUsage;

struct SummaryArguments {
    OutputFormat format = OutputFormat::Text;
    std::optional<double> boundary;
    std::optional<double> factor;
    std::string pdf;                 // "" when no PDF is asked for
    std::vector<std::string> inputs; // one object file, or project files
};

// Parses the arguments; on a usage error prints it with the usage text and returns exit status 2.
std::optional<int> ParseSummaryArguments(const std::vector<std::string>& args, SummaryArguments& out);

// The summary of the inputs, the command line's options over the object file's. Prints the object
// file's warnings and the rooms' load errors on stderr; nullopt when the object file was refused.
std::optional<object::ObjectSummary> SummaryOf(const SummaryArguments& arguments);

// Whether every room of the summary loaded.
bool EveryRoomLoaded(const object::ObjectSummary& summary);

} // namespace zeltar::cli
