// The report commands of the main window.
#include "report/qt/report_commands.h"

#include "report/qt/preview_window.h"
#include "report/qt/protocol_printing.h"
#include "report/qt/report_printing.h"
#include "report/qt/resolution_warning.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QScreen>
#include <QPrinter>

namespace zeltar::report {

void ShowPreview(PreviewWindow& preview)
{
    if (const QScreen* screen = preview.screen())
        preview.fitToScreen(screen->availableGeometry());
    preview.exec();
}

void PrintReport(QWidget* parent, const ReportSource& source, ResolutionWarning& warning)
{
    QPrinter printer(QPrinter::HighResolution);
    UseReportSheet(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The warning is shown once per axis whose resolution is not allowed; the job is then abandoned.
    const PrintResult result = PrintOnPrinter(printer, source, [&warning](PrintAxis) { warning.exec(); });
    if (result.status == PrintStatus::Failed)
        QMessageBox::critical(parent, QStringLiteral("Ошибка печати"), result.message);
}

void PrintDetailedReport(QWidget* parent, const ProtocolDocument& document, ResolutionWarning& warning)
{
    QPrinter printer(QPrinter::HighResolution);
    UseReportSheet(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PrintResult result = PrintProtocol(printer, document, [&warning](PrintAxis) { warning.exec(); });
    if (result.status == PrintStatus::Failed)
        QMessageBox::critical(parent, QStringLiteral("Ошибка печати"), result.message);
}

} // namespace zeltar::report
