// Fonts of the report: one face for the whole page; heights are character-cell heights in the
// surface's units (on the printer multiplied by the vertical factor).
#pragma once

#include "report/canvas.h"
#include "report/report_surface.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zeltar::report {

inline constexpr std::string_view kReportFontFace = "Arial";

enum class FontUse {
    Title,          // the title line
    Body,           // body text, table texts, header block
    Total,          // total lines
    LogoWord,       // letterhead
    CompanyLine,    // letterhead
    ContactLines,   // letterhead
    DottedLeader,   // letterhead
    RegisteredSign, // the letter "R" in its circle
};

constexpr Font CellFont(int height, bool bold)
{
    return {kReportFontFace, height, bold, FontHeightUnit::CellHeight};
}

// Indexed by FontUse.
inline constexpr std::array<Both<Font>, 8> kReportFonts{{
    {CellFont(50, true), CellFont(20, true)},
    {CellFont(40, false), CellFont(16, false)},
    {CellFont(40, true), CellFont(16, true)},
    {CellFont(180, true), CellFont(65, true)},
    {CellFont(35, true), CellFont(14, true)},
    {CellFont(44, false), CellFont(20, false)},
    {CellFont(44, false), CellFont(20, true)},
    {CellFont(25, true), Font{kReportFontFace, 5, false, FontHeightUnit::Points}},
}};

constexpr const Font& ReportFont(FontUse use, Surface surface)
{
    return kReportFonts[static_cast<std::size_t>(use)].on(surface);
}

} // namespace zeltar::report
