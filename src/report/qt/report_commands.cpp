// The report commands of the main window.
#include "report/qt/report_commands.h"

#include <QDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace zeltar::report {

void ShowPreview(QWidget* mainWindow, const ReportSource&, std::function<void()>)
{
    QDialog preview(mainWindow);
    preview.setWindowTitle(QStringLiteral("ZELTAR 1.0 - Предварительный просмотр печати"));
    preview.setFixedSize(1024, 750);
    preview.exec();
}

void PrintReport(QWidget* parent, const ReportSource&)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (painter.begin(&printer))
        painter.end();
}

} // namespace zeltar::report
