#include "report/report_flow.h"

#include <cmath>
#include <cstddef>

namespace zeltar::report {

namespace {

// Layout y of each place's anchor: the enclosure total, the staff line, the consumers' gain.
constexpr std::array<Both<int>, 3> kAnchorY{{{980, 357}, {2290, 885}, {2690, 1045}}};
// Pitch of the extension lines, the pitch of the operational lines.
constexpr Both<int> kLinePitch{50, 20};
// From the ventilation total down the page is pressed together; the frame's bottom edge stays.
constexpr Both<int> kPressFromY{1480, 561};
constexpr Both<int> kFrameBottomY{3350, 1325};

} // namespace

VerticalFlow::VerticalFlow(Surface surface, const std::vector<ExtensionLine>& lines) : surface_(surface)
{
    for (const ExtensionLine& line : lines)
        ++counts_[static_cast<std::size_t>(line.place)];
    const double top = expanded(kPressFromY.on(surface));
    const double frameBottom = kFrameBottomY.on(surface);
    pressFactor_ = (frameBottom - top) / (expanded(frameBottom) - top);
}

double VerticalFlow::expanded(double layoutY) const
{
    const int pitch = kLinePitch.on(surface_);
    double y = layoutY;
    for (std::size_t place = 0; place < counts_.size(); ++place)
        if (layoutY > kAnchorY[place].on(surface_))
            y += counts_[place] * pitch;
    return y;
}

double VerticalFlow::pressed(double expandedY) const
{
    const double top = expanded(kPressFromY.on(surface_));
    return expandedY <= top ? expandedY : top + (expandedY - top) * pressFactor_;
}

int VerticalFlow::map(int layoutY) const
{
    if (pressFactor_ == 1 && counts_ == std::array<int, 3>{})
        return layoutY;
    if (layoutY >= kFrameBottomY.on(surface_)) // the frame and the preview image's edge stay
        return layoutY;
    return static_cast<int>(std::lround(pressed(expanded(layoutY))));
}

int VerticalFlow::lineY(ExtensionPlace place, int k) const
{
    const int anchor = kAnchorY[static_cast<std::size_t>(place)].on(surface_);
    return static_cast<int>(std::lround(pressed(expanded(anchor) + (k + 1) * kLinePitch.on(surface_))));
}

} // namespace zeltar::report
