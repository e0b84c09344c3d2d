// The report commands of the main window.
#include "report/qt/report_commands.h"

#include "report/qt/preview_window.h"
#include "report/qt/protocol_printing.h"
#include "report/qt/report_printing.h"
#include "report/qt/resolution_warning.h"

#include "files/file_names.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
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

bool AskReplaceFile(QWidget* parent, const QString& path)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("ЗЕЛТАР"),
                    QString::fromStdString(files::ReplaceQuestion(path.toStdString())), QMessageBox::NoButton, parent);
    QPushButton* replace = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* keep = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == replace;
}

bool RunPrintDialog(QWidget* parent, QPrinter& printer, const QString& pdfFileName, QString& pdf)
{
    printer.setDocName(QFileInfo(pdfFileName).fileName());
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(pdfFileName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    pdf.clear();
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return true;
    const QString typed = printer.outputFileName();
    const QString path = QString::fromStdString(files::WithDefaultExtension(typed.toStdString(), files::kPdfExtension));
    if (path != typed && QFileInfo::exists(path) && !AskReplaceFile(parent, path))
        return false;
    pdf = path;
    printer.setOutputFileName(pdf);
    return true;
}

QString PrintReport(QWidget* parent, const ReportSource& source, ResolutionWarning& warning, const QString& pdfFileName)
{
    QPrinter printer(QPrinter::HighResolution);
    UseReportSheet(printer);
    QString pdf;
    if (!RunPrintDialog(parent, printer, pdfFileName, pdf))
        return {};
    // The warning is shown once per axis whose resolution is not allowed; the job is then abandoned.
    const PrintResult result = PrintOnPrinter(printer, source, [&warning](PrintAxis) { warning.exec(); });
    if (result.status == PrintStatus::Failed)
        QMessageBox::critical(parent, QStringLiteral("Ошибка печати"), result.message);
    return result.status == PrintStatus::Printed ? pdf : QString();
}

PrintResult WriteReportPdf(const ReportSource& source, const std::string& path)
{
    QPrinter printer(QPrinter::HighResolution);
    UseReportSheet(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    // Only for Qt's own use (the document's name); the file written is `path` exactly.
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setDocName(QFileInfo(QString::fromStdString(path)).fileName());
    return PrintOnPrinter(printer, source, [](PrintAxis) {}, {path, {}});
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
