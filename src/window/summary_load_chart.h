// The summary window's chart under the table: a stacked bar per loaded room by component and the
// object's total, as high as its bars need (the window's content scrolls when it does not fit).
#pragma once

#include "report/load_chart.h"

#include <QWidget>

#include <vector>

namespace zeltar::object {

class SummaryLoadChart final : public QWidget {
    Q_OBJECT
public:
    explicit SummaryLoadChart(QWidget* parent);

    // Hidden without bars (no room loaded).
    void setBars(std::vector<report::LoadBar> bars);
    const std::vector<report::LoadBar>& bars() const { return bars_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<report::LoadBar> bars_;
};

} // namespace zeltar::object
