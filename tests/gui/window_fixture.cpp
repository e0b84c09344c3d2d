#include "window_fixture.h"

#include "fields/control_catalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace zeltar::gui::test {

WindowDialogs ScriptedDialogs::dialogs()
{
    WindowDialogs d;
    d.openProject = [this](QWidget*, const QString& name) {
        openStartNames << name;
        return openAnswer;
    };
    d.saveProject = [this](QWidget*, const QString& name) {
        saveStartNames << name;
        return saveAnswer;
    };
    d.savePdf = [this](QWidget*, const QString& name) {
        pdfStartNames << name;
        return pdfAnswer;
    };
    d.askReplace = [this](QWidget*, const QString& path) {
        replaceQuestions << path;
        return replaceAnswer;
    };
    d.askLossySave = [this](QWidget*, const QString& question) {
        lossySaveQuestions << question;
        return lossySaveAnswer;
    };
    d.askSaveChanges = [this](QWidget*) {
        ++saveChangesQuestions;
        return saveChangesAnswer;
    };
    d.showError = [this](QWidget*, const QString& message) { errors << message; };
    d.preview = [this](report::PreviewWindow& preview) {
        previewsShown << &preview;
        if (onPreview)
            onPreview(preview);
    };
    d.ownMaterials = [this](QWidget*) {
        ++ownMaterialDialogs;
        return ownMaterialAnswer;
    };
    d.print = [this](QWidget*, const report::ReportSource& source, report::ResolutionWarning& warning,
                     const QString& pdfFileName) {
        printWarnings << &warning;
        printedWithChart << source.loadChart().has_value();
        printPdfNames << pdfFileName;
        return printedPdf;
    };
    return d;
}

WindowUnderTest::WindowUnderTest()
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        throw std::runtime_error("the main window did not become active");
}

QWidget* WindowUnderTest::widget(Control control) const
{
    QWidget* w = window.control(control);
    if (w == nullptr)
        throw std::out_of_range("no widget " + std::string(Name(control)));
    return w;
}

QLineEdit* WindowUnderTest::edit(Control control) const
{
    return qobject_cast<QLineEdit*>(widget(control));
}

QComboBox* WindowUnderTest::comboBox(Control control) const
{
    return qobject_cast<QComboBox*>(widget(control));
}

QPushButton* WindowUnderTest::button(Control control) const
{
    return qobject_cast<QPushButton*>(widget(control));
}

QString WindowUnderTest::text(Control control) const
{
    return edit(control)->text();
}

bool WindowUnderTest::focus(Control control)
{
    QWidget* w = widget(control);
    if (qobject_cast<QLineEdit*>(w))
        QTest::mouseClick(w, Qt::LeftButton);
    else
        w->setFocus(Qt::MouseFocusReason);
    return QApplication::focusWidget() == w;
}

void WindowUnderTest::type(const QString& keys)
{
    for (const QChar key : keys) {
        QWidget* target = QApplication::focusWidget();
        if (key.unicode() < 0x80) {
            QTest::keyClicks(target, QString(key));
            continue;
        }
        // Letters beyond ASCII (Cyrillic): a key without a Qt key code, carrying its text.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(key));
        QApplication::sendEvent(target, &release);
    }
}

void WindowUnderTest::retype(const QString& keys)
{
    pressKey(Qt::Key_A, Qt::ControlModifier); // select all: typing replaces the text
    type(keys);
}

void WindowUnderTest::replaceByInputMethod(const QString& text)
{
    pressKey(Qt::Key_A, Qt::ControlModifier);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &commit);
}

void WindowUnderTest::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void WindowUnderTest::settle()
{
    QCoreApplication::processEvents();
}

} // namespace zeltar::gui::test
