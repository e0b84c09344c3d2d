// The object summary as zeltar-cli prints it: an aligned text table, CSV or JSON.
#pragma once

#include "batch_output.h"

#include "object/object_summary.h"

#include <string>

namespace zeltar::cli {

std::string SummaryOutput(const object::ObjectSummary& summary, OutputFormat format);

} // namespace zeltar::cli
