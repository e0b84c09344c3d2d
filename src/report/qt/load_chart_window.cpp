#include "report/qt/load_chart_window.h"

#include "report/load_chart.h"
#include "report/qt/painter_canvas.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace zeltar::report {

namespace {

constexpr QSize kChartImageSize{600, 470}; // px
constexpr int kChartMargin = 10;           // px round the chart inside the image
constexpr int kChartMaxLineHeight = 24;    // px

} // namespace

LoadChartWindow::LoadChartWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
    , image_(kChartImageSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("LoadChartWindow"));
    setWindowTitle(QStringLiteral("ZELTAR - Структура теплопритоков"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    image_.fill(Qt::white);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("LoadChart"));
    label_->setPixmap(QPixmap::fromImage(image_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    setFixedSize(kChartImageSize);
}

void LoadChartWindow::placeBeside(const QRect& mainFrame, const QRect& available)
{
    const int x = std::min(mainFrame.right() + 1, available.right() + 1 - width());
    const int y =
        std::clamp(mainFrame.top(), available.top(), std::max(available.top(), available.bottom() + 1 - height()));
    move(std::max(x, available.left()), y);
}

void LoadChartWindow::showBreakdown(const calc::LoadBreakdown& breakdown)
{
    std::vector<double> gains;
    for (const calc::LoadPart& part : breakdown.parts)
        gains.push_back(part.gainKw);
    gains.push_back(breakdown.totalKw);
    if (gains == shownGains_)
        return;
    shownGains_ = std::move(gains);

    image_.fill(Qt::white);
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterCanvas canvas(painter);
        const ChartArea area{{kChartMargin, kChartMargin},
                             kChartImageSize.width() - 2 * kChartMargin,
                             kChartImageSize.height() - 2 * kChartMargin,
                             kChartMaxLineHeight};
        DrawLoadChart(canvas, breakdown, area);
    }
    label_->setPixmap(QPixmap::fromImage(image_));
}

} // namespace zeltar::report
