// The dialogs the main window opens: the file dialogs of the load and save commands, the
// unsaved-changes question, the error box and the report commands. Held as functions so that tests
// can answer them without a modal loop. The report's two windows are not made here: the main window
// creates them at start-up and hands them to the report commands.
#pragma once

#include "app/form_model.h"
#include "report/protocol_pages.h"
#include "report/report_source.h"

#include <QFileDialog>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QWidget;

namespace zeltar::report {
class PreviewWindow;
class ResolutionWarning;
} // namespace zeltar::report

namespace zeltar::gui {

enum class SaveChangesAnswer { Save, Discard, Cancel };

struct WindowDialogs {
    // File dialogs starting with `fileName` (see FormModel::dialogFileName).
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> openProject;
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> saveProject;
    // The PDF file dialog of the preview's «PDF…» button, starting with `fileName`.
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> savePdf;
    // "Файл … уже существует. Заменить?" with Да / Нет, «Нет» the default: true to replace.
    std::function<bool(QWidget* parent, const QString& path)> askReplace;
    // The form model's question before a save as a 131-line file loses inputs only the own project
    // file holds (FormModel::setAskLossySave), with Да / Нет, «Нет» the default: true to save.
    std::function<bool(QWidget* parent, const QString& question)> askLossySave;
    // "Сохранить изменения в проекте?" with Да / Нет / Отмена.
    std::function<SaveChangesAnswer(QWidget* parent)> askSaveChanges;
    std::function<void(QWidget* parent, const QString& message)> showError;
    // Shows the preview window TForm2 modally.
    std::function<void(report::PreviewWindow& preview)> preview;
    // Prints the report; `warning` is TForm3, shown for a printer resolution that is not allowed.
    // The dialog's PDF file starts as `pdfFileName`; returns the PDF written ("" none: printed on
    // a printer, cancelled or failed).
    std::function<QString(QWidget* parent, const report::ReportSource& source, report::ResolutionWarning& warning,
                          const QString& pdfFileName)>
        print;
    // Prints the detailed report (the protocol of the calculation), chosen in the preview.
    std::function<void(QWidget* parent, const report::ProtocolDocument& document, report::ResolutionWarning& warning)>
        printDetailed;
    // «Свои материалы…»: the user edits the own materials library; the material to copy into the
    // project, nullopt none.
    std::function<std::optional<OwnMaterial>(QWidget* parent)> ownMaterials;
};

// The file dialogs open at least this large, so that the name, size, type and date columns show.
inline constexpr QSize kFileDialogSize{900, 560};

// The load (AcceptOpen) or save (AcceptSave) dialog, starting with `fileName`, not yet shown.
std::unique_ptr<QFileDialog> CreateProjectFileDialog(QWidget* parent, const QString& fileName,
                                                     QFileDialog::AcceptMode mode);

// Qt's file dialogs and message boxes, the report's preview window and printing.
WindowDialogs StandardDialogs();

// The replace question as a message box: Да / Нет, «Нет» the default and the escape answer.
bool AskReplaceFile(QWidget* parent, const QString& path);
// A question as a message box: Да / Нет, «Нет» the default and the escape answer.
bool AskYesNoDefaultNo(QWidget* parent, const QString& question);

// The file a save or PDF dialog's answer writes: a name typed without an extension gets
// `extension` (".zlt", ".zlo", ".pdf"); an existing file is replaced only when `askReplace` says
// so. nullopt: cancelled, or the user keeps the existing file; nothing is to be written.
std::optional<QString> ConfirmedSavePath(const DialogAnswer& answer, std::string_view extension,
                                         const std::function<bool(const QString& path)>& askReplace);

} // namespace zeltar::gui
