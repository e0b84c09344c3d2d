// The dialogs the summary window opens, held as functions so that tests answer them without modal
// loops: file dialogs for rooms, object files and the PDF, the questions, the error box, and the
// report's preview and printing.
#pragma once

#include "app/form_model.h"
#include "object/summary_report.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zeltar::object {

enum class Answer { Yes, No, Cancel };

struct SummaryDialogs {
    // Room project files to add, several at once (empty: cancelled); starts in `folder`.
    std::function<QStringList(QWidget* parent, const QString& folder)> chooseRooms;
    // The object file to open or to save as, starting with `fileName`.
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> openObject;
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> saveObject;
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> savePdf;
    // "Файл … уже существует. Заменить?", «Нет» the default: true to replace.
    std::function<bool(QWidget* parent, const QString& path)> askReplace;
    // A question with Да / Нет / Отмена (`withNo` false: Да / Отмена only).
    std::function<Answer(QWidget* parent, const QString& question, bool withNo)> ask;
    std::function<void(QWidget* parent, const QString& message)> showError;
    // The preview window over the report, shown modally; its buttons run `print` and `savePdf`.
    std::function<void(QWidget* parent, const SummaryReportTexts& texts, std::function<void()> print,
                       std::function<void()> savePdf)>
        preview;
    // The print dialog and the printed pages; errors are shown by it. The dialog's PDF file starts as
    // `pdfFileName`; a PDF is never written over `objectFile` or a room (the texts' files). Returns
    // the PDF written, "" when none was (a printer, a cancel, an error).
    std::function<QString(QWidget* parent, const SummaryReportTexts& texts, const std::string& objectFile,
                          const QString& pdfFileName)>
        print;
};

// Qt's file dialogs and message boxes, the summary preview and printing.
SummaryDialogs StandardSummaryDialogs();

} // namespace zeltar::object
