// The drawing surfaces of the room-parameters panel: the plan with its compass, the
// section sketch and the ten clickable sun and outside/inside tiles. They only draw what they are
// given; the window sets their orientation or flag from the form model.
#pragma once

#include "plan/qt/picture_widget.h"

#include <QWidget>

namespace zeltar::plan {

class PlanWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlanWidget(QWidget* parent = nullptr);
    int orientation() const { return orientation_; }
    // Degrees, a multiple of 45; repaints when it changed.
    void setOrientation(int degrees);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int orientation_ = 0;
};

// The section sketch, 160 x 110: decoration only, the volume field and the floor
// placement list placed over it take the clicks.
PictureWidget* CreateSectionSketch(QWidget* parent);

class SurfaceTileWidget : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Sun, Facing };
    SurfaceTileWidget(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return kind_; }
    int flag() const { return flag_; }
    // 1 sunlit / outside air, 0 not sunlit / another room; repaints when it changed.
    void setFlag(int flag);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    int flag_ = 1;
};

} // namespace zeltar::plan
