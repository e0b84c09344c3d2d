// The size a window of the summary opens with: its preferred size, or less on a screen whose free
// area cannot hold it (a 1024 x 600 netbook); what does not fit then scrolls inside.
#pragma once

#include <QRect>
#include <QSize>

namespace zeltar::object {

// Room left around a window on its screen for the title bar and borders the desktop adds.
inline constexpr QSize kFrameAllowance{16, 40};

inline QSize FittedWindowSize(QSize preferred, const QRect& available)
{
    return preferred.boundedTo(available.size() - kFrameAllowance);
}

} // namespace zeltar::object
