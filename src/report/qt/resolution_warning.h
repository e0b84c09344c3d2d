// TForm3: the warning that the printer's resolution is none of 300, 600 or 1200 dpi.
#pragma once

#include <QDialog>

namespace zeltar::report {

class ResolutionWarning final : public QDialog {
    Q_OBJECT
public:
    explicit ResolutionWarning(QWidget* parent = nullptr);
};

} // namespace zeltar::report
