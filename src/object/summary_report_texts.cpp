#include "object/summary_report_texts.h"

#include "fields/number_text.h"

#include <cmath>

namespace zeltar::object {

namespace {

// Two-byte UTF-8 lower-case Cyrillic letters а..я and their capitals А..Я.
constexpr unsigned char kCyrillicLead = 0xD0;
constexpr unsigned char kCyrillicLeadHigh = 0xD1;

SummaryLevelTexts LevelTexts(const LevelTotals& level)
{
    return {Capitalized(level.name), level.rooms, level.excluded, level.totalHeatGainText, level.equipmentCapacityText,
            level.plantCapacityText};
}

// A failed row always says why, so that it is never shown as a loaded room without figures.
std::string FailureOf(const SummaryRow& row)
{
    return row.error.empty() ? "файл не загружен" : row.error;
}

calc::ComponentLoads LoadsOf(const RoomValues& v)
{
    return {v.q1Kw, v.q12Kw, v.q2Kw, v.q3Kw, v.q4Kw, v.q5Kw};
}

} // namespace

std::vector<report::LoadBar> SummaryLoadBars(const ObjectSummary& summary)
{
    std::vector<report::LoadBar> bars;
    report::LoadBar total{Capitalized(kObjectTotalName), {}, 0};
    for (const SummaryRow& row : summary.rows) {
        if (!row.loaded)
            continue;
        bars.push_back(
            {std::to_string(row.number) + ". " + row.roomName, LoadsOf(row.values), row.values.totalHeatGainKw});
        for (std::size_t c = 0; c < total.loads.size(); ++c)
            total.loads[c] += bars.back().loads[c];
        total.totalKw += row.values.totalHeatGainKw;
    }
    if (!bars.empty())
        bars.push_back(std::move(total));
    return bars;
}

std::string Capitalized(std::string_view name)
{
    std::string text(name);
    if (text.size() < 2)
        return text;
    auto& lead = reinterpret_cast<unsigned char&>(text[0]);
    auto& trail = reinterpret_cast<unsigned char&>(text[1]);
    if (lead == kCyrillicLead && trail >= 0xB0 && trail <= 0xBF) { // а..п -> А..П
        trail = static_cast<unsigned char>(trail - 0x20);
    } else if (lead == kCyrillicLeadHigh && trail >= 0x80 && trail <= 0x8F) { // р..я -> Р..Я
        lead = kCyrillicLead;
        trail = static_cast<unsigned char>(trail + 0x20);
    }
    return text;
}

SummaryReportTexts ReportTextsOf(const ObjectSummary& summary, std::string date)
{
    SummaryReportTexts texts;
    texts.objectName = summary.objectName;
    texts.date = std::move(date);
    texts.boundary = fields::FormatGeneral(summary.options.levelBoundaryCelsius);
    texts.factor = SimultaneityFactorText(summary.options.simultaneityFactor);
    for (const SummaryRow& row : summary.rows)
        texts.rooms.push_back({row.texts, row.loaded ? std::string() : FailureOf(row), row.path, RowPlaceNote(row)});
    for (const LevelTotals& level : summary.levels)
        texts.levels.push_back(LevelTexts(level));
    texts.total = LevelTexts(summary.total);
    texts.loadBars = SummaryLoadBars(summary);
    return texts;
}

} // namespace zeltar::object
