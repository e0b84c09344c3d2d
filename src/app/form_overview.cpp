#include "app/form_overview.h"

#include "app/form_model.h"
#include "app/panel_captions.h"
#include "fields/utf8.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace zeltar {

namespace {

constexpr std::size_t kColumnGap = 2; // blanks between the caption column and the values

struct OverviewRow {
    std::string_view caption;
    std::string value;     // as shown, without the blanks around it
    bool number = false;   // aligned at the decimal comma
    std::string_view unit; // after a number
    bool headingBefore = false;
};

std::string WithoutBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Shown(const FormModel& form, const CaptionedControl& item)
{
    return WithoutBlanks(form.control(item.control).text);
}

OverviewRow TextRow(const FormModel& form, const CaptionedControl& item)
{
    return {item.caption, Shown(form, item), false, {}, false};
}

OverviewRow NumberRow(const FormModel& form, const CaptionedControl& item, std::string_view unit = {})
{
    return {item.caption, Shown(form, item), true, unit, false};
}

std::vector<OverviewRow> Rows(const FormModel& form)
{
    std::vector<OverviewRow> rows;
    if (!Shown(form, kSiteCaption).empty())
        rows.push_back(TextRow(form, kSiteCaption));
    for (const CaptionedControl& list : {kCityCaption, kRoomTypeCaption})
        rows.push_back(TextRow(form, list));
    for (const CaptionedControl& field : {kRoomLengthCaption, kRoomWidthCaption, kRoomHeightCaption, kRoomAreaCaption,
                                          kRoomVolumeCaption, kRoomTemperatureCaption})
        rows.push_back(NumberRow(form, field));
    for (const CaptionedControl& gain : kSummaryGainCaptions)
        rows.push_back(NumberRow(form, gain, kKiloWattsCaption));
    rows[rows.size() - kSummaryGainCaptions.size()].headingBefore = true;
    for (const CaptionedControl& sum : {kTotalHeatGainCaption, kEquipmentCapacityCaption})
        rows.push_back(NumberRow(form, sum, kKiloWattsCaption));
    return rows;
}

// A number's text before its decimal comma and from the comma on.
std::pair<std::string_view, std::string_view> SplitAtComma(std::string_view number)
{
    const std::size_t comma = std::min(number.find(','), number.size());
    return {number.substr(0, comma), number.substr(comma)};
}

void AppendBlanks(std::string& text, std::size_t count)
{
    text.append(count, ' ');
}

} // namespace

std::string OverviewTable(const FormModel& form)
{
    const std::vector<OverviewRow> rows = Rows(form);
    std::size_t captionWidth = 0;
    std::size_t wholeWidth = 0;
    std::size_t fractionWidth = 0;
    for (const OverviewRow& row : rows) {
        captionWidth = std::max(captionWidth, fields::CharacterCount(row.caption));
        if (row.number) {
            const auto [whole, fraction] = SplitAtComma(row.value);
            wholeWidth = std::max(wholeWidth, whole.size());
            fractionWidth = std::max(fractionWidth, fraction.size());
        }
    }

    std::string table;
    for (const OverviewRow& row : rows) {
        if (row.headingBefore)
            table.append("\n").append(kSummaryGroupCaption).append("\n");
        std::string line(row.caption);
        AppendBlanks(line, captionWidth + kColumnGap - fields::CharacterCount(row.caption));
        if (row.number) {
            const auto [whole, fraction] = SplitAtComma(row.value);
            AppendBlanks(line, wholeWidth - whole.size());
            line.append(whole).append(fraction);
            if (!row.unit.empty()) {
                AppendBlanks(line, fractionWidth - fraction.size() + 1);
                line.append(row.unit);
            }
        } else {
            line.append(row.value);
        }
        table.append(WithoutBlanks(line)).append("\n");
    }
    return table;
}

} // namespace zeltar
