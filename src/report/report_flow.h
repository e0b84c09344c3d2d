// Room on the report page for the extension lines: each line stands a line pitch below its anchor
// (a line of the layout) and moves everything below it down by that pitch; everything from the
// ventilation total down is then pressed together evenly so that the header block still ends inside
// the frame. Without extension lines every y stays where the layout puts it.
#pragma once

#include "report/extension_lines.h"
#include "report/report_surface.h"

#include <array>
#include <vector>

namespace zeltar::report {

class VerticalFlow {
public:
    // No extension lines: every y as laid out.
    VerticalFlow() = default;
    VerticalFlow(Surface surface, const std::vector<ExtensionLine>& lines);

    // Where a layout y stands on the page.
    int map(int layoutY) const;
    // Where the `k`-th (0-based) extension line at `place` stands.
    int lineY(ExtensionPlace place, int k) const;

private:
    // y with the inserted lines above it, before the pressing together.
    double expanded(double layoutY) const;
    double pressed(double expandedY) const;

    Surface surface_ = Surface::Print;
    std::array<int, 3> counts_{}; // lines at each ExtensionPlace
    double pressFactor_ = 1;      // 1 without extension lines
};

} // namespace zeltar::report
