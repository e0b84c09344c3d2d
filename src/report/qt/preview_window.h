// TForm2: the print preview. The report drawn on a 950 x 1330 image in a vertically scrolling
// window, with a panel of buttons above and below it: back to the main window, and print. One
// preview lives as long as the main window; closing it only hides it.
#pragma once

#include "report/report_source.h"

#include <QDialog>
#include <QImage>

#include <functional>

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

    // On a screen with less room than the fixed 1024 x 750 (a laptop less its panel, a netbook) the
    // window shrinks to the room less its frame, and the whole page stays reachable by scrolling.
    // `available` is the screen's free area.
    void fitToScreen(const QRect& available);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makePanel(QWidget* content, int y, const QString& returnName, const QString& printName);

    QWidget* mainWindow_;
    const ReportSource& source_;
    std::function<void()> printCommand_;
    QLabel* imageLabel_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QImage image_;
};

} // namespace zeltar::report
