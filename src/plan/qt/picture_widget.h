// A drawing that takes no input (the section sketch, the logo): clicks go through to the controls
// placed over or under it.
#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace zeltar::plan {

class PictureWidget final : public QWidget {
    Q_OBJECT
public:
    // `paint` draws the picture in the widget's own pixels; `surface` is the widget (its size and
    // font).
    using Paint = std::function<void(QPainter& painter, const QWidget& surface)>;
    explicit PictureWidget(Paint paint, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Paint paint_;
};

} // namespace zeltar::plan
