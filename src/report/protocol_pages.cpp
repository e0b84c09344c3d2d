#include "report/protocol_pages.h"

#include "fields/utf8.h"
#include "report/report_fonts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace zeltar::report {

namespace {

// The page in 1/300 inch from the printable area's corner of an A4 portrait sheet.
constexpr int kLeft = 80;
constexpr int kRight = 2300;
constexpr int kTop = 80;
constexpr int kBottom = 3330;

constexpr int kTitleHeight = 50; // cell height of the title font
constexpr int kBodyHeight = 34;  // cell height of the body font
constexpr int kLineStep = 38;    // from one body line to the next
constexpr int kTitleStep = 66;   // from the title to the project line
constexpr int kSectionGap = 18;  // blank space above a section heading
constexpr int kRuleGap = 10;     // between the column headings' rule and the first row

struct Column {
    int x = 0;
    int width = 0;
    std::string_view heading;
};
constexpr std::array<Column, 4> kColumns{{
    {kLeft, 760, "Величина"},
    {860, 280, "Обозначение"},
    {1160, 420, "Значение"},
    {1600, kRight - 1600, "Формула"},
}};

Font BodyFont(bool bold)
{
    return CellFont(kBodyHeight, bold);
}

// One row of the protocol, its four cells split into lines.
using RowLines = std::array<std::vector<std::string>, kColumns.size()>;

std::string ValueText(const calc::TraceLine& line)
{
    return calc::TraceNumberText(line.value) + (line.unit.empty() ? "" : " " + line.unit);
}

class ProtocolLayout {
public:
    // Without `page`, only measures (and counts the pages).
    ProtocolLayout(Canvas& measure, const ProtocolDocument& document, ScaleFactors factors, int pageCount,
                   const ProtocolPageCanvas* page)
        : canvas_(measure)
        , document_(document)
        , factors_(factors)
        , draw_(page != nullptr)
        , pageCount_(pageCount)
        , page_canvas_(page)
    {}

    int Run()
    {
        StartPage();
        std::string section;
        for (const calc::TraceLine& line : document_.lines) {
            const RowLines row = Split(line);
            const int rowHeight = Height(row);
            if (line.section != section) {
                section = line.section;
                const std::vector<std::string> heading = Wrapped(section, kRight - kLeft, true);
                const int headingHeight = kSectionGap + static_cast<int>(heading.size()) * kLineStep;
                if (y_ + headingHeight + rowHeight > kBottom)
                    NextPage();
                else
                    y_ += kSectionGap;
                for (const std::string& text : heading)
                    Text(kLeft, text, true);
            } else if (y_ + rowHeight > kBottom) {
                NextPage();
            }
            DrawRow(row);
        }
        return page_;
    }

private:
    std::vector<std::string> Wrapped(const std::string& text, int width, bool bold)
    {
        canvas_.setFont(Scaled(BodyFont(bold)));
        return WrappedLines(canvas_, text, width * factors_.horizontal);
    }

    RowLines Split(const calc::TraceLine& line)
    {
        const std::array<std::string, kColumns.size()> cells{line.quantity, line.symbol, ValueText(line), line.formula};
        RowLines row;
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            row[c] = Wrapped(cells[c], kColumns[c].width, false);
        return row;
    }

    static int Height(const RowLines& row)
    {
        std::size_t lines = 1;
        for (const auto& cell : row)
            lines = std::max(lines, cell.size());
        return static_cast<int>(lines) * kLineStep;
    }

    void DrawRow(const RowLines& row)
    {
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            for (std::size_t k = 0; k < row[c].size(); ++k)
                TextAt(kColumns[c].x, y_ + static_cast<int>(k) * kLineStep, row[c][k], false);
        y_ += Height(row);
    }

    void NextPage() { StartPage(); }

    // The title with the page number, the project line, the column headings and their rule.
    void StartPage()
    {
        y_ = kTop;
        if (draw_) {
            drawing_ = &(*page_canvas_)(page_);
            drawing_->setFont(Scaled(CellFont(kTitleHeight, true)));
            drawing_->text(At(kLeft, y_), "Протокол расчёта теплопритоков");
            const std::string number = "стр. " + std::to_string(page_ + 1) + " из " + std::to_string(pageCount_);
            drawing_->setFont(Scaled(BodyFont(false)));
            drawing_->text({kRight * factors_.horizontal - drawing_->textWidth(number), y_ * factors_.vertical},
                           number);
        }
        ++page_;
        y_ += kTitleStep;
        std::string project = document_.project;
        if (!document_.date.empty())
            project += (project.empty() ? "" : ", ") + document_.date;
        if (!project.empty())
            for (const std::string& text : Wrapped(project, kRight - kLeft, false))
                Text(kLeft, text, false);
        for (const Column& column : kColumns)
            TextAt(column.x, y_, std::string(column.heading), true);
        y_ += kLineStep;
        if (draw_) {
            drawing_->setPen({factors_.vertical, kBlack});
            drawing_->line(At(kLeft, y_), At(kRight, y_));
        }
        y_ += kRuleGap;
    }

    void Text(int x, const std::string& text, bool bold)
    {
        TextAt(x, y_, text, bold);
        y_ += kLineStep;
    }

    void TextAt(int x, int y, const std::string& text, bool bold)
    {
        if (!draw_ || text.empty())
            return;
        drawing_->setFont(Scaled(BodyFont(bold)));
        drawing_->text(At(x, y), text);
    }

    Point At(int x, int y) const { return {x * factors_.horizontal, y * factors_.vertical}; }
    Font Scaled(Font font) const
    {
        font.height *= factors_.vertical;
        return font;
    }

    Canvas& canvas_;
    const ProtocolDocument& document_;
    const ScaleFactors factors_;
    const bool draw_;
    const int pageCount_;
    const ProtocolPageCanvas* page_canvas_;
    Canvas* drawing_ = nullptr; // the current page's canvas while drawing
    int page_ = 0;
    int y_ = kTop;
};

// The longest start of `characters` from `from` that fits `width`; at least one character.
std::size_t FittingCharacters(Canvas& canvas, const std::u32string& characters, std::size_t from, int width)
{
    std::size_t count = 1;
    while (from + count < characters.size() &&
           canvas.textWidth(fields::ToUtf8(std::u32string_view(characters).substr(from, count + 1))) <= width)
        ++count;
    return count;
}

} // namespace

std::vector<std::string> WrappedLines(Canvas& canvas, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::string current;
    auto flush = [&] {
        lines.push_back(current);
        current.clear();
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        const std::string joined = current.empty() ? word : current + " " + word;
        if (canvas.textWidth(joined) <= width) {
            current = joined;
        } else {
            if (!current.empty())
                flush();
            if (canvas.textWidth(word) <= width) {
                current = word;
            } else {
                // A word wider than the column: as many characters as fit on each line.
                const std::u32string characters = fields::Characters(word);
                std::size_t from = 0;
                while (from < characters.size()) {
                    const std::size_t count = FittingCharacters(canvas, characters, from, width);
                    current = fields::ToUtf8(std::u32string_view(characters).substr(from, count));
                    from += count;
                    if (from < characters.size())
                        flush();
                }
            }
        }
        start = end + 1;
    }
    flush();
    return lines;
}

int CountProtocolPages(Canvas& canvas, const ProtocolDocument& document, ScaleFactors factors)
{
    return ProtocolLayout(canvas, document, factors, 0, nullptr).Run();
}

int DrawProtocolPages(Canvas& measure, const ProtocolDocument& document, ScaleFactors factors,
                      const ProtocolPageCanvas& page)
{
    const int pages = CountProtocolPages(measure, document, factors);
    return ProtocolLayout(measure, document, factors, pages, &page).Run();
}

} // namespace zeltar::report
