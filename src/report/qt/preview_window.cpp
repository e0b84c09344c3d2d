#include "report/qt/preview_window.h"

#include "report/qt/button_glyphs.h"
#include "report/qt/painter_canvas.h"
#include "report/load_chart.h"
#include "report/qt/protocol_printing.h"
#include "report/report_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

namespace zeltar::report {

namespace {

constexpr int kWindowWidth = 1024;  // px, fixed
constexpr int kWindowHeight = 750;  // px, fixed
constexpr int kContentWidth = 1001; // px, the panels' width
constexpr int kContentHeight = 1431;
constexpr int kPanelHeight = 49;
constexpr int kTopPanelY = 0;
constexpr int kBottomPanelY = 1382;
constexpr QRect kImageRect{32, 50, 950, 1330};
constexpr QRect kReturnButtonRect{752, 8, 241, 33}; // within its panel
constexpr QRect kPrintButtonRect{552, 8, 193, 33};
constexpr QRect kReportChoiceRect{32, 10, 300, 29}; // within the upper panel
constexpr QRect kChartChoiceRect{345, 10, 200, 29};
constexpr int kPageGap = 20; // px of grey between the detailed report's pages
constexpr int kButtonFontPixels = 13;
// The zoom buttons and «PDF…» in the upper panel's free strip between the list and the print button.
constexpr QRect kZoomOutRect{340, 10, 28, 29};
constexpr QRect kZoomInRect{370, 10, 28, 29};
constexpr QRect kFitPageRect{400, 10, 46, 29};
constexpr QRect kFitWidthRect{448, 10, 46, 29};
constexpr QRect kPdfButtonRect{496, 10, 52, 29};
constexpr int kSmallButtonFontPixels = 11;
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr int kImageMargin = 32; // px left of the page, as at 100 %
// The window frame and title bar a window manager adds around the window's inside.
constexpr QSize kFrameAllowance{16, 40};

const QColor kButtonShadowGrey(160, 160, 160);

QPushButton* MakeButton(QWidget* panel, const QString& name, const QString& caption, const QIcon& glyph,
                        const QRect& rect)
{
    auto* button = new QPushButton(glyph, caption, panel);
    button->setObjectName(name);
    button->setGeometry(rect);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kButtonFontPixels);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kButtonNavy);
    button->setPalette(palette);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PreviewWindow::PreviewWindow(QWidget* mainWindow, const ReportSource& source, std::function<void()> printCommand)
    : QDialog(mainWindow)
    , mainWindow_(mainWindow)
    , source_(source)
    , printCommand_(std::move(printCommand))
    , image_(kImageRect.size(), QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ZELTAR 1.0 - Предварительный просмотр печати"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    image_.fill(Qt::white);

    auto* scrollArea = new QScrollArea(this);
    scrollArea_ = scrollArea;
    scrollArea->setObjectName(QStringLiteral("ScrollArea"));
    scrollArea->setGeometry(0, 0, kWindowWidth, kWindowHeight);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollArea->verticalScrollBar()->setTracking(true);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Content"));
    content->setFixedSize(kContentWidth, kContentHeight);
    content->setAutoFillBackground(true);
    content->setPalette(palette);

    QWidget* topPanel = makePanel(content, kTopPanelY, QStringLiteral("BitBtn1"), QStringLiteral("BitBtn3"));
    imageLabel_ = new QLabel(content);
    imageLabel_->setObjectName(QStringLiteral("Image1"));
    imageLabel_->setGeometry(kImageRect);
    imageLabel_->setPixmap(QPixmap::fromImage(image_));
    bottomPanel_ = makePanel(content, kBottomPanelY, QStringLiteral("BitBtn2"), QStringLiteral("BitBtn4"));
    content_ = content;

    reportChoice_ = new QComboBox(topPanel);
    reportChoice_->setObjectName(QStringLiteral("ReportChoice"));
    reportChoice_->setGeometry(kReportChoiceRect);
    reportChoice_->addItem(QStringLiteral("Отчёт на одной странице"));
    reportChoice_->addItem(QStringLiteral("Подробный протокол расчёта"));
    reportChoice_->setVisible(false);
    connect(reportChoice_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });

    chartChoice_ = new QCheckBox(QStringLiteral("и диаграмма нагрузки"), topPanel);
    chartChoice_->setObjectName(QStringLiteral("ChartChoice"));
    chartChoice_->setGeometry(kChartChoiceRect);
    chartChoice_->setVisible(false);
    connect(chartChoice_, &QCheckBox::toggled, this, [this] { refresh(); });

    scrollArea->setWidget(content);
    addZoomButtons(topPanel);
}

void PreviewWindow::addZoomButtons(QWidget* panel)
{
    const auto small = [panel](const QString& name, const QString& caption, const QString& tip, const QRect& rect) {
        auto* button = new QPushButton(caption, panel);
        button->setObjectName(name);
        button->setGeometry(rect);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(kSmallButtonFontPixels);
        button->setFont(font);
        button->setToolTip(tip);
        button->setAutoDefault(false);
        return button;
    };
    connect(
        small(QStringLiteral("ZoomOutButton"), QStringLiteral("−"), QStringLiteral("Уменьшить (Ctrl+−)"), kZoomOutRect),
        &QPushButton::clicked, this, &PreviewWindow::zoomOut);
    connect(
        small(QStringLiteral("ZoomInButton"), QStringLiteral("+"), QStringLiteral("Увеличить (Ctrl++)"), kZoomInRect),
        &QPushButton::clicked, this, &PreviewWindow::zoomIn);
    connect(small(QStringLiteral("FitPageButton"), QStringLiteral("Стр."), QStringLiteral("Страница целиком"),
                  kFitPageRect),
            &QPushButton::clicked, this, &PreviewWindow::fitPage);
    connect(small(QStringLiteral("FitWidthButton"), QStringLiteral("Шир."), QStringLiteral("По ширине окна"),
                  kFitWidthRect),
            &QPushButton::clicked, this, &PreviewWindow::fitWidth);
    pdfButton_ = small(QStringLiteral("PdfButton"), QStringLiteral("PDF…"), QStringLiteral("Записать отчёт в PDF"),
                       kPdfButtonRect);
    pdfButton_->setVisible(false);
    connect(pdfButton_, &QPushButton::clicked, this, [this] {
        if (writePdf_)
            writePdf_();
    });
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &PreviewWindow::zoomIn);
    connect(new QShortcut(QKeySequence(QKeySequence::ZoomOut), this), &QShortcut::activated, this,
            &PreviewWindow::zoomOut);
}

void PreviewWindow::offerPdf(std::function<void()> writePdf)
{
    writePdf_ = std::move(writePdf);
    pdfButton_->setVisible(static_cast<bool>(writePdf_));
}

void PreviewWindow::setZoom(double zoom)
{
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    showImage();
}

void PreviewWindow::zoomIn()
{
    setZoom(zoom_ * kZoomStep);
}

void PreviewWindow::zoomOut()
{
    setZoom(zoom_ / kZoomStep);
}

void PreviewWindow::fitPage()
{
    const int room = scrollArea_->viewport()->height() - 2 * kPanelHeight;
    setZoom(static_cast<double>(room) / kImageRect.height());
}

void PreviewWindow::fitWidth()
{
    const int room = scrollArea_->viewport()->width() - 2 * kImageMargin;
    setZoom(static_cast<double>(room) / kImageRect.width());
}

void PreviewWindow::fitToScreen(const QRect& available)
{
    const QSize size(std::clamp(available.width() - kFrameAllowance.width(), 1, kWindowWidth),
                     std::clamp(available.height() - kFrameAllowance.height(), 1, kWindowHeight));
    setFixedSize(size);
    scrollArea_->setGeometry(0, 0, size.width(), size.height());
    // A narrower window scrolls sideways as well, so that the right edge of the page stays in reach.
    scrollArea_->setHorizontalScrollBarPolicy(size.width() < kWindowWidth ? Qt::ScrollBarAsNeeded
                                                                          : Qt::ScrollBarAlwaysOff);
}

QWidget* PreviewWindow::makePanel(QWidget* content, int y, const QString& returnName, const QString& printName)
{
    auto* panel = new QWidget(content);
    panel->setGeometry(0, y, kContentWidth, kPanelHeight);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kButtonShadowGrey);
    panel->setPalette(palette);

    QPushButton* back =
        MakeButton(panel, returnName, QStringLiteral("   ВЕРНУТЬСЯ НА ГЛАВНУЮ"), ReturnGlyph(), kReturnButtonRect);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* print =
        MakeButton(panel, printName, QStringLiteral("     ПЕЧАТЬ ПРОЕКТА"), PrintGlyph(), kPrintButtonRect);
    connect(print, &QPushButton::clicked, this, [this] {
        if (detailedChosen()) {
            if (printDetailed_)
                printDetailed_();
        } else if (chartChosen()) {
            if (printWithChart_)
                printWithChart_();
        } else if (printCommand_) {
            printCommand_();
        }
    });
    return panel;
}

void PreviewWindow::refresh()
{
    if (mainWindow_ != nullptr) {
        move(mainWindow_->frameGeometry().topLeft());
        setWindowIcon(mainWindow_->windowIcon());
    }
    if (detailedChosen()) {
        chartChoice_->setEnabled(false); // the protocol has pages of its own
        drawDetailed();
        return;
    }
    chartChoice_->setEnabled(true);
    if (chartChosen()) {
        drawWithChart();
        return;
    }
    image_ = QImage(kImageRect.size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    {
        QPainter painter(&image_);
        PainterCanvas canvas(painter);
        DrawPreviewReport(canvas, source_);
    }
    showImage();
}

void PreviewWindow::drawDetailed()
{
    const std::vector<QImage> pages = ProtocolPageImages(protocol_(), kImageRect.width());
    const int pageHeight = pages.empty() ? kImageRect.height() : pages.front().height();
    const int count = static_cast<int>(pages.size());
    image_ = QImage(kImageRect.width(), std::max(1, count * pageHeight + (count - 1) * kPageGap), QImage::Format_RGB32);
    image_.fill(kButtonShadowGrey);
    {
        QPainter painter(&image_);
        for (int k = 0; k < count; ++k)
            painter.drawImage(0, k * (pageHeight + kPageGap), pages[static_cast<std::size_t>(k)]);
    }
    showImage();
}

// The drawn image at the zoom; at 100 % exactly as drawn.
void PreviewWindow::showImage()
{
    const QSize shown = (QSizeF(image_.size()) * zoom_).toSize();
    imageLabel_->setPixmap(shown == image_.size() ? QPixmap::fromImage(image_)
                                                  : QPixmap::fromImage(image_.scaled(shown, Qt::IgnoreAspectRatio,
                                                                                     Qt::SmoothTransformation)));
    fitContent(shown.height());
    imageLabel_->resize(shown);
    const int width = std::max(kContentWidth, kImageMargin * 2 + shown.width());
    content_->setFixedSize(width, content_->height());
    scrollArea_->setHorizontalScrollBarPolicy(width > scrollArea_->viewport()->width() ? Qt::ScrollBarAsNeeded
                                                                                       : Qt::ScrollBarAlwaysOff);
}

void PreviewWindow::drawWithChart()
{
    image_ = QImage(kImageRect.width(), 2 * kImageRect.height() + kPageGap, QImage::Format_RGB32);
    image_.fill(kButtonShadowGrey);
    {
        QPainter painter(&image_);
        painter.fillRect(QRect(QPoint(0, 0), kImageRect.size()), Qt::white);
        painter.fillRect(QRect(QPoint(0, kImageRect.height() + kPageGap), kImageRect.size()), Qt::white);
        PainterCanvas canvas(painter);
        DrawPreviewReport(canvas, source_);
        painter.translate(0, kImageRect.height() + kPageGap);
        DrawLoadChart(canvas, breakdown_(), PreviewChartArea());
    }
    fitContent(image_.height());
    imageLabel_->setPixmap(QPixmap::fromImage(image_));
}

void PreviewWindow::fitContent(int height)
{
    imageLabel_->setGeometry(kImageRect.x(), kImageRect.y(), kImageRect.width(), height);
    const int bottomPanelY = kBottomPanelY + height - kImageRect.height();
    bottomPanel_->move(0, bottomPanelY);
    content_->setFixedSize(kContentWidth, bottomPanelY + kPanelHeight);
}

void PreviewWindow::offerDetailedReport(std::function<ProtocolDocument()> protocol, std::function<void()> printDetailed)
{
    protocol_ = std::move(protocol);
    printDetailed_ = std::move(printDetailed);
    reportChoice_->setVisible(static_cast<bool>(protocol_));
}

void PreviewWindow::offerLoadChart(std::function<calc::LoadBreakdown()> breakdown, std::function<void()> printWithChart)
{
    breakdown_ = std::move(breakdown);
    printWithChart_ = std::move(printWithChart);
    chartChoice_->setVisible(static_cast<bool>(breakdown_));
}

bool PreviewWindow::chartChosen() const
{
    return breakdown_ && !detailedChosen() && chartChoice_->isChecked();
}

void PreviewWindow::chooseChart(bool chosen)
{
    chartChoice_->setChecked(chosen);
}

bool PreviewWindow::detailedChosen() const
{
    return protocol_ && reportChoice_->currentIndex() == 1;
}

void PreviewWindow::chooseReport(int index)
{
    reportChoice_->setCurrentIndex(index);
}

const QImage& PreviewWindow::image() const
{
    return image_;
}

bool PreviewWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return QDialog::event(event);
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    // Also drawn when shown, for window systems that never activate the window.
    refresh();
    QDialog::showEvent(event);
}

} // namespace zeltar::report
