#include "window/message_line.h"

#include "window/window_style.h"

namespace zeltar::gui {

MessageLine::MessageLine(QWidget* parent, const QString& objectName) : QLabel(parent)
{
    setObjectName(objectName);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, kDarkBlue);
    setPalette(palette);
    setTextFormat(Qt::PlainText);
}

void MessageLine::setMessage(const QString& message)
{
    message_ = message;
    setToolTip(message);
    showElided();
}

void MessageLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void MessageLine::showElided()
{
    setText(fontMetrics().elidedText(message_, Qt::ElideRight, contentsRect().width()));
}

} // namespace zeltar::gui
