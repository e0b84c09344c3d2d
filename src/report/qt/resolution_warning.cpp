#include "report/qt/resolution_warning.h"

#include <QFontInfo>
#include <QLabel>

#include <array>

namespace zeltar::report {

namespace {

struct WarningLine {
    int y;
    const char* text;
};

constexpr int kLinesX = 16;
constexpr std::array<WarningLine, 7> kWarningLines{{
    {16, "ВНИМАНИЕ !"},
    {48, "Допустимые значения разрешения печати принтера по горизонтали :"},
    {72, "300 dpi, 600 dpi, 1200 dpi"},
    {96, "Допустимые значения разрешения печати принтера по вертикали :"},
    {120, "300 dpi, 600 dpi, 1200 dpi"},
    {160, "Пожалуйста установите любые из указанных значений в окне наст-"},
    {184, "ройки печати или воспользуйтесь другим принтером."},
}};

} // namespace

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
        label->move(kLinesX, line.y);
        label->adjustSize();
    }
}

} // namespace zeltar::report
