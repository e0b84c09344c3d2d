#include "window/list_box.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

namespace zeltar::gui {

namespace {

// The highlight stands this far inside the list's text field, off the frame.
constexpr int kHighlightInsetPixels = 1;

} // namespace

ListBox::ListBox(QWidget* parent) : QComboBox(parent)
{
    // Click and Tab, not the wheel, give a list the focus.
    setFocusPolicy(Qt::StrongFocus);
}

void ListBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (hasFocus() && isEnabled()) {
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        const int inset = kHighlightInsetPixels;
        painter.fillRect(field.adjusted(-inset, inset, inset, -inset), palette().color(QPalette::Highlight));
        option.palette.setColor(QPalette::ButtonText, palette().color(QPalette::HighlightedText));
        option.palette.setColor(QPalette::Text, palette().color(QPalette::HighlightedText));
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

// Unfocused, the wheel goes on to the window (which scrolls on a small screen).
void ListBox::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace zeltar::gui
