// TForm2: the print preview. The report drawn on a 950 x 1330 image in a vertically scrolling
// window, with a panel of buttons above and below it: back to the main window, and print. One
// preview lives as long as the main window; closing it only hides it. When the main window offers
// the detailed report, a list in the upper panel chooses between the one-page report (the default)
// and the detailed protocol, whose pages are shown one under the other and printed instead. When
// the main window offers the chart of the load, a check box beside the list adds it as a second
// page of the one-page report (shown under the first, and printed with it). The page zooms
// (Ctrl++ / Ctrl+-, fit page, fit width; 100 % is the report's own 950 px width), and a «PDF…»
// button writes the report as a PDF where the main window offers it.
#pragma once

#include "calc/load_breakdown.h"
#include "report/protocol_pages.h"
#include "report/report_source.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace zeltar::report {

class PreviewWindow final : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` gives the position and the icon; `printCommand` is the main window's print
    // command, run by the print buttons.
    PreviewWindow(QWidget* mainWindow, const ReportSource& source, std::function<void()> printCommand);

    // Places the window at the main window's corner and draws the report afresh from the window's
    // current texts; runs at each activation.
    void refresh();

    const QImage& image() const;

    // Offers the detailed report: `protocol` gives its document at each drawing, `printDetailed`
    // prints it (run by the print buttons while it is chosen).
    void offerDetailedReport(std::function<ProtocolDocument()> protocol, std::function<void()> printDetailed);
    // Whether the detailed report is chosen (false until it is offered and chosen).
    bool detailedChosen() const;
    // Chooses the one-page report (0) or the detailed one (1), as the list does.
    void chooseReport(int index);

    // Offers the chart of the load as the report's second page: `breakdown` gives its numbers at
    // each drawing, `printWithChart` prints both pages (run by the print buttons while it is ticked).
    void offerLoadChart(std::function<calc::LoadBreakdown()> breakdown, std::function<void()> printWithChart);
    // Whether the chart page is asked for (false until it is offered and ticked, and while the
    // detailed report is chosen); ticks or clears it as the check box does.
    bool chartChosen() const;
    void chooseChart(bool chosen);

    // Offers the «PDF…» button, which runs `writePdf`.
    void offerPdf(std::function<void()> writePdf);

    // The page's scale: 1 shows the report 950 px wide.
    double zoom() const { return zoom_; }
    void setZoom(double zoom); // held to kMinZoom..kMaxZoom
    void zoomIn();
    void zoomOut();
    void fitPage();  // the whole page height in the window
    void fitWidth(); // the page's width in the window

    // On a screen with less room than the fixed 1024 x 750 (a laptop less its panel, a netbook) the
    // window shrinks to the room less its frame, and the whole page stays reachable by scrolling.
    // `available` is the screen's free area.
    void fitToScreen(const QRect& available);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makePanel(QWidget* content, int y, const QString& returnName, const QString& printName);
    void drawDetailed();
    void drawWithChart();
    // The image area and the lower panel for an image `height` pixels high.
    void fitContent(int height);
    void addZoomButtons(QWidget* panel);
    void showImage();

    QWidget* mainWindow_;
    const ReportSource& source_;
    std::function<void()> printCommand_;
    QLabel* imageLabel_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* content_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    QComboBox* reportChoice_ = nullptr;
    QCheckBox* chartChoice_ = nullptr;
    std::function<calc::LoadBreakdown()> breakdown_;
    std::function<void()> printWithChart_;
    std::function<ProtocolDocument()> protocol_;
    std::function<void()> printDetailed_;
    QImage image_;
    double zoom_ = 1.0;
    QPushButton* pdfButton_ = nullptr;
    std::function<void()> writePdf_;
};

} // namespace zeltar::report
