#include "window/summary_load_chart.h"

#include "report/qt/painter_canvas.h"

#include <QPainter>

namespace zeltar::object {

namespace {

constexpr int kLineHeight = 22; // px per bar and per legend line
constexpr int kLegendLines = 2; // as DrawStackedLoads lays them out
constexpr int kMargin = 6;      // px round the chart

} // namespace

SummaryLoadChart::SummaryLoadChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SummaryLoadChart"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    hide();
}

void SummaryLoadChart::setBars(std::vector<report::LoadBar> bars)
{
    bars_ = std::move(bars);
    setFixedHeight((static_cast<int>(bars_.size()) + kLegendLines) * kLineHeight + 2 * kMargin);
    setVisible(!bars_.empty());
    update();
}

void SummaryLoadChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    report::PainterCanvas canvas(painter);
    const report::ChartArea area{{kMargin, kMargin}, width() - 2 * kMargin, height() - 2 * kMargin, kLineHeight};
    report::DrawStackedLoads(canvas, bars_, area);
}

} // namespace zeltar::object
