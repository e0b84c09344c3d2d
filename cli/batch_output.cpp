#include "batch_output.h"

#include "fields/utf8.h"
#include "object/summary_row.h"

namespace zeltar::cli {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kFirstPrintable = 0x20;

constexpr char32_t kDelete = 0x7F;
// C0 controls and DEL print as their pictures ("␛" for ESC), as project file messages show them.
constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;
constexpr char32_t kFirstC1Control = 0x80;
constexpr char32_t kLastC1Control = 0x9F;

constexpr char kHexDigits[] = "0123456789abcdef";

bool IsControlCharacter(char32_t c)
{
    return c < kFirstPrintable || c == kDelete || (c >= kFirstC1Control && c <= kLastC1Control);
}

} // namespace

std::optional<OutputFormat> ParseOutputFormat(std::string_view name)
{
    if (name == "text")
        return OutputFormat::Text;
    if (name == "csv")
        return OutputFormat::Csv;
    if (name == "json")
        return OutputFormat::Json;
    return std::nullopt;
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(";\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line.push_back(kCsvSeparator);
        line += CsvField(fields[i]);
    }
    line += kCsvLineEnd;
    return line;
}

std::string PrintableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = fields::NextCodePoint(text, pos);
        if (!c)
            pos = start + 1;
        if (!c)
            fields::AppendUtf8(out, kReplacementCharacter);
        else if (*c < kFirstPrintable)
            fields::AppendUtf8(out, kControlPictures + *c);
        else if (*c == kDelete)
            fields::AppendUtf8(out, kDeletePicture);
        else if (IsControlCharacter(*c))
            fields::AppendUtf8(out, kReplacementCharacter);
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = fields::NextCodePoint(text, pos);
        if (!c) {
            // A malformed byte: replaced, and decoding goes on with the next byte.
            pos = start + 1;
            fields::AppendUtf8(out, kReplacementCharacter);
            continue;
        }
        switch (*c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (IsControlCharacter(*c)) {
                out += "\\u00";
                out.push_back(kHexDigits[(*c >> 4) & 0xF]);
                out.push_back(kHexDigits[*c & 0xF]);
            } else {
                out.append(text.substr(start, pos - start));
            }
        }
    }
    out.push_back('"');
    return out;
}

std::string JsonFileObject(std::string_view file, const std::vector<calc::ListingLine>* results, std::string_view error,
                           std::string_view members)
{
    std::string out = "{\"file\": " + JsonString(file);
    out += members;
    if (!results)
        return out + ", \"error\": " + JsonString(error) + "}";
    out += ", \"results\": {";
    for (std::size_t i = 0; i < results->size(); ++i) {
        const calc::ListingLine& line = (*results)[i];
        out +=
            (i == 0 ? "" : ", ") + JsonString(line.name) + ": " + JsonString(object::WithoutDisplayBlanks(line.text));
    }
    return out + "}}";
}

} // namespace zeltar::cli
