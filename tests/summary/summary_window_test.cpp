// The summary window headless beside a main window: adding (dialog, drop, the current project),
// removing and reordering rooms, a failed row, opening a room in the main window, a room file
// replaced on disk, the object file commands, the fields and the clipboard.
#include "window/summary_preview.h"
#include "window/summary_window.h"
#include "object/summary_table.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QMenu>
#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cstdlib>
#include <map>

#include <gtest/gtest.h>

namespace zeltar::object {
namespace {

QString Reference(const QString& name)
{
    return QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/") + name + QStringLiteral(".zlt");
}

class SummaryWindowTest : public ::testing::Test {
protected:
    SummaryWindowTest() : summary(main.window, Dialogs()) {}

    SummaryDialogs Dialogs()
    {
        SummaryDialogs d;
        d.chooseRooms = [this](QWidget*, const QString&) { return roomsToChoose; };
        d.openObject = [this](QWidget*, const QString&) { return objectAnswer; };
        d.saveObject = [this](QWidget*, const QString&) { return objectAnswer; };
        d.savePdf = [this](QWidget*, const QString&) { return pdfAnswer; };
        d.askReplace = [this](QWidget*, const QString& path) {
            replaceQuestions << path;
            return replaceAnswer;
        };
        d.ask = [this](QWidget*, const QString& question, bool) {
            questions << question;
            return answer;
        };
        d.showError = [this](QWidget*, const QString& message) { errors << message; };
        d.preview = [this](QWidget*, const SummaryReportTexts& texts, std::function<void()>, std::function<void()>) {
            previewedRooms = static_cast<int>(texts.rooms.size());
        };
        d.print = [this](QWidget*, const SummaryReportTexts&, const std::string& objectFile,
                         const QString& pdfFileName) {
            printedObjectFile = objectFile;
            printPdfName = pdfFileName;
            return printAnswer;
        };
        return d;
    }

    // A reference project copied into the scratch folder under `fileName`.
    QString copy(const QString& reference, const QString& fileName)
    {
        const QString path = folder.filePath(fileName);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(Reference(reference), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    // Replaces a file as editors and the main window's save do: a new file renamed over it.
    void replaceByRename(const QString& reference, const QString& path)
    {
        const QString next = copy(reference, QStringLiteral("next.tmp"));
        ASSERT_EQ(std::rename(QFile::encodeName(next).constData(), QFile::encodeName(path).constData()), 0);
    }

    void addRooms(const QStringList& names)
    {
        roomsToChoose.clear();
        for (const QString& name : names)
            roomsToChoose << copy(name, name + QStringLiteral(".zlt"));
        summary.button(QStringLiteral("AddRoomsButton"))->click();
    }

    QString cell(int row, SummaryColumn column) const
    {
        return summary.table().index(row, static_cast<int>(column)).data().toString();
    }

    QStringList roomNames() const
    {
        QStringList names;
        for (int room = 0; room < summary.model().roomCount(); ++room)
            names << cell(room, SummaryColumn::RoomName);
        return names;
    }

    void selectRow(int row) { summary.view()->selectRow(row); }

    QTemporaryDir folder;
    gui::test::WindowUnderTest main;
    QStringList roomsToChoose;
    DialogAnswer objectAnswer;
    DialogAnswer pdfAnswer;
    // What the print dialog was given, and the PDF it answers ("" a printer).
    std::string printedObjectFile;
    QString printPdfName;
    QString printAnswer;
    bool replaceAnswer = false;
    QStringList replaceQuestions;
    Answer answer = Answer::Cancel;
    QStringList questions;
    QStringList errors;
    int previewedRooms = -1;
    SummaryWindow summary;
};

TEST_F(SummaryWindowTest, AddRemoveAndReorderRooms)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002"), QStringLiteral("p0003")});
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0002", "p0003"}));
    // Three rooms, two lines per level and two for the total.
    EXPECT_EQ(summary.table().rowCount(), 3 + 4 + 2);
    EXPECT_EQ(summary.table().index(7, 1).data().toString(), QStringLiteral("Итого по объекту: камер 3"));
    EXPECT_TRUE(summary.model().modified());
    EXPECT_TRUE(summary.windowTitle().endsWith(QStringLiteral(" *")));
    // The first added room is selected.
    EXPECT_EQ(summary.view()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(summary.view()->selectionModel()->selectedRows().front().row(), 0);

    selectRow(2);
    summary.button(QStringLiteral("UpButton"))->click();
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0003", "p0002"}));
    summary.button(QStringLiteral("UpButton"))->click();
    summary.button(QStringLiteral("UpButton"))->click(); // already first: nothing
    EXPECT_EQ(roomNames(), (QStringList{"p0003", "p0001", "p0002"}));
    summary.button(QStringLiteral("DownButton"))->click();
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0003", "p0002"}));
    EXPECT_EQ(cell(0, SummaryColumn::Number), QStringLiteral("1"));

    // Removing asks first; a cancel keeps the room.
    selectRow(1);
    summary.button(QStringLiteral("RemoveButton"))->click();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.front().startsWith(QStringLiteral("Удалить из объекта камеру «p0003»?")))
        << questions.front().toStdString();
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0003", "p0002"}));
    answer = Answer::Yes;
    summary.button(QStringLiteral("RemoveButton"))->click();
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0002"}));
    // A level row is no room: removing it does nothing.
    selectRow(3);
    summary.button(QStringLiteral("RemoveButton"))->click();
    EXPECT_EQ(summary.model().roomCount(), 2);
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) in the table undo and redo room edits; several rooms
// removed at once come back in one step.
TEST_F(SummaryWindowTest, UndoAndRedoKeysTakeBackRoomEdits)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002"), QStringLiteral("p0003")});
    summary.show();
    summary.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&summary));
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(summary.view(), key, modifiers);
    };
    summary.view()->setFocus();
    summary.view()->selectionModel()->select(summary.table().index(0, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    summary.view()->selectionModel()->select(summary.table().index(2, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    answer = Answer::Yes;
    summary.button(QStringLiteral("RemoveButton"))->click();
    ASSERT_EQ(roomNames(), (QStringList{"p0002"}));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0002", "p0003"}));
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(roomNames(), (QStringList{"p0002"}));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(summary.model().roomCount(), 0);
    EXPECT_FALSE(summary.model().modified());
    EXPECT_FALSE(summary.windowTitle().endsWith(QStringLiteral(" *")));
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0002", "p0003"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The keys of the room commands act on the selected room as their buttons do, and are named in
// the buttons' tooltips.
TEST_F(SummaryWindowTest, KeysMoveAndRemoveTheSelectedRoom)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002"), QStringLiteral("p0003")});
    summary.show();
    summary.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&summary));
    summary.view()->setFocus();
    selectRow(2);
    QTest::keyClick(summary.view(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0003", "p0002"}));
    QTest::keyClick(summary.view(), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(summary.view(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0003", "p0002"}));
    answer = Answer::Yes;
    QTest::keyClick(summary.view(), Qt::Key_Delete);
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0002"}));
    for (const auto& [button, keys] : std::map<QString, QString>{{"OpenButton", "Ctrl+O"},
                                                                 {"SaveButton", "Ctrl+S"},
                                                                 {"PrintButton", "Ctrl+P"},
                                                                 {"RemoveButton", "Del"},
                                                                 {"UpButton", "Ctrl+Up"}})
        EXPECT_TRUE(summary.button(button)->toolTip().contains(keys))
            << summary.button(button)->toolTip().toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SummaryWindowTest, DroppedProjectFilesAreAddedOthersRefused)
{
    const QString room = copy(QStringLiteral("p0004"), QStringLiteral("дроп.zlt"));
    const QString other = copy(QStringLiteral("p0004"), QStringLiteral("notes.txt"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(room), QUrl::fromLocalFile(other)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&summary, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&summary, &drop);
    EXPECT_EQ(roomNames(), QStringList{QStringLiteral("дроп")});

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(other)});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&summary, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(SummaryWindowTest, AMissingRoomIsRedWithItsReasonAndLeftOutOfTheSums)
{
    addRooms({QStringLiteral("p0001")});
    roomsToChoose = {folder.filePath(QStringLiteral("нет такой.zlt"))};
    summary.addRooms();
    const QModelIndex failed = summary.table().index(1, 1);
    EXPECT_EQ(failed.data().toString(), QStringLiteral("нет такой"));
    EXPECT_EQ(failed.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(200, 0, 0));
    EXPECT_TRUE(failed.data(Qt::ToolTipRole).toString().contains(QStringLiteral("нет такой.zlt")));
    // The type column says only «не загружена»; the reason is on the line below, across the table.
    EXPECT_EQ(summary.table().index(1, 2).data().toString(), QStringLiteral("не загружена"));
    const QModelIndex reason = summary.table().index(2, 1);
    EXPECT_TRUE(reason.data().toString().contains(QStringLiteral("нет такой.zlt")))
        << reason.data().toString().toStdString();
    EXPECT_EQ(summary.view()->columnSpan(2, 1), kSummaryColumnCount - 1);
    EXPECT_EQ(reason.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(200, 0, 0));
    EXPECT_EQ(summary.table().roomOfRow(2), std::optional<std::size_t>(1));
    EXPECT_FALSE(reason.flags() & Qt::ItemIsEditable);
    EXPECT_EQ(summary.table().index(7, 1).data().toString(),
              QStringLiteral("Итого по объекту: камер 1, не учтено незагруженных 1"));
    EXPECT_FALSE(summary.table().index(0, 1).data(Qt::ForegroundRole).isValid());

    // The same file again: allowed, its row italic and its tooltip naming the first row.
    roomsToChoose = {QString::fromStdString(summary.model().roomPath(0))};
    summary.addRooms();
    const QModelIndex repeated = summary.table().index(3, 1);
    EXPECT_TRUE(repeated.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_TRUE(repeated.data(Qt::ToolTipRole).toString().endsWith(QStringLiteral("тот же файл, что в строке 1")));
    EXPECT_FALSE(summary.table().index(0, 1).data(Qt::FontRole).isValid());
}

TEST_F(SummaryWindowTest, DoubleClickOpensTheRoomInTheMainWindowAfterItsQuestion)
{
    addRooms({QStringLiteral("p0002"), QStringLiteral("p0003")});
    const QString path = QString::fromStdString(summary.model().roomPath(1));
    summary.openRoomOfRow(1);
    EXPECT_EQ(main.window.projectPath(), path);
    EXPECT_FALSE(main.model.modified());

    // Unsaved inputs in the main window: its question comes first; a cancel keeps the project.
    ASSERT_TRUE(main.focus(Control::ClientName));
    main.type(QStringLiteral("клиент"));
    ASSERT_TRUE(main.focus(Control::ContractorName));
    ASSERT_TRUE(main.model.modified());
    main.scripted.saveChangesAnswer = gui::SaveChangesAnswer::Cancel;
    summary.openRoomOfRow(0);
    EXPECT_EQ(main.scripted.saveChangesQuestions, 1);
    EXPECT_EQ(main.window.projectPath(), path);
    main.scripted.saveChangesAnswer = gui::SaveChangesAnswer::Discard;
    summary.openRoomOfRow(0);
    EXPECT_EQ(main.window.projectPath(), QString::fromStdString(summary.model().roomPath(0)));
    // Level and total rows open nothing.
    summary.openRoomOfRow(3);
    EXPECT_EQ(main.scripted.saveChangesQuestions, 2);
}

TEST_F(SummaryWindowTest, ARoomFileReplacedOnDiskUpdatesItsRowEachTime)
{
    addRooms({QStringLiteral("p0001")});
    const QString path = QString::fromStdString(summary.model().roomPath(0));
    const QString before = cell(0, SummaryColumn::TotalHeatGain);

    FormModel other("08.12.2026");
    ASSERT_TRUE(other.loadProject({true, Reference(QStringLiteral("p0005")).toStdString()}));
    const QString expected = QString::fromStdString(other.control(Control::TotalHeatGain).text).trimmed();
    ASSERT_NE(expected, before);

    replaceByRename(QStringLiteral("p0005"), path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cell(0, SummaryColumn::TotalHeatGain) == expected; }, 5000));
    EXPECT_EQ(summary.statusMessage(), QStringLiteral("Загружено заново: p0001.zlt"));
    // The replaced file is watched again: a second change also shows.
    replaceByRename(QStringLiteral("p0001"), path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cell(0, SummaryColumn::TotalHeatGain) == before; }, 5000));
    // Removed, then back: the row fails and then loads again.
    QFile::remove(path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return summary.table().texts().rooms[0].failure.size() > 0; }, 5000));
    copy(QStringLiteral("p0005"), QStringLiteral("p0001.zlt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return cell(0, SummaryColumn::TotalHeatGain) == expected; }, 5000));
}

TEST_F(SummaryWindowTest, AddingTheCurrentProjectSavesANewOneFirst)
{
    const QString saved = folder.filePath(QStringLiteral("текущий.zlt"));
    main.scripted.saveAnswer = {true, saved.toStdString()};
    answer = Answer::Cancel;
    summary.addCurrentProject();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(summary.model().roomCount(), 0);
    EXPECT_FALSE(QFile::exists(saved));

    answer = Answer::Yes;
    summary.addCurrentProject();
    ASSERT_EQ(summary.model().roomCount(), 1);
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(roomNames(), QStringList{QStringLiteral("текущий")});
    // Saved and unchanged: added without a question.
    summary.addCurrentProject();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(summary.model().roomCount(), 2);
}

TEST_F(SummaryWindowTest, ObjectFileSaveOpenAndTheUnsavedChangesQuestion)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002")});
    summary.field(QStringLiteral("NameField"))->setText(QStringLiteral("Склад"));
    emit summary.field(QStringLiteral("NameField"))->editingFinished();
    const QString object = folder.filePath(QStringLiteral("склад.zlo"));
    objectAnswer = {true, object.toStdString()};
    EXPECT_TRUE(summary.saveObject());
    EXPECT_FALSE(summary.model().modified());
    EXPECT_TRUE(summary.windowTitle().contains(QStringLiteral("склад.zlo")));

    summary.newObject(); // nothing unsaved: no question
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(summary.model().roomCount(), 0);
    addRooms({QStringLiteral("p0003")});
    answer = Answer::Cancel;
    summary.openObject();
    EXPECT_EQ(questions, QStringList{QStringLiteral("Сохранить изменения в объекте?")});
    EXPECT_EQ(summary.model().roomCount(), 1);
    answer = Answer::No;
    summary.openObject();
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "p0002"}));
    EXPECT_EQ(summary.field(QStringLiteral("NameField"))->text(), QStringLiteral("Склад"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// Guards the summary's «PDF…» replacing a room's project or the object file it was made from: each
// is refused with a message naming the file, and stays as it was.
TEST_F(SummaryWindowTest, TheSummaryPdfReplacesNoRoomAndNotTheObjectFile)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002")});
    const QString object = folder.filePath(QStringLiteral("склад.zlo"));
    objectAnswer = {true, object.toStdString()};
    ASSERT_TRUE(summary.saveObject());
    const QString room = folder.filePath(QStringLiteral("p0002.zlt"));
    auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray roomBytes = bytes(room);
    const QByteArray objectBytes = bytes(object);
    replaceAnswer = true; // the user agrees to replace: the file is still refused
    for (const QString& target : {room, object}) {
        pdfAnswer = {true, target.toStdString()};
        summary.saveReportPdf();
    }
    ASSERT_EQ(errors.size(), 2) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("это тот же файл, что и исходный «%1»").arg(room)))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains(QStringLiteral("это тот же файл, что и исходный «%1»").arg(object)))
        << errors[1].toStdString();
    EXPECT_EQ(bytes(room), roomBytes);
    EXPECT_EQ(bytes(object), objectBytes);
}

// Guards an object nobody changed being offered for saving: its fields show fewer digits than the
// file holds (the factor two decimals), and leaving them unchanged is no change. A room whose file
// name starts with a blank and a name with blanks around it come back exactly from a version 2 file.
TEST_F(SummaryWindowTest, LeavingTheFieldsUnchangedLeavesTheObjectUnmodified)
{
    copy(QStringLiteral("p0001"), QStringLiteral(" a.zlt"));
    const QString object = folder.filePath(QStringLiteral("o.zlo"));
    QFile file(object);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "ZELTAR-OBJECT 2\nname = \" Склад \"\nlevel-boundary = -2,12345678901234567\n"
        "simultaneity = 0,855\nroom = \" a.zlt\"\n");
    file.close();
    summary.openObjectFile(object);
    ASSERT_EQ(summary.model().roomCount(), 1);
    EXPECT_TRUE(summary.model().summary().rows[0].loaded);
    EXPECT_EQ(summary.field(QStringLiteral("FactorField"))->text(), QStringLiteral("0,86"));
    for (const char* name : {"NameField", "BoundaryField", "FactorField"})
        emit summary.field(QString::fromLatin1(name))->editingFinished();
    EXPECT_FALSE(summary.model().modified());
    EXPECT_EQ(summary.model().document().name, " Склад ");
    EXPECT_DOUBLE_EQ(summary.model().document().options.simultaneityFactor, 0.855);
    EXPECT_FALSE(summary.windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_TRUE(summary.settleUnsavedChanges());
    EXPECT_TRUE(questions.isEmpty());

    summary.field(QStringLiteral("FactorField"))->setText(QStringLiteral("0,85"));
    emit summary.field(QStringLiteral("FactorField"))->editingFinished();
    EXPECT_TRUE(summary.model().modified());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// Guards rooms that could be named only by editing the object file by hand: a room's name is edited
// in the table (the rename button, or F2), kept as its display name in the saved object; an empty
// name shows the file name again; level and total rows are not editable.
TEST_F(SummaryWindowTest, RoomsAreRenamedInTheTableAndKeepTheirNamesInTheObjectFile)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002")});
    summary.show();
    const auto typeName = [&](const QString& name) {
        auto* editor = summary.view()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "no editor open";
        editor->selectAll();
        editor->insert(name); // as typed (key clicks carry Latin letters only)
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor's commit and the table's refresh after it each take a turn of the event loop.
        for (int turn = 0; turn < 3; ++turn)
            QApplication::processEvents();
    };
    selectRow(1);
    summary.button(QStringLiteral("RenameButton"))->click();
    typeName(QStringLiteral("  Экспедиция  "));
    EXPECT_EQ(roomNames(), (QStringList{"p0001", "Экспедиция"}));
    EXPECT_EQ(summary.model().document().rooms[1].displayName, "Экспедиция");

    selectRow(0);
    summary.view()->setCurrentIndex(summary.table().index(0, static_cast<int>(SummaryColumn::RoomName)));
    QTest::keyClick(summary.view(), Qt::Key_F2);
    typeName(QStringLiteral("Камера №1"));
    EXPECT_EQ(roomNames(), (QStringList{"Камера №1", "Экспедиция"}));

    const QString object = folder.filePath(QStringLiteral("имена.zlo"));
    objectAnswer = {true, object.toStdString()};
    EXPECT_TRUE(summary.saveObject());
    summary.newObject();
    summary.openObjectFile(object);
    EXPECT_EQ(roomNames(), (QStringList{"Камера №1", "Экспедиция"}));

    selectRow(1);
    summary.button(QStringLiteral("RenameButton"))->click();
    typeName(QString());
    EXPECT_EQ(roomNames(), (QStringList{"Камера №1", "p0002"}));
    EXPECT_TRUE(summary.model().modified());

    for (const int levelRow : {2, 3, summary.table().rowCount() - 1})
        EXPECT_FALSE(summary.table().flags(summary.table().index(levelRow, static_cast<int>(SummaryColumn::RoomName))) &
                     Qt::ItemIsEditable);
    EXPECT_FALSE(summary.table().flags(summary.table().index(0, static_cast<int>(SummaryColumn::RoomType))) &
                 Qt::ItemIsEditable);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SummaryWindowTest, FieldsCopyAndPdf)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002")});
    QLineEdit* factor = summary.field(QStringLiteral("FactorField"));
    EXPECT_EQ(factor->text(), QStringLiteral("1,00"));
    factor->setText(QStringLiteral("0,8"));
    emit factor->editingFinished();
    EXPECT_EQ(factor->text(), QStringLiteral("0,80"));
    EXPECT_EQ(summary.table().texts().factor, "0,80");
    factor->setText(QStringLiteral("1,5"));
    emit factor->editingFinished();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(factor->text(), QStringLiteral("0,80"));

    QLineEdit* boundary = summary.field(QStringLiteral("BoundaryField"));
    boundary->setText(QStringLiteral("абв"));
    emit boundary->editingFinished();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].contains(QStringLiteral("«абв» — не температура от -50 до 100 °C")))
        << errors[1].toStdString();
    EXPECT_EQ(boundary->text(), QStringLiteral("-5"));

    summary.copyTable();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), SummaryTabSeparated(summary.table().texts()));

    summary.previewReport();
    EXPECT_EQ(previewedRooms, 2);
    const QString pdf = folder.filePath(QStringLiteral("сводка.pdf"));
    pdfAnswer = {true, pdf.toStdString()};
    summary.saveReportPdf();
    EXPECT_TRUE(QFile::exists(pdf));
}

// Fault: a PDF or object file written without its extension (the load filter never sees it), or an
// existing file replaced without a question; a save that leaves no word of it.
TEST_F(SummaryWindowTest, SavesCompleteTheNameAskBeforeReplacingAndSaySo)
{
    addRooms({QStringLiteral("p0001")});
    pdfAnswer = {true, folder.filePath(QStringLiteral("сводка")).toStdString()};
    summary.saveReportPdf();
    const QString pdf = folder.filePath(QStringLiteral("сводка.pdf"));
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(replaceQuestions.isEmpty());
    EXPECT_EQ(summary.statusMessage(), QStringLiteral("PDF записан: сводка.pdf"));

    // The same name again: asked; «Нет» keeps the file as it was.
    ASSERT_TRUE(QFile::resize(pdf, 3));
    summary.button(QStringLiteral("PdfButton"))->click();
    EXPECT_EQ(replaceQuestions, QStringList{pdf});
    EXPECT_EQ(QFileInfo(pdf).size(), 3);
    EXPECT_EQ(summary.statusMessage(), QString()); // the command cleared the last message
    replaceAnswer = true;
    summary.saveReportPdf();
    EXPECT_GT(QFileInfo(pdf).size(), 3);

    objectAnswer = {true, folder.filePath(QStringLiteral("объект")).toStdString()};
    ASSERT_TRUE(summary.saveObjectAs());
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("объект.zlo"))));
    EXPECT_EQ(summary.statusMessage(), QStringLiteral("Сохранено: объект.zlo"));

    // «Печать…»: the dialog's PDF is named after the object, a PDF never replaces the object file,
    // and a PDF written is said.
    printAnswer = folder.filePath(QStringLiteral("объект.pdf"));
    summary.button(QStringLiteral("PrintButton"))->click();
    EXPECT_EQ(printPdfName, folder.filePath(QStringLiteral("объект.pdf")));
    EXPECT_EQ(printedObjectFile, folder.filePath(QStringLiteral("объект.zlo")).toStdString());
    EXPECT_EQ(summary.statusMessage(), QStringLiteral("PDF записан: объект.pdf"));
}

TEST(SummaryButton, LiesInTheHeaderBarsFreeStripAndOpensOneSummaryWindow)
{
    gui::test::WindowUnderTest main;
    auto* button = main.window.findChild<QPushButton*>(QStringLiteral("ObjectSummaryButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("СВОДКА ПО ОБЪЕКТУ"));
    QWidget* bar = main.widget(Control::ProjectDate)->parentWidget();
    ASSERT_EQ(button->parentWidget(), bar);
    EXPECT_TRUE(bar->rect().contains(button->geometry()));
    // Under «ДАТА» and its field, overlapping no other control of the bar.
    EXPECT_GT(button->geometry().top(), main.widget(Control::ProjectDate)->geometry().bottom());
    for (QWidget* other : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != button && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(button->geometry())) << other->objectName().toStdString();
        }
    }

    ConnectSummaryWindow(main.window);
    button->click();
    button->click();
    const auto windows = main.window.findChildren<SummaryWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_TRUE(windows.front()->isWindow());
    EXPECT_FALSE(windows.front()->isModal());
}

// Fault: an object file chosen with the main window's load command (or dropped on it) refused
// with advice to save it again in Windows-1251; a PDF or a UTF-16 project refused with «Строка 1 …
// не является числом».
TEST_F(SummaryWindowTest, TheMainWindowOpensAnObjectFileInTheSummaryAndSaysWhatOtherFilesAre)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002")});
    const QString object = folder.filePath(QStringLiteral("склад.zlo"));
    objectAnswer = {true, object.toStdString()};
    ASSERT_TRUE(summary.saveObject());

    auto* own = new SummaryWindow(main.window, Dialogs(), &main.window);
    ConnectSummaryWindow(main.window);
    const QString projectName = main.text(Control::ProjectName);
    main.scripted.openAnswer = {true, object.toStdString()};
    main.window.loadProject();
    main.settle();
    EXPECT_TRUE(main.scripted.errors.isEmpty()) << main.scripted.errors.join('\n').toStdString();
    EXPECT_EQ(own->model().filePath(), object.toStdString());
    EXPECT_EQ(own->model().roomCount(), 2);
    EXPECT_TRUE(own->isVisible());
    EXPECT_EQ(main.text(Control::ProjectName), projectName);

    // Dropped on the main window: the same.
    own->newObject();
    ASSERT_EQ(own->model().roomCount(), 0);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(object)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main.window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main.window, &drop);
    EXPECT_EQ(own->model().roomCount(), 2);
    // Dropped on the summary window: opened there.
    own->newObject();
    QDragEnterEvent ownEnter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(own, &ownEnter);
    QDropEvent ownDrop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(own, &ownDrop);
    EXPECT_EQ(own->model().roomCount(), 2);
    // A project dropped on the main window is loaded.
    const QString project = QString::fromStdString(summary.model().roomPath(1));
    QMimeData projectData;
    projectData.setUrls({QUrl::fromLocalFile(project)});
    QDragEnterEvent projectEnter(QPoint(10, 10), Qt::CopyAction, &projectData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main.window, &projectEnter);
    QDropEvent projectDrop(QPointF(10, 10), Qt::CopyAction, &projectData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main.window, &projectDrop);
    main.settle();
    EXPECT_EQ(main.window.projectPath(), project) << main.scripted.errors.join('\n').toStdString();
    const QString loadedName = main.text(Control::ProjectName);

    // A PDF and a project saved in UTF-16 are refused saying what they are; the project stays.
    QFile reference(Reference(QStringLiteral("p0001")));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    const QString latin = QString::fromLatin1(reference.readAll());
    const QByteArray utf16 =
        QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(latin.utf16()), latin.size() * 2);
    const struct {
        QString name;
        QByteArray bytes;
        QString says;
    } others[] = {
        {QStringLiteral("отчёт.pdf"), QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n"),
         QStringLiteral("не является файлом проекта ЗЕЛТАР: это документ PDF")},
        {QStringLiteral("utf16.zlt"), utf16, QStringLiteral("в кодировке UTF-16 LE")},
    };
    for (const auto& other : others) {
        QFile file(folder.filePath(other.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(other.bytes);
        file.close();
        main.scripted.errors.clear();
        main.scripted.openAnswer = {true, file.fileName().toStdString()};
        main.window.loadProject();
        main.settle();
        ASSERT_EQ(main.scripted.errors.size(), 1) << other.name.toStdString();
        EXPECT_TRUE(main.scripted.errors.front().contains(other.says)) << main.scripted.errors.front().toStdString();
        EXPECT_FALSE(main.scripted.errors.front().contains(QStringLiteral("не является числом")));
        EXPECT_EQ(main.text(Control::ProjectName), loadedName);
        EXPECT_FALSE(main.model.modified());
    }

    // A summary row of an object file says it is one.
    roomsToChoose = {object};
    summary.addRooms();
    EXPECT_TRUE(QString::fromStdString(summary.table().texts().rooms.back().failure)
                    .contains(QStringLiteral("это файл объекта (*.zlo)")));
}

// Fault: a failed room's reason widening «Тип камеры» until Q1 … Q об. left the window, and the
// window opening at 1180 x 640 on a 1024 x 600 screen with «Печать…», «PDF…» and the factor field
// out of reach.
TEST_F(SummaryWindowTest, OnASmallScreenEveryNumberColumnAndCommandStaysInView)
{
    addRooms({QStringLiteral("p0001"), QStringLiteral("p0002")});
    const QString notes = folder.filePath(QStringLiteral("заметки.pdf"));
    QFile pdf(notes);
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n1 0 obj\n");
    pdf.close();
    roomsToChoose = {folder.filePath(QStringLiteral("камера, которой нет на диске, с длинным именем файла.zlt")),
                     notes};
    summary.addRooms();
    ASSERT_EQ(summary.model().roomCount(), 4);

    summary.fitToScreen(QRect(0, 0, 1024, 600));
    summary.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&summary));
    EXPECT_LE(summary.width(), 1024);
    EXPECT_LE(summary.height(), 600);
    if (const char* shot = std::getenv("ZELTAR_SUMMARY_SHOT"))
        summary.grab().save(QString::fromLocal8Bit(shot));

    QTableView* view = summary.view();
    for (int column = static_cast<int>(SummaryColumn::RoomTemperature); column < kSummaryColumnCount; ++column)
        EXPECT_LE(view->columnViewportPosition(column) + view->columnWidth(column), view->viewport()->width())
            << kSummaryColumns[static_cast<std::size_t>(column)].caption;
    EXPECT_LT(view->columnWidth(static_cast<int>(SummaryColumn::RoomType)), 200);
    const auto inView = [this](QWidget* widget) {
        return summary.rect().contains(QRect(widget->mapTo(&summary, QPoint(0, 0)), widget->size()));
    };
    EXPECT_TRUE(inView(summary.button(QStringLiteral("PrintButton"))));
    EXPECT_TRUE(inView(summary.button(QStringLiteral("PdfButton"))));
    EXPECT_TRUE(inView(summary.field(QStringLiteral("FactorField"))));
    EXPECT_TRUE(inView(summary.findChild<QWidget*>(QStringLiteral("SumsNote"))));

    // Its preview opens within the screen's free area too (its buttons stand at the top right).
    const SummaryPreview preview(
        &summary, summary.table().texts(), [] {}, [] {});
    const QSize screen = summary.screen()->availableGeometry().size();
    EXPECT_LE(preview.width(), screen.width());
    EXPECT_LE(preview.height(), screen.height());
}

} // namespace
} // namespace zeltar::object
