// The dialogs the main window opens: the file dialogs of the load and save commands, the
// unsaved-changes question, the error box and the report commands. Held as functions so that tests
// can answer them without a modal loop.
#pragma once

#include "app/form_model.h"
#include "report/report_source.h"

#include <QString>

#include <functional>

class QWidget;

namespace zeltar::gui {

enum class SaveChangesAnswer { Save, Discard, Cancel };

struct WindowDialogs {
    // File dialogs starting with `fileName` ("Новый Проект" at first, later the last path).
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> openProject;
    std::function<DialogAnswer(QWidget* parent, const QString& fileName)> saveProject;
    // "Сохранить изменения в проекте?" with Да / Нет / Отмена.
    std::function<SaveChangesAnswer(QWidget* parent)> askSaveChanges;
    std::function<void(QWidget* parent, const QString& message)> showError;
    std::function<void(QWidget* parent, const report::ReportSource& source, std::function<void()> printCommand)> preview;
    std::function<void(QWidget* parent, const report::ReportSource& source)> print;
};

// Qt's file dialogs and message boxes, the report's preview window and printing.
WindowDialogs StandardDialogs();

} // namespace zeltar::gui
