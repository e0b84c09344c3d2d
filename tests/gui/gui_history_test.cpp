// Undo and redo keys in the main window: Ctrl+Z takes back a commit or the typing in
// the field being edited, and Ctrl+Y or Ctrl+Shift+Z makes it again, whatever control has the
// keyboard focus; the window shows the form model's state after each.
#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using zeltar::Control;
using zeltar::gui::test::WindowUnderTest;

class HistoryKeysTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlZAndCtrlYInAListAfterACommit()
    {
        WindowUnderTest w;
        const QString before = w.text(Control::RoomLength);
        QVERIFY(w.focus(Control::RoomLength));
        w.type("7");
        w.pressKey(Qt::Key_Return);
        QVERIFY(w.model.modified());
        QVERIFY(w.focus(Control::City));
        w.pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.text(Control::RoomLength), before);
        QCOMPARE(w.model.state().roomLength, 0.0);
        QVERIFY(!w.model.modified());
        QVERIFY(w.model.message().starts_with("Отменено: "));
        w.pressKey(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.model.state().roomLength, 7.0);
        QCOMPARE(w.text(Control::RoomLength).trimmed(), QStringLiteral("7"));
        w.pressKey(Qt::Key_Z, Qt::ControlModifier);
        w.pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.model.state().roomLength, 7.0);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::City));
    }

    // In a field the keys are the project's, not the line edit's: the typing commits and is taken
    // back as one step; redo brings it back into the field, which keeps the focus.
    void ctrlZInTheFieldBeingEditedTakesTheTypingBack()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomWidth));
        w.type("45");
        w.pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.text(Control::RoomWidth), QString());
        QCOMPARE(w.model.state().roomWidth, 0.0);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomWidth));
        w.pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.text(Control::RoomWidth), QStringLiteral("45"));
        QCOMPARE(w.model.state().roomWidth, 45.0);
    }
};

QTEST_MAIN(HistoryKeysTest)
#include "gui_history_test.moc"
