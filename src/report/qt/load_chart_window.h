// The chart of the load in a small window of its own beside the main window: not modal, it follows
// the results (the main window hands it the breakdown after every recalculation while it is shown).
#pragma once

#include "calc/load_breakdown.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace zeltar::report {

class LoadChartWindow final : public QWidget {
    Q_OBJECT
public:
    explicit LoadChartWindow(QWidget* mainWindow);

    // Draws the breakdown afresh (only when it differs from the one shown).
    void showBreakdown(const calc::LoadBreakdown& breakdown);

    // Beside the main window's right edge where the screen has room for it, else over its right
    // part (never off the screen's free area).
    void placeBeside(const QRect& mainFrame, const QRect& available);

    const QImage& image() const { return image_; }

private:
    QLabel* label_ = nullptr;
    QImage image_;
    std::vector<double> shownGains_; // the kW of the parts shown, to skip a redraw of the same
};

} // namespace zeltar::report
