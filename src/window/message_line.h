// A line of the window's messages: white text on the bars' dark blue, cut with "…" to the width it
// has (again at every resize), the whole text in its tooltip.
#pragma once

#include <QLabel>
#include <QString>

namespace zeltar::gui {

class MessageLine : public QLabel {
    Q_OBJECT
public:
    MessageLine(QWidget* parent, const QString& objectName);

    void setMessage(const QString& message);
    QString message() const { return message_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showElided();

    QString message_;
};

} // namespace zeltar::gui
