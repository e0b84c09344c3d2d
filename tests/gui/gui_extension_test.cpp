// The «Дополнительно» tab in the window: its tab button beside the Q4 tab, the rows' buttons on the
// enclosure page leading there, the material lists refilled when the project takes an own material,
// and the own materials dialog writing the user's library (and never over a library it cannot read).
#include "window_fixture.h"

#include "app/own_material_library.h"
#include "window/button_tabs.h"
#include "window/own_materials_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using zeltar::Control;
using zeltar::gui::OwnMaterialsDialog;
using zeltar::gui::test::WindowUnderTest;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fill(OwnMaterialsDialog& dialog, const QString& name, const QString& conductivity, const QString& solarFactor)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("OwnMaterialName"))->setText(name);
    dialog.findChild<QLineEdit*>(QStringLiteral("OwnMaterialConductivity"))->setText(conductivity);
    dialog.findChild<QLineEdit*>(QStringLiteral("OwnMaterialSolarFactor"))->setText(solarFactor);
}

QPushButton* DialogButton(OwnMaterialsDialog& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class ExtensionTest : public QObject {
    Q_OBJECT
private slots:
    void theExtraTabStandsBesideTheQ4Tab()
    {
        WindowUnderTest w;
        const auto* tabs = w.window.findChild<zeltar::gui::ButtonTabs*>(QStringLiteral("PageControl1"));
        QVERIFY(tabs != nullptr);
        QCOMPARE(tabs->count(), zeltar::fields::kTabCount);
        const QRect operational = tabs->tabButton(zeltar::fields::kOperationalTab)->geometry();
        const QRect extra = tabs->tabButton(zeltar::fields::kExtraTab)->geometry();
        QCOMPARE(extra.y(), operational.y());
        QVERIFY(extra.y() > tabs->tabButton(zeltar::fields::kEnclosureTab)->geometry().y()); // the second row
        QVERIFY(extra.left() > operational.right());
        QVERIFY(extra.right() <= tabs->width());
    }

    void aRowsButtonShowsItsUValue()
    {
        WindowUnderTest w;
        QTest::mouseClick(w.button(Control::ExtraRowButtonCeiling), Qt::LeftButton);
        QCOMPARE(w.model.currentTab(), zeltar::fields::kExtraTab);
        QVERIFY(w.widget(Control::UValueCeiling)->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::UValueCeiling));
    }

    // Fault: a material copied into the project that the lists do not offer until a restart.
    void aMaterialFromTheDialogJoinsTheLists()
    {
        WindowUnderTest w;
        const int before = w.comboBox(Control::StructureMaterialA)->count();
        w.scripted.ownMaterialAnswer = zeltar::OwnMaterial{"кирпич клинкерный", 0.9, 0.7};
        w.model.showTab(zeltar::fields::kExtraTab);
        w.window.binding().sync();
        QTest::mouseClick(w.button(Control::OwnMaterialsButton), Qt::LeftButton);
        QCOMPARE(w.scripted.ownMaterialDialogs, 1);
        QCOMPARE(w.comboBox(Control::StructureMaterialA)->count(), before + 1);
        QCOMPARE(w.comboBox(Control::StructureMaterialA)->itemText(before), QStringLiteral("★ кирпич клинкерный"));
        QCOMPARE(w.comboBox(Control::ExtraLayerMaterial2Floor)
                     ->itemText(w.comboBox(Control::ExtraLayerMaterial2Floor)->count() - 1),
                 QStringLiteral("★ кирпич клинкерный"));
        QVERIFY(w.model.canUndo());
        w.window.binding().undo();
        QCOMPARE(w.comboBox(Control::StructureMaterialA)->count(), before);
    }

    void theDialogWritesTheLibraryAndRefusesWhatALineCannotHold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zeltar/materials.txt"));
        OwnMaterialsDialog dialog(path.toStdString());
        Fill(dialog, QStringLiteral("пеностекло плитное"), QStringLiteral("0.06"), QStringLiteral("1"));
        QTest::mouseClick(DialogButton(dialog, "OwnMaterialAdd"), Qt::LeftButton);
        QCOMPARE(dialog.problem(), QString());
        QCOMPARE(FileBytes(path), QByteArray("ZELTAR-MATERIALS 1\nmaterial = пеностекло плитное; 0,06; 1\n"));

        Fill(dialog, QStringLiteral("пено;стекло"), QStringLiteral("0,06"), QStringLiteral("1"));
        QTest::mouseClick(DialogButton(dialog, "OwnMaterialAdd"), Qt::LeftButton);
        QVERIFY(dialog.problem().contains(QStringLiteral("«;»")));
        QCOMPARE(dialog.materials().size(), 1U);

        QTest::mouseClick(DialogButton(dialog, "OwnMaterialUse"), Qt::LeftButton);
        QVERIFY(dialog.chosen().has_value());
        QCOMPARE(dialog.chosen()->name, std::string("пеностекло плитное"));
    }

    // Fault: a library the program cannot read written over, the user's materials lost.
    void aLibraryItCannotReadIsNotWrittenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("materials.txt"));
        const QByteArray faulty("ZELTAR-MATERIALS 1\nmaterial = a; много; 1\n");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(faulty);
        }
        OwnMaterialsDialog dialog(path.toStdString());
        QVERIFY(dialog.problem().contains(QStringLiteral("строка 2")));
        QVERIFY(!DialogButton(dialog, "OwnMaterialAdd")->isEnabled());
        QCOMPARE(FileBytes(path), faulty);
    }
};

QTEST_MAIN(ExtensionTest)
#include "gui_extension_test.moc"
