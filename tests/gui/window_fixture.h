// A started main window over a fresh form model, shown and active (offscreen), with its dialogs
// answered by the test instead of modal loops.
#pragma once

#include "app/form_model.h"
#include "window/main_window.h"
#include "window/window_dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zeltar::report {
class PreviewWindow;
class ResolutionWarning;
} // namespace zeltar::report

namespace zeltar::gui::test {

// The answers the dialogs give, and what they were asked.
struct ScriptedDialogs {
    DialogAnswer openAnswer;
    DialogAnswer saveAnswer;
    DialogAnswer pdfAnswer;
    QStringList pdfStartNames;
    SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::Cancel;
    int saveChangesQuestions = 0;
    QStringList openStartNames;
    QStringList saveStartNames;
    // The replace question: its answer and the files it was asked about.
    bool replaceAnswer = false;
    QStringList replaceQuestions;
    // The question before a lossy save as a 131-line file: its answer and the questions asked.
    bool lossySaveAnswer = false;
    QStringList lossySaveQuestions;
    // The print dialog's PDF file names, and the PDF it "writes" ("" none).
    QStringList printPdfNames;
    QString printedPdf;
    // Whether each print was asked with the chart of the load as its second page.
    QList<bool> printedWithChart;
    QStringList errors;
    // The report windows the commands were given, one entry per preview or print.
    QList<report::PreviewWindow*> previewsShown;
    QList<report::ResolutionWarning*> printWarnings;
    // The own materials dialog: the material it gives for the project, and how often it was opened.
    std::optional<OwnMaterial> ownMaterialAnswer;
    int ownMaterialDialogs = 0;
    // Runs when the preview is shown (nothing by default: no modal loop).
    std::function<void(report::PreviewWindow&)> onPreview;

    WindowDialogs dialogs();
};

class WindowUnderTest {
public:
    WindowUnderTest();

    QLineEdit* edit(Control control) const;
    QComboBox* comboBox(Control control) const;
    QPushButton* button(Control control) const;
    QWidget* widget(Control control) const;
    QString text(Control control) const; // a line edit's text
    // Gives the control the keyboard focus as a click does; false when it did not get it.
    bool focus(Control control);
    // Types into the widget that has the keyboard focus.
    void type(const QString& keys);
    // Selects the focused field's whole text and types over it.
    void retype(const QString& keys);
    // Selects the focused field's whole text and puts `text` in its place through the input method,
    // which no key filter or cleanup sees (so a text that is no number can reach the commit).
    void replaceByInputMethod(const QString& text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Lets queued work (the error box) run.
    void settle();

    ScriptedDialogs scripted;
    FormModel model{"08.12.2025"};
    MainWindow window{model, scripted.dialogs()};
};

} // namespace zeltar::gui::test
