// Output formats of the batch commands (calc of many files, summary): the format option, and the
// quoting of texts in CSV (RFC 4180, ';' between fields) and JSON.
#pragma once

#include "calc/result_listing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::cli {

enum class OutputFormat { Text, Csv, Json };

// "text", "csv" or "json".
std::optional<OutputFormat> ParseOutputFormat(std::string_view name);

inline constexpr char kCsvSeparator = ';';
inline constexpr std::string_view kCsvLineEnd = "\r\n";

// A CSV field: quoted (inner quotes doubled) when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text);
// Fields joined by the separator, with the line end.
std::string CsvLine(const std::vector<std::string>& fields);

// A text as the text and CSV outputs print it, without control characters (a name holding an
// escape sequence would command the terminal): C0 controls and DEL become their pictures ("␛"),
// C1 controls and bytes that are not UTF-8 become U+FFFD.
std::string PrintableText(std::string_view text);

// A JSON string literal: quotes, backslashes and control characters (C0, DEL, C1) escaped; bytes that are not
// UTF-8 become U+FFFD, so the output is always valid JSON in UTF-8.
std::string JsonString(std::string_view text);

// The json object of one file as `calc` prints it: {"file": …, "results": {NAME: TEXT, …}} with the
// texts without display blanks, or {"file": …, "error": …} when `results` is null. `members`
// (already json, each with a leading ", ") come right after "file".
std::string JsonFileObject(std::string_view file, const std::vector<calc::ListingLine>* results, std::string_view error,
                           std::string_view members = {});

} // namespace zeltar::cli
