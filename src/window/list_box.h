// The window's drop-down list: shows where the keyboard focus is by highlighting its selected text,
// as desktop lists do, whether the focus came by click, Tab or the Enter walk; and takes the mouse
// wheel only while it has the focus, so that scrolling over the form never changes a choice.
#pragma once

#include <QComboBox>

namespace zeltar::gui {

class ListBox : public QComboBox {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace zeltar::gui
