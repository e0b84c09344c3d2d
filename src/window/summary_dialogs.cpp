#include "window/summary_dialogs.h"

#include "window/window_dialogs.h"
#include "window/summary_preview.h"
#include "object/qt/summary_printing.h"
#include "report/qt/report_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace zeltar::object {

namespace {

const QString kMessageTitle = QStringLiteral("ЗЕЛТАР - Сводка по объекту");

DialogAnswer RunFileDialog(QWidget* parent, const QString& title, const QString& fileName, const QString& filter,
                           const QString& suffix, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({filter, QStringLiteral("Все файлы (*)")});
    dialog.setDefaultSuffix(suffix);
    // The window asks before replacing, once the extension is added (gui::ConfirmedSavePath).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo start(fileName);
    if (start.isAbsolute())
        dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {true, dialog.selectedFiles().front().toStdString()};
}

Answer Ask(QWidget* parent, const QString& question, bool withNo)
{
    QMessageBox box(QMessageBox::Question, kMessageTitle, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = withNo ? box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole) : nullptr;
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (no != nullptr && box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

QString Print(QWidget* parent, const SummaryReportTexts& texts, const std::string& objectFile,
              const QString& pdfFileName)
{
    QPrinter printer(QPrinter::HighResolution);
    UseSummarySheet(printer);
    QString pdf;
    if (!report::RunPrintDialog(parent, printer, pdfFileName, pdf))
        return {};
    const report::PrintResult result = PrintSummary(
        printer, texts, [](report::PrintAxis) {}, objectFile);
    if (result.status == report::PrintStatus::ResolutionRefused)
        QMessageBox::critical(parent, QStringLiteral("Ошибка печати"),
                              QStringLiteral("Разрешение принтера %1 x %2 dpi не подходит: выберите 300, 600 или "
                                             "1200 dpi.")
                                  .arg(printer.logicalDpiX())
                                  .arg(printer.logicalDpiY()));
    else if (result.status == report::PrintStatus::Failed)
        QMessageBox::critical(parent, QStringLiteral("Ошибка печати"), result.message);
    return result.status == report::PrintStatus::Printed ? pdf : QString();
}

} // namespace

SummaryDialogs StandardSummaryDialogs()
{
    SummaryDialogs dialogs;
    dialogs.chooseRooms = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileNames(parent, QStringLiteral("Добавить камеры"), folder,
                                             QStringLiteral("Проекты ЗЕЛТАР (*.zlt *.zlp);;Все файлы (*)"));
    };
    dialogs.openObject = [](QWidget* parent, const QString& fileName) {
        return RunFileDialog(parent, QStringLiteral("Открыть объект"), fileName,
                             QStringLiteral("Объекты ЗЕЛТАР (*.zlo)"), QStringLiteral("zlo"), QFileDialog::AcceptOpen);
    };
    dialogs.saveObject = [](QWidget* parent, const QString& fileName) {
        return RunFileDialog(parent, QStringLiteral("Сохранить объект"), fileName,
                             QStringLiteral("Объекты ЗЕЛТАР (*.zlo)"), QStringLiteral("zlo"), QFileDialog::AcceptSave);
    };
    dialogs.savePdf = [](QWidget* parent, const QString& fileName) {
        return RunFileDialog(parent, QStringLiteral("Сохранить сводку в PDF"), fileName,
                             QStringLiteral("Документы PDF (*.pdf)"), QStringLiteral("pdf"), QFileDialog::AcceptSave);
    };
    dialogs.askReplace = gui::AskReplaceFile;
    dialogs.ask = Ask;
    dialogs.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, kMessageTitle, message);
    };
    dialogs.preview = [](QWidget* parent, const SummaryReportTexts& texts, std::function<void()> print,
                         std::function<void()> savePdf) {
        SummaryPreview preview(parent, texts, std::move(print), std::move(savePdf));
        preview.exec();
    };
    dialogs.print = Print;
    return dialogs;
}

} // namespace zeltar::object
