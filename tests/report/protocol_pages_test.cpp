// The detailed report's pages on a recording canvas (half the font height per character): texts
// wrap within their columns, pages break before the bottom, each page has its number of all.
#include "recording_canvas.h"
#include "report/protocol_pages.h"
#include "report/report_fonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeltar::report::testing {
namespace {

calc::TraceLine Line(std::string section, std::string quantity, std::string formula)
{
    return {std::move(section), std::move(quantity), "Q", 1.5, "кВт", std::move(formula), ""};
}

// Guards the wrapping: every line fits, no word is lost or split while it fits, and a word wider
// than the column is cut at characters.
TEST(ProtocolWrapping, LinesFitTheColumnAndKeepEveryCharacter)
{
    RecordingCanvas canvas;
    canvas.setFont(CellFont(20, false)); // 10 units per character
    const std::vector<std::string> lines = WrappedLines(canvas, "Q = k·F·Δt, до целых ватт", 120);
    EXPECT_EQ(lines, (std::vector<std::string>{"Q = k·F·Δt,", "до целых", "ватт"}));
    const std::vector<std::string> cut = WrappedLines(canvas, "абвгдеёжзийклмн", 50);
    EXPECT_EQ(cut, (std::vector<std::string>{"абвгд", "еёжзи", "йклмн"}));
    EXPECT_EQ(WrappedLines(canvas, "", 50), (std::vector<std::string>{""}));
}

// Guards the pages: a long protocol takes several pages, every text stays inside the page's box and
// above its bottom, each page carries "стр. N из M", and the count agrees with the drawing.
TEST(ProtocolPages, BreakBeforeTheBottomAndNumberEveryPage)
{
    ProtocolDocument document{"Камера № 3", "08.12.2026", {}, {}};
    for (int i = 0; i < 150; ++i)
        document.lines.push_back(Line("Раздел " + std::to_string(i / 20), "величина номер " + std::to_string(i),
                                      "очень длинная формула, которая не помещается в одну строку столбца"));
    RecordingCanvas measure;
    std::vector<RecordingCanvas> pages(10);
    int asked = 0;
    const int count = DrawProtocolPages(measure, document, {1, 1}, [&](int index) -> Canvas& {
        EXPECT_EQ(index, asked++);
        return pages.at(static_cast<std::size_t>(index));
    });
    EXPECT_EQ(count, asked);
    EXPECT_EQ(count, CountProtocolPages(measure, document, {1, 1}));
    ASSERT_GE(count, 2);
    for (int k = 0; k < count; ++k) {
        const RecordingCanvas& page = pages[static_cast<std::size_t>(k)];
        EXPECT_EQ(page.textsEqualTo("стр. " + std::to_string(k + 1) + " из " + std::to_string(count)).size(), 1u);
        for (const Drawn& text : page.texts()) {
            const int right = text.points[0].x + RecordingCanvas::MeasuredWidth(text.text, text.font);
            EXPECT_GE(text.points[0].x, 80) << text.text;
            EXPECT_LE(right, 2300) << text.text;
            EXPECT_LE(text.points[0].y + text.font.height, 3330) << text.text;
        }
    }
    // Every row's quantity appears once, in order, across the pages.
    std::vector<std::string> quantities;
    for (int k = 0; k < count; ++k)
        for (const Drawn& text : pages[static_cast<std::size_t>(k)].texts())
            if (text.text.starts_with("величина номер"))
                quantities.push_back(text.text);
    ASSERT_EQ(quantities.size(), 150u);
    EXPECT_EQ(quantities.back(), "величина номер 149");
}

} // namespace
} // namespace zeltar::report::testing
