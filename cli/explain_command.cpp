// zeltar-cli explain [--format text|markdown|json] FILE: the whole calculation of a project as a
// protocol, every intermediate value as the recalculation recorded it.
#include "cli_support.h"
#include "commands.h"
#include "batch_output.h"

#include "app/form_model.h"
#include "calc/calc_trace.h"
#include "calc/recalculate.h"
#include "fields/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kExplainUsage =
    "Usage: zeltar-cli explain [--format text|markdown|json] FILE.zlt\n"
    "\n"
    "Loads the project file into a freshly started program, as the window's load command does, and\n"
    "prints the whole calculation as a protocol in Russian, in the order of the recalculation: each\n"
    "enclosure row with its area, layer and surface resistances, U, temperature difference and gain;\n"
    "the floor zones of a floor on ground; the solar rows; the air states, the goods flow, the passes\n"
    "and the open time of the ventilation and the door; the goods' enthalpies, masses and\n"
    "capacities; every other gain with its inputs; the totals. Each line gives the quantity, its\n"
    "symbol, the value with its unit and the formula it came from. The values are those the\n"
    "recalculation itself works with (not cut as the fields show them).\n"
    "\n"
    "  --format text      aligned columns under a heading per part (the default)\n"
    "  --format markdown  a table per part\n"
    "  --format json      an array of {\"section\", \"quantity\", \"symbol\", \"value\", \"unit\",\n"
    "                     \"formula\", \"partOf\"}; value a full-precision number, partOf the total\n"
    "                     the line is a summand of (empty when none)\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be read or is not a sound project, 2 on a\n"
    "usage error.\n";

enum class ProtocolFormat { Text, Markdown, Json };

std::optional<ProtocolFormat> ParseProtocolFormat(const std::string& name)
{
    if (name == "text")
        return ProtocolFormat::Text;
    if (name == "markdown")
        return ProtocolFormat::Markdown;
    if (name == "json")
        return ProtocolFormat::Json;
    return std::nullopt;
}

std::string PaddedTo(std::string text, std::size_t width)
{
    const std::size_t length = fields::CharacterCount(text);
    if (length < width)
        text.append(width - length, ' ');
    return text;
}

std::string ValueWithUnit(const calc::TraceLine& line)
{
    return calc::TraceNumberText(line.value) + (line.unit.empty() ? "" : " " + line.unit);
}

// Columns: quantity, symbol = value unit, formula; widths from the longest entries.
std::string TextProtocol(const std::vector<calc::TraceLine>& lines)
{
    std::size_t quantityWidth = 0, symbolWidth = 0, valueWidth = 0;
    for (const calc::TraceLine& line : lines) {
        quantityWidth = std::max(quantityWidth, fields::CharacterCount(line.quantity));
        symbolWidth = std::max(symbolWidth, fields::CharacterCount(line.symbol));
        valueWidth = std::max(valueWidth, fields::CharacterCount(ValueWithUnit(line)));
    }
    std::string out = "ПРОТОКОЛ РАСЧЁТА ТЕПЛОПРИТОКОВ\n";
    std::string section;
    for (const calc::TraceLine& line : lines) {
        if (line.section != section) {
            section = line.section;
            out += "\n" + section + "\n";
        }
        std::string row = "  " + PaddedTo(line.quantity, quantityWidth) + "  " + PaddedTo(line.symbol, symbolWidth) +
                          " = " + PaddedTo(ValueWithUnit(line), valueWidth);
        if (!line.formula.empty())
            row += "  " + line.formula;
        while (!row.empty() && row.back() == ' ')
            row.pop_back();
        out += row + "\n";
    }
    return out;
}

std::string MarkdownCell(const std::string& text)
{
    std::string cell;
    for (char c : text) {
        if (c == '|')
            cell += '\\';
        cell += c;
    }
    return cell;
}

std::string MarkdownProtocol(const std::vector<calc::TraceLine>& lines)
{
    std::string out = "# Протокол расчёта теплопритоков\n";
    std::string section;
    for (const calc::TraceLine& line : lines) {
        if (line.section != section) {
            section = line.section;
            out += "\n## " + MarkdownCell(section) +
                   "\n\n| Величина | Обозначение | Значение | Формула |\n|---|---|---:|---|\n";
        }
        out += "| " + MarkdownCell(line.quantity) + " | " + MarkdownCell(line.symbol) + " | " +
               MarkdownCell(ValueWithUnit(line)) + " | " + MarkdownCell(line.formula) + " |\n";
    }
    return out;
}

std::string JsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string JsonProtocol(const std::vector<calc::TraceLine>& lines)
{
    std::string out = "[";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const calc::TraceLine& l = lines[i];
        out += (i == 0 ? "\n" : ",\n");
        out += "{\"section\": " + JsonString(l.section) + ", \"quantity\": " + JsonString(l.quantity) +
               ", \"symbol\": " + JsonString(l.symbol) + ", \"value\": " + JsonNumber(l.value) +
               ", \"unit\": " + JsonString(l.unit) + ", \"formula\": " + JsonString(l.formula) +
               ", \"partOf\": " + JsonString(l.partOf) + "}";
    }
    out += lines.empty() ? "]\n" : "\n]\n";
    return out;
}

} // namespace

int RunExplain(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kExplainUsage, stdout);
        return 0;
    }
    ProtocolFormat format = ProtocolFormat::Text;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            const auto chosen = i + 1 < args.size() ? ParseProtocolFormat(args[++i]) : std::nullopt;
            if (!chosen) {
                std::fprintf(stderr, "zeltar-cli explain: --format takes text, markdown or json\n\n%s", kExplainUsage);
                return 2;
            }
            format = *chosen;
        } else if (args[i].starts_with("--")) {
            std::fprintf(stderr, "zeltar-cli explain: unknown option '%s'\n\n%s", args[i].c_str(), kExplainUsage);
            return 2;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) {
        std::fputs(kExplainUsage, stderr);
        return 2;
    }
    try {
        FormModel model(Today());
        const bool loaded = model.loadProject({true, files[0]});
        for (const std::string& error : model.takeErrors())
            std::fprintf(stderr, "zeltar-cli explain: %s\n", error.c_str());
        if (!loaded)
            return 1;
        calc::CalcTrace trace;
        calc::Recalculate(model.state(), &trace);
        const std::string out = format == ProtocolFormat::Json       ? JsonProtocol(trace.lines())
                                : format == ProtocolFormat::Markdown ? MarkdownProtocol(trace.lines())
                                                                     : TextProtocol(trace.lines());
        std::fwrite(out.data(), 1, out.size(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zeltar-cli explain: %s: %s\n", files[0].c_str(), e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace zeltar::cli
