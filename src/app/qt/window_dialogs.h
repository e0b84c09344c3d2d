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

class QWidget;

namespace zeltar::report {
class PreviewWindow;
class ResolutionWarning;
} // namespace zeltar::report

namespace zeltar::gui {

enum class SaveChangesAnswer { Save, Discard, Cancel };

struct WindowDialogs {
    // File dialogs starting with `fileName` ("Новый Проект" at first, later the last path).
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> openProject;
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> saveProject;
    // "Сохранить изменения в проекте?" with Да / Нет / Отмена.
    std::function<SaveChangesAnswer(QWidget* parent)> askSaveChanges;
    std::function<void(QWidget* parent, const QString& message)> showError;
    // Shows the preview window TForm2 modally.
    std::function<void(report::PreviewWindow& preview)> preview;
    // Prints the report; `warning` is TForm3, shown for a printer resolution that is not allowed.
    std::function<void(QWidget* parent, const report::ReportSource& source, report::ResolutionWarning& warning)>
        print;
    // Prints the detailed report (the protocol of the calculation), chosen in the preview.
    std::function<void(QWidget* parent, const report::ProtocolDocument& document, report::ResolutionWarning& warning)>
        printDetailed;
};

// The file dialogs open at least this large, so that the name, size, type and date columns show.
inline constexpr QSize kFileDialogSize{900, 560};

// The load (AcceptOpen) or save (AcceptSave) dialog, starting with `fileName`, not yet shown.
std::unique_ptr<QFileDialog> CreateProjectFileDialog(QWidget* parent, const QString& fileName,
                                                     QFileDialog::AcceptMode mode);

// Qt's file dialogs and message boxes, the report's preview window and printing.
WindowDialogs StandardDialogs();

} // namespace zeltar::gui
