// The window's binding to the form model: typed keys, Enter, list choices, tiles, the compass and
// the tab pages reach the model and come back as the widgets' texts, states and focus. What the
// model then does is the form model's tests' business; here each case guards a broken link.
#include "window_fixture.h"

#include "fields/control_catalogue.h"
#include "plan/qt/plan_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using zeltar::Control;
using zeltar::gui::test::WindowUnderTest;

class BindingTest : public QObject {
    Q_OBJECT
private slots:
    // Fault: the start-up focus of the model not given to the window (the city list), or Enter in
    // a list not forwarded.
    void startsInTheCityListAndEnterWalksOn()
    {
        WindowUnderTest w;
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::City));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::FloorType));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomLength));
        QCOMPARE(w.text(Control::RoomLength), QString());
    }

    // Fault: typed text or Enter not forwarded, or the committed text not mirrored back.
    void typingAndEnterCommitAndMoveTheFocus()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomLength));
        QCOMPARE(w.text(Control::RoomLength), QString()); // "  0" emptied for typing, as the model says
        w.type("12,5");
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("12,5"));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("  12,5"));
        QCOMPARE(w.model.state().roomLength, 12.5);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomWidth));
        QCOMPARE(w.model.focusedControl(), std::optional<Control>(Control::RoomWidth));

        w.type("4");
        w.pressKey(Qt::Key_Enter); // the keypad's Enter as well
        QCOMPARE(w.text(Control::RoomWidth), QStringLiteral("  4"));
        QCOMPARE(w.text(Control::RoomArea), QStringLiteral("  50")); // the area, recalculated and mirrored
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomHeight));
    }

    // Fault: the key filter's answer ignored, so letters or a full stop get into a number.
    void rejectedKeysAreSwallowed()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::StructureThicknessA));
        w.type("1a.2 ,3");
        QCOMPARE(w.text(Control::StructureThicknessA), QStringLiteral("123"));
        QCOMPARE(w.model.control(Control::StructureThicknessA).text, std::string("123"));
    }

    // Fault: the field's maximum length not held while typing (the equipment running hours take five characters).
    void typingStopsAtTheMaximumLength()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::EquipmentRunningHours));
        w.retype("123456");
        QCOMPARE(w.text(Control::EquipmentRunningHours), QStringLiteral("12345"));
        // A text from an input method (as a paste) is held to it as well, the caret after it.
        w.replaceByInputMethod(QStringLiteral("9876543"));
        QCOMPARE(w.text(Control::EquipmentRunningHours), QStringLiteral("98765"));
        QCOMPARE(w.model.control(Control::EquipmentRunningHours).text, std::string("98765"));
        QCOMPARE(w.edit(Control::EquipmentRunningHours)->cursorPosition(), 5);
    }

    // Fault: a change the model reports (here of an event from outside the widgets) not shown, or
    // every control mirrored again after each event instead of the ones the model reports.
    void mirrorsTheControlsTheModelReportsChanged()
    {
        WindowUnderTest w;
        w.edit(Control::StructureThicknessA)
            ->setText(QStringLiteral("999")); // no event below changes the wall's thickness
        w.model.choose(Control::RoomType, 2); // "камера охлаждения"
        w.window.binding().sync();
        QCOMPARE(w.comboBox(Control::RoomType)->currentIndex(), 2);
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("  -3"));
        QVERIFY(w.widget(Control::DailyTurnoverPercent)->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomType));
        QCOMPARE(w.text(Control::StructureThicknessA), QStringLiteral("999"));
    }

    // Fault: the main keyboard's comma and minus keys released with the wrong codes, so the
    // cleanup does not remove a second comma or a second minus.
    void mainKeyboardCommaAndMinusAreCleanedAfterRelease()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomLength));
        w.type("1,2,");
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("1,2"));

        QVERIFY(w.focus(Control::RoomTemperature));
        w.retype("--5");
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("-5"));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(w.model.state().roomTemperature, -5.0);
    }

    // Fault: the keypad's minus and decimal keys or a full stop not cleaned up as the main
    // keyboard's minus and comma (a keypad "--5" ended in an error box, "12.5" became 125).
    void keypadKeysAndFullStopAreCleanedAsMinusAndComma()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomTemperature));
        w.pressKey(Qt::Key_A, Qt::ControlModifier);
        w.pressKey(Qt::Key_Minus, Qt::KeypadModifier);
        w.pressKey(Qt::Key_Minus, Qt::KeypadModifier);
        w.type("5");
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("-5"));
        QVERIFY(w.focus(Control::RoomLength));
        w.type("1");
        w.pressKey(Qt::Key_Comma, Qt::KeypadModifier);
        w.type("2");
        w.pressKey(Qt::Key_Period, Qt::KeypadModifier);
        w.type(".5");
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("1,25"));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(w.model.state().roomLength, 1.25);
        QCOMPARE(w.model.state().roomTemperature, -5.0);
    }

    // Fault: typing joins the old text of a field reached with Enter or Tab (-20 typed over as
    // -25 became -50): the model's selection not shown, or the widget's not passed back.
    void enterFromTheCityListReachesTheRoomTemperatureSelected()
    {
        WindowUnderTest w;
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::City));
        for (int presses = 0; presses < 12 && QApplication::focusWidget() != w.widget(Control::RoomTemperature);
             ++presses)
            w.pressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomTemperature));
        QCOMPARE(w.edit(Control::RoomTemperature)->selectedText(), QStringLiteral("-20"));
        w.type("-25");
        w.pressKey(Qt::Key_Return);
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("  -25"));
        QCOMPARE(w.model.state().roomTemperature, -25.0);

        w.pressKey(Qt::Key_Tab);
        QLineEdit* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(next != nullptr);
        QCOMPARE(next->selectedText(), next->text()); // Tab selects as well
        const std::optional<Control> shown = zeltar::FindControl(next->objectName().toStdString());
        QVERIFY(shown.has_value());
        QCOMPARE(w.model.control(*shown).selectionLength, static_cast<int>(next->text().size()));

        // The caret and selection the user makes reach the model: "," over "2,5" in "12,5" leaves
        // "1,", judged on the text without the selection.
        QVERIFY(w.focus(Control::RoomLength));
        w.type("12,5");
        w.pressKey(Qt::Key_Home);
        w.pressKey(Qt::Key_Right);
        w.pressKey(Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(w.model.control(Control::RoomLength).selectionLength, 3);
        w.type(",");
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("1,"));
    }

    // Fault: a text that is no number (here from an input method) committed silently: its
    // conversion error is shown and keeps the focus.
    void aTextThatIsNoNumberShowsItsError()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomTemperature));
        w.replaceByInputMethod(QStringLiteral("--5"));
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("--5"));
        w.pressKey(Qt::Key_Return);
        w.settle();
        QCOMPARE(w.scripted.errors, QStringList{QStringLiteral("'--5' is not a valid floating point value.")});
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("--5"));
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomTemperature));
        QCOMPARE(w.model.state().roomTemperature, -20.0);
    }

    // Fault: backspace or the space bar mishandled in a numeric field.
    void backspaceDeletesAndBlankIsRejected()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomHeight));
        w.type("34 ");
        w.pressKey(Qt::Key_Backspace);
        QCOMPARE(w.text(Control::RoomHeight), QStringLiteral("3"));
        QCOMPARE(w.model.control(Control::RoomHeight).text, std::string("3"));
    }

    // Fault: a free-text field filtered like a number, or its text not passed to the model.
    void freeTextFieldTakesAnyText()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::ClientName));
        w.type("ООО Холод 1.5");
        QCOMPARE(w.model.state().clientName, std::string("ООО Холод 1.5"));
    }

    // Fault: a list choice not forwarded, or its presets not mirrored into the widgets (texts,
    // captions, hidden fields).
    void listChoiceAppliesItsPresetsInTheWidgets()
    {
        WindowUnderTest w;
        QComboBox* roomType = w.comboBox(Control::RoomType);
        QVERIFY(w.focus(Control::RoomType));
        QTest::keyClick(roomType, Qt::Key_Down);
        QTest::keyClick(roomType, Qt::Key_Down);
        QCOMPARE(roomType->currentIndex(), 2); // "камера охлаждения"
        QCOMPARE(w.model.state().roomType, 2);
        QCOMPARE(w.text(Control::RoomTemperature), QStringLiteral("  -3"));
        QCOMPARE(w.text(Control::RoomRelativeHumidity), QStringLiteral("  95"));
        QCOMPARE(w.text(Control::ProductInletTemperature), QStringLiteral("  35"));
        QCOMPARE(w.text(Control::StackDensity), QStringLiteral("  200"));
        QCOMPARE(qobject_cast<QLabel*>(w.widget(Control::RunningHoursCaption))->text(),
                 QStringLiteral("Время термообработки, ч"));
        QVERIFY(w.widget(Control::DailyTurnoverPercent)->isHidden());
        QVERIFY(w.widget(Control::DailyTurnoverPercentLabel)->isHidden());
        QVERIFY(!w.widget(Control::StackHeight)->isHidden());
    }

    // Fault: the city's enabled climate fields not mirrored (they stay disabled after "свой вариант").
    void customCityEnablesTheClimateFields()
    {
        WindowUnderTest w;
        QComboBox* city = w.comboBox(Control::City);
        QVERIFY(!w.widget(Control::Latitude)->isEnabled());
        QVERIFY(w.focus(Control::City));
        QTest::keyClick(city, Qt::Key_End);
        QCOMPARE(w.model.state().city, city->count() - 1);
        QVERIFY(w.widget(Control::Latitude)->isEnabled());
        QCOMPARE(w.text(Control::OutsideDesignTemperature), QStringLiteral("  30"));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::Latitude));
    }

    // Fault: a tile click not forwarded, or the tile not redrawn for its new flag.
    void tileClickFlipsAndRedraws()
    {
        WindowUnderTest w;
        auto* tile = qobject_cast<zeltar::plan::SurfaceTileWidget*>(w.widget(Control::SunTileA));
        const QColor cloudBlue(0, 0, 255);
        QVERIFY(tile->grab().toImage().pixelColor(5, 15) != cloudBlue); // a sun at first
        QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(15, 15));
        QCOMPARE(tile->flag(), 0);
        QCOMPARE(w.text(Control::SunlitTextA), QStringLiteral("  нет"));
        QCOMPARE(tile->grab().toImage().pixelColor(5, 15), cloudBlue);
        QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(15, 15));
        QCOMPARE(tile->flag(), 1);
        QCOMPARE(w.text(Control::SunlitTextA), QStringLiteral("   да"));

        auto* facing = qobject_cast<zeltar::plan::SurfaceTileWidget*>(w.widget(Control::FacingTileCeiling));
        QTest::mouseClick(facing, Qt::LeftButton, {}, QPoint(15, 15));
        QCOMPARE(w.text(Control::OutsideFacingTextCeiling), QStringLiteral("  вн"));
        QCOMPARE(w.text(Control::OutsideFacingCopyCeiling), QStringLiteral("  вн"));
    }

    // Fault: the compass button not forwarded, or the plan not turned with the model.
    void compassButtonTurnsThePlan()
    {
        WindowUnderTest w;
        auto* plan = qobject_cast<zeltar::plan::PlanWidget*>(w.widget(Control::Plan));
        QVERIFY(plan->grab().toImage().pixelColor(77, 63) != QColor(0, 0, 255));
        QTest::mouseClick(w.button(Control::CompassButton), Qt::LeftButton);
        QCOMPARE(plan->orientation(), 45);
        QCOMPARE(w.text(Control::WallDirectionA), QStringLiteral("   ЮВ"));
        // The north half's centre after one turn, (77, 63), lies beside the upright needle.
        QCOMPARE(plan->grab().toImage().pixelColor(77, 63), QColor(0, 0, 255));
    }

    // Fault: the model's tab switch or its new focus not followed by the window.
    void enterInTheLastFieldOfATabShowsTheNextTab()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::HeatGainQ1));
        w.pressKey(Qt::Key_Return);
        QCOMPARE(w.window.shownTab(), 1);
        QCOMPARE(w.model.currentTab(), 1);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::SurfaceFinishA));
        QVERIFY(w.widget(Control::SurfaceFinishA)->isVisible());
    }

    // Fault: a tab click not passed to the model, or the model's page not shown.
    void tabClickShowsThePage()
    {
        WindowUnderTest w;
        auto* tabs = w.window.findChild<QWidget*>(QStringLiteral("PageControl1"));
        QVERIFY(tabs != nullptr);
        QPushButton* ventilationTab = nullptr;
        for (auto* b : tabs->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("От вентиляции Q3"))
                ventilationTab = b;
        QVERIFY(ventilationTab != nullptr);
        QTest::mouseClick(ventilationTab, Qt::LeftButton);
        QCOMPARE(w.model.currentTab(), 2);
        QVERIFY(w.widget(Control::AirExchangeRate)->isVisible());
        QVERIFY(!w.widget(Control::StructureThicknessA)->isVisible());
        QVERIFY(w.focus(Control::AirExchangeRate)); // a field of the shown page takes the focus by a click
        QCOMPARE(w.model.focusedControl(), std::optional<Control>(Control::AirExchangeRate));
    }

    // Fault: the space bar's rule in the first outside temperature not given to the model (move and fill from row А).
    void spaceBarInTheFirstOutsideTemperatureFillsFromTheFirstRow()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::OutsideTemperatureA));
        w.retype("12");
        w.pressKey(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::StructureMaterialB));
        QCOMPARE(w.text(Control::OutsideTemperatureA), QStringLiteral("  12"));
        QCOMPARE(w.text(Control::OutsideTemperatureD), QStringLiteral("  12"));
    }

    // Fault: a check box click not forwarded, or the enabled states it drives not mirrored.
    void checkBoxDrivesEnabledFields()
    {
        WindowUnderTest w;
        QVERIFY(!w.widget(Control::FanPower)->isEnabled());
        w.model.showTab(4);
        w.window.binding().sync();
        QTest::mouseClick(w.widget(Control::FanDetailedCalculation), Qt::LeftButton);
        QCOMPARE(w.model.state().fanDetailedCalculation, 1);
        QVERIFY(w.widget(Control::FanPower)->isEnabled());
        QVERIFY(!w.widget(Control::FanSharePercent)->isEnabled());
    }
};

QTEST_MAIN(BindingTest)
#include "gui_binding_test.moc"
