// The summary report's preview: its A4 landscape pages one below the other in a scrolling window,
// with print, PDF and close buttons above them.
#pragma once

#include "object/summary_report.h"

#include <QDialog>

#include <functional>

namespace zeltar::object {

class SummaryPreview final : public QDialog {
    Q_OBJECT
public:
    // `print` and `savePdf` are the summary window's commands, run by the buttons.
    SummaryPreview(QWidget* parent, const SummaryReportTexts& texts, std::function<void()> print,
                   std::function<void()> savePdf);

    int pageCount() const { return pageCount_; }

private:
    int pageCount_ = 0;
};

} // namespace zeltar::object
