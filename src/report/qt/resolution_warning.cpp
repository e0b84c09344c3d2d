#include "report/qt/resolution_warning.h"

#include <QFontInfo>
#include <QLabel>

namespace zeltar::report {

ResolutionWarning::ResolutionWarning(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setFixedSize(400, 250);
    move(722, 391);
    // "MS Sans Serif" where it is installed; elsewhere Arial, whose width still lets the longest
    // line fit the fixed window (a wide substitute would cut the lines off).
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    if (QFontInfo(font).family() != font.family())
        font.setFamily(QStringLiteral("Arial"));
    setFont(font);
    for (const WarningLine& line : kWarningLines) {
        auto* label = new QLabel(QString::fromUtf8(line.text), this);
        label->move(kWarningLinesX, line.y);
        label->adjustSize();
    }
}

} // namespace zeltar::report
