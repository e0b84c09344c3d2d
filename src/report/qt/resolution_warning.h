// TForm3: the warning that the printer's resolution is none of 300, 600 or 1200 dpi.
#pragma once

#include <QDialog>

#include <array>
#include <string_view>

namespace zeltar::report {

struct WarningLine {
    int y; // px from the window's top
    std::string_view text;
};

// The warning's text, line by line from the top, every line starting at x 16.
inline constexpr int kWarningLinesX = 16; // px
inline constexpr std::array<WarningLine, 7> kWarningLines{{
    {16, "ВНИМАНИЕ !"},
    {48, "Допустимые значения разрешения печати принтера по горизонтали :"},
    {72, "300 dpi, 600 dpi, 1200 dpi"},
    {96, "Допустимые значения разрешения печати принтера по вертикали :"},
    {120, "300 dpi, 600 dpi, 1200 dpi"},
    {160, "Пожалуйста установите любые из указанных значений в окне наст-"},
    {184, "ройки печати или воспользуйтесь другим принтером."},
}};

class ResolutionWarning final : public QDialog {
    Q_OBJECT
public:
    explicit ResolutionWarning(QWidget* parent = nullptr);
};

} // namespace zeltar::report
