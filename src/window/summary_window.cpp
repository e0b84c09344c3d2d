#include "window/summary_window.h"

#include "app/project_file_io.h"
#include "window/main_window.h"
#include "window/window_dialogs.h"
#include "files/file_names.h"
#include "fields/number_text.h"
#include "model/project_date.h"
#include "object/qt/summary_pdf.h"
#include "window/summary_load_chart.h"
#include "window/window_fit.h"
#include "object/summary_report_texts.h"
#include "object/summary_table.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace zeltar::object {

namespace {

// The size the window opens with when the screen has room for it; on a smaller screen it opens as
// large as the screen's free area allows (see fitToScreen).
const QSize kWindowSize(1180, 640);
const QString kRoomSuffix = QStringLiteral("zlt");
const QString kOwnRoomSuffix = QStringLiteral("zlp"); // the own project file
constexpr int kNumberFieldWidth = 60;                 // px
// The room name and type give up width down to this for the figures to stay in view (their texts
// are then cut with "…"; a room's name is whole in its editor, its file in the tooltip).
constexpr int kNarrowestTextColumn = 80; // px

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

QString Joined(const std::vector<std::string>& messages)
{
    QStringList lines;
    for (const std::string& message : messages)
        lines << FromUtf8(message);
    return lines.join(QLatin1Char('\n'));
}

// Project files among dropped URLs: local files named *.zlt or *.zlp (any case).
QStringList DroppedRoomFiles(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix();
        if (!path.isEmpty() && (suffix.compare(kRoomSuffix, Qt::CaseInsensitive) == 0 ||
                                suffix.compare(kOwnRoomSuffix, Qt::CaseInsensitive) == 0))
            paths << path;
    }
    return paths;
}

// One dropped local file that is an object file (by its first line), "" else.
QString DroppedObjectFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QString path = data->urls().front().toLocalFile();
    return !path.isEmpty() && IsObjectFile(Utf8(path)) ? path : QString();
}

} // namespace

SummaryWindow::SummaryWindow(gui::ProjectWindow& mainWindow, SummaryDialogs dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , mainWindow_(mainWindow)
    , dialogs_(std::move(dialogs))
    , date_(QString::fromStdString(TodayText()))
{
    setObjectName(QStringLiteral("SummaryWindow"));
    setWindowIcon(mainWindow_.widget().windowIcon());
    setAcceptDrops(true);
    resize(kWindowSize);
    if (const QScreen* screen = mainWindow_.widget().screen())
        fitToScreen(screen->availableGeometry());
    buildWidgets();
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Z)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &SummaryWindow::undoEdit);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &SummaryWindow::redoEdit);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SummaryWindow::roomFileChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SummaryWindow::roomFileChanged);
    // The object's unsaved changes are settled before the main window (and with it the program)
    // closes.
    mainWindow_.widget().installEventFilter(this);
    refresh();
}

QPushButton* SummaryWindow::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

QLineEdit* SummaryWindow::field(const QString& objectName) const
{
    return findChild<QLineEdit*>(objectName);
}

QPushButton* SummaryWindow::addButton(QWidget* bar, const QString& name, const QString& caption,
                                      const std::function<void()>& command)
{
    auto* button = new QPushButton(caption, bar);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // A command is a user action: the status bar's last message has been read.
    connect(button, &QPushButton::clicked, this, [this, command] {
        statusBar_->clearMessage();
        command();
    });
    bar->layout()->addWidget(button);
    return button;
}

QLineEdit* SummaryWindow::addField(QWidget* bar, const QString& name, const QString& caption, int width)
{
    auto* label = new QLabel(caption, bar);
    auto* field = new QLineEdit(bar);
    field->setObjectName(name);
    if (width > 0)
        field->setFixedWidth(width);
    label->setBuddy(field);
    bar->layout()->addWidget(label);
    bar->layout()->addWidget(field);
    return field;
}

namespace {

QWidget* NewBar(QWidget* parent)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    return bar;
}

void AddStretch(QWidget* bar)
{
    static_cast<QHBoxLayout*>(bar->layout())->addStretch();
}

// Why the sums may differ from the shown rows by a hundredth.
QLabel* NewSumsNote(QWidget* parent)
{
    auto* note = new QLabel(QStringLiteral("Суммы взяты по полным значениям камер и затем округлены, поэтому итог "
                                           "может отличаться на 0,01 от суммы показанных строк."),
                            parent);
    note->setObjectName(QStringLiteral("SumsNote"));
    note->setWordWrap(true);
    return note;
}

} // namespace

void SummaryWindow::fitToScreen(const QRect& available)
{
    resize(FittedWindowSize(kWindowSize, available));
}

// The keys of the commands used most, named in their buttons' tooltips. A field being edited keeps
// its own Delete.
void SummaryWindow::addCommandKeys()
{
    const std::pair<const char*, QKeySequence> keys[]{
        {"OpenButton", QKeySequence(Qt::CTRL | Qt::Key_O)},  {"SaveButton", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"PrintButton", QKeySequence(Qt::CTRL | Qt::Key_P)}, {"RemoveButton", QKeySequence(Qt::Key_Delete)},
        {"UpButton", QKeySequence(Qt::CTRL | Qt::Key_Up)},   {"DownButton", QKeySequence(Qt::CTRL | Qt::Key_Down)}};
    for (const auto& [name, sequence] : keys) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        connect(new QShortcut(sequence, this), &QShortcut::activated, button, &QPushButton::click);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->text().remove(QStringLiteral("...")),
                                                         sequence.toString(QKeySequence::NativeText)));
    }
}

// Everything in a scroll area: on a screen too small for the bars, they scroll into view; the table
// takes the height left and scrolls on its own.
void SummaryWindow::buildWidgets()
{
    auto* content = new QWidget;
    QWidget* fileBar = buildFileBar(content);
    QWidget* roomBar = buildRoomBar(content);
    QWidget* fieldBar = buildFieldBar(content);
    buildTable(content);
    buildStatusBar();
    QLabel* note = NewSumsNote(content);
    loadChart_ = new SummaryLoadChart(content);

    auto* layout = new QVBoxLayout(content);
    layout->addWidget(fileBar);
    layout->addWidget(roomBar);
    layout->addWidget(fieldBar);
    layout->addWidget(view_, 1);
    layout->addWidget(note);
    layout->addWidget(loadChart_);
    auto* scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("SummaryScrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollArea);
    outer->addWidget(statusBar_); // below the scrolled part: always in view
    addCommandKeys();
    addRecentObjects();
}

QWidget* SummaryWindow::buildFileBar(QWidget* content)
{
    QWidget* bar = NewBar(content);
    addButton(bar, QStringLiteral("NewButton"), QStringLiteral("Новый объект"), [this] { newObject(); });
    addButton(bar, QStringLiteral("OpenButton"), QStringLiteral("Открыть..."), [this] { openObject(); });
    addButton(bar, QStringLiteral("SaveButton"), QStringLiteral("Сохранить"), [this] { saveObject(); });
    addButton(bar, QStringLiteral("SaveAsButton"), QStringLiteral("Сохранить как..."), [this] { saveObjectAs(); });
    AddStretch(bar);
    addButton(bar, QStringLiteral("CopyButton"), QStringLiteral("Копировать таблицу"), [this] { copyTable(); });
    addButton(bar, QStringLiteral("PreviewButton"), QStringLiteral("Просмотр..."), [this] { previewReport(); });
    addButton(bar, QStringLiteral("PrintButton"), QStringLiteral("Печать..."), [this] { printReport(); });
    addButton(bar, QStringLiteral("PdfButton"), QStringLiteral("PDF..."), [this] { saveReportPdf(); });
    return bar;
}

QWidget* SummaryWindow::buildRoomBar(QWidget* content)
{
    QWidget* bar = NewBar(content);
    addButton(bar, QStringLiteral("AddRoomsButton"), QStringLiteral("Добавить камеры..."), [this] { addRooms(); });
    addButton(bar, QStringLiteral("AddCurrentButton"), QStringLiteral("Добавить текущий проект"),
              [this] { addCurrentProject(); });
    addButton(bar, QStringLiteral("RemoveButton"), QStringLiteral("Удалить"), [this] { removeSelectedRooms(); });
    addButton(bar, QStringLiteral("UpButton"), QStringLiteral("Вверх"), [this] { moveSelectedRoom(-1); });
    addButton(bar, QStringLiteral("DownButton"), QStringLiteral("Вниз"), [this] { moveSelectedRoom(+1); });
    addButton(bar, QStringLiteral("RenameButton"), QStringLiteral("Переименовать"), [this] { renameSelectedRoom(); });
    AddStretch(bar);
    return bar;
}

QWidget* SummaryWindow::buildFieldBar(QWidget* content)
{
    QWidget* bar = NewBar(content);
    nameField_ = addField(bar, QStringLiteral("NameField"), QStringLiteral("Объект:"), 0);
    boundaryField_ =
        addField(bar, QStringLiteral("BoundaryField"), QStringLiteral("Граница уровней, °C:"), kNumberFieldWidth);
    factorField_ =
        addField(bar, QStringLiteral("FactorField"), FromUtf8(SimultaneityFactorCaption()), kNumberFieldWidth);
    connect(nameField_, &QLineEdit::editingFinished, this, &SummaryWindow::commitName);
    connect(boundaryField_, &QLineEdit::editingFinished, this,
            [this] { commitOption(boundaryField_, &ObjectModel::setLevelBoundary, LevelBoundaryRefusal); });
    connect(factorField_, &QLineEdit::editingFinished, this,
            [this] { commitOption(factorField_, &ObjectModel::setSimultaneityFactor, SimultaneityFactorRefusal); });
    return bar;
}

void SummaryWindow::buildTable(QWidget* content)
{
    view_ = new QTableView(content);
    view_->setObjectName(QStringLiteral("SummaryTable"));
    view_->setModel(&table_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Only a room's name is editable; a double-click opens the room instead.
    view_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(&table_, &SummaryTableModel::roomNameEdited, this, &SummaryWindow::renameRoom);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view_->setWordWrap(false);
    view_->viewport()->installEventFilter(this);
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { openRoomOfRow(index.row()); });
}

void SummaryWindow::buildStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
}

void SummaryWindow::say(const QString& message)
{
    statusBar_->showMessage(message);
}

QString SummaryWindow::statusMessage() const
{
    return statusBar_->currentMessage();
}

// --- object file ---------------------------------------------------------------------------------

bool SummaryWindow::settleUnsavedChanges()
{
    if (!model_.modified())
        return true;
    switch (dialogs_.ask(this, QStringLiteral("Сохранить изменения в объекте?"), true)) {
    case Answer::Yes: return saveObject();
    case Answer::No: return true;
    case Answer::Cancel: break;
    }
    return false;
}

void SummaryWindow::newObject()
{
    if (!settleUnsavedChanges())
        return;
    model_.clear();
    refresh();
}

void SummaryWindow::openObject()
{
    if (!settleUnsavedChanges())
        return;
    const DialogAnswer answer = dialogs_.openObject(this, FromUtf8(model_.filePath()));
    if (answer.accepted)
        openObjectFile(FromUtf8(answer.path));
}

void SummaryWindow::openObjectFile(const QString& path)
{
    model_.open(Utf8(path));
    refresh();
}

bool SummaryWindow::saveObject()
{
    if (model_.filePath().empty())
        return saveObjectAs();
    const bool saved = model_.save();
    refresh();
    if (saved)
        say(QStringLiteral("Сохранено: %1").arg(QFileInfo(FromUtf8(model_.filePath())).fileName()));
    return saved;
}

bool SummaryWindow::saveObjectAs()
{
    const std::string start = model_.filePath().empty()
                                  ? Utf8(QDir(FromUtf8(model_.folder())).filePath(FromUtf8(model_.document().name)))
                                  : model_.filePath();
    const std::optional<QString> target =
        gui::ConfirmedSavePath(dialogs_.saveObject(this, FromUtf8(start)), files::kObjectExtension,
                               [this](const QString& path) { return dialogs_.askReplace(this, path); });
    if (!target)
        return false;
    const bool saved = model_.saveAs(Utf8(*target));
    refresh();
    if (saved)
        say(QStringLiteral("Сохранено: %1").arg(QFileInfo(*target).fileName()));
    return saved;
}

// --- rooms ---------------------------------------------------------------------------------------

void SummaryWindow::addRooms()
{
    addRoomFiles(dialogs_.chooseRooms(this, FromUtf8(model_.folder())));
}

void SummaryWindow::addRoomFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    std::vector<std::string> files;
    for (const QString& path : paths)
        files.push_back(Utf8(path));
    const int first = model_.addRooms(files);
    refresh();
    selectRoom(first);
}

void SummaryWindow::addCurrentProject()
{
    QString path = mainWindow_.projectPath();
    if (path.isEmpty() || mainWindow_.projectModified()) {
        const QString question = path.isEmpty() ? QStringLiteral(
                                                      "Проект главного окна ещё не сохранён в файл. Сохранить его и "
                                                      "добавить в объект?")
                                                : QStringLiteral(
                                                      "В проекте главного окна есть несохранённые изменения. "
                                                      "Сохранить его и добавить в объект?");
        if (dialogs_.ask(this, question, false) != Answer::Yes || !mainWindow_.saveProject())
            return;
        path = mainWindow_.projectPath();
    }
    addRoomFiles({path});
}

std::vector<int> SummaryWindow::selectedRooms() const
{
    std::set<int> rooms;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        if (const std::optional<std::size_t> room = table_.roomOfRow(index.row()))
            rooms.insert(static_cast<int>(*room));
    return {rooms.begin(), rooms.end()};
}

void SummaryWindow::selectRoom(int room)
{
    if (room < 0 || room >= model_.roomCount())
        return;
    view_->selectRow(table_.nameCellOfRoom(static_cast<std::size_t>(room)).row());
}

void SummaryWindow::removeSelectedRooms()
{
    const std::vector<int> rooms = selectedRooms();
    if (rooms.empty())
        return;
    const QString question =
        rooms.size() == 1
            ? QStringLiteral("Удалить из объекта камеру «%1»? Файл проекта остаётся на диске.")
                  .arg(FromUtf8(model_.summary().rows[static_cast<std::size_t>(rooms.front())].roomName))
            : QStringLiteral("Удалить из объекта камеры (%1)? Файлы проектов остаются на диске.").arg(rooms.size());
    if (dialogs_.ask(this, question, false) != Answer::Yes)
        return;
    model_.removeRooms(rooms);
    refresh();
    if (!rooms.empty())
        selectRoom(std::min(rooms.front(), model_.roomCount() - 1));
}

void SummaryWindow::moveSelectedRoom(int step)
{
    const std::vector<int> rooms = selectedRooms();
    if (rooms.size() != 1)
        return;
    const int to = rooms.front() + step;
    if (to < 0 || to >= model_.roomCount() || !model_.moveRoom(rooms.front(), to))
        return;
    refresh();
    selectRoom(to);
}

void SummaryWindow::undoEdit()
{
    if (model_.undo())
        refresh();
}

void SummaryWindow::redoEdit()
{
    if (model_.redo())
        refresh();
}

void SummaryWindow::renameSelectedRoom()
{
    const std::vector<int> rooms = selectedRooms();
    if (rooms.size() != 1)
        return;
    const QModelIndex cell = table_.nameCellOfRoom(static_cast<std::size_t>(rooms.front()));
    view_->setCurrentIndex(cell);
    view_->edit(cell);
}

void SummaryWindow::renameRoom(std::size_t room, const QString& name)
{
    const int index = static_cast<int>(room);
    if (!model_.renameRoom(index, Utf8(name.trimmed())))
        return; // nothing renamed: the object stays unmodified
    // The model's texts change after the editor closed: the table is filled again then.
    QMetaObject::invokeMethod(
        this,
        [this, index] {
            refresh();
            selectRoom(index);
        },
        Qt::QueuedConnection);
}

void SummaryWindow::openRoomOfRow(int row)
{
    const std::optional<std::size_t> room = table_.roomOfRow(row);
    if (!room)
        return;
    if (mainWindow_.openProjectAsked(FromUtf8(model_.roomPath(static_cast<int>(*room))))) {
        mainWindow_.widget().raise();
        mainWindow_.widget().activateWindow();
    }
}

void SummaryWindow::roomFileChanged(const QString& path)
{
    // A file replaced by renaming another over it keeps no watch, or one on the old file: on a
    // change of the file or of its folder, every row of that file or folder is loaded again and
    // its file watched anew.
    QStringList reloaded;
    for (int room : model_.reloadRoomsAt(Utf8(QFileInfo(path).absoluteFilePath())))
        reloaded << QFileInfo(FromUtf8(model_.roomPath(room))).absoluteFilePath();
    if (!reloaded.isEmpty())
        watcher_.removePaths(reloaded);
    refresh();
    if (!reloaded.isEmpty())
        say(QStringLiteral("Загружено заново: %1").arg(QFileInfo(reloaded.front()).fileName()) +
            (reloaded.size() > 1 ? QStringLiteral(" и ещё %1").arg(reloaded.size() - 1) : QString()));
}

void SummaryWindow::watchRoomFiles()
{
    QStringList wanted;
    for (int room = 0; room < model_.roomCount(); ++room) {
        const QFileInfo file(FromUtf8(model_.roomPath(room)));
        if (file.exists())
            wanted << file.absoluteFilePath();
        if (QFileInfo(file.absolutePath()).isDir())
            wanted << file.absolutePath();
    }
    wanted.removeDuplicates();
    const QStringList watched = watcher_.files() + watcher_.directories();
    for (const QString& path : watched)
        if (!wanted.contains(path))
            watcher_.removePath(path);
    for (const QString& path : wanted)
        if (!watched.contains(path))
            watcher_.addPath(path);
}

// --- fields --------------------------------------------------------------------------------------

void SummaryWindow::commitName()
{
    if (Utf8(nameField_->text()) != model_.document().name)
        model_.setName(Utf8(nameField_->text()));
    refresh();
}

void SummaryWindow::commitOption(QLineEdit* field, bool (ObjectModel::*set)(double),
                                 std::string (*refusal)(std::string_view))
{
    const std::string typed = Utf8(field->text());
    const std::optional<double> value = ParseOptionNumber(typed);
    if (!value || !(model_.*set)(*value))
        dialogs_.showError(this, FromUtf8(refusal(typed)));
    refresh();
}

// --- table and report ----------------------------------------------------------------------------

void SummaryWindow::copyTable()
{
    QApplication::clipboard()->setText(FromUtf8(SummaryTabSeparated(table_.texts())));
}

void SummaryWindow::previewReport()
{
    dialogs_.preview(
        this, table_.texts(), [this] { printReport(); }, [this] { saveReportPdf(); });
}

void SummaryWindow::printReport()
{
    const QString pdf = dialogs_.print(this, table_.texts(), model_.filePath(), FromUtf8(model_.proposedPdfPath()));
    if (!pdf.isEmpty())
        say(QStringLiteral("PDF записан: %1").arg(QFileInfo(pdf).fileName()));
}

void SummaryWindow::saveReportPdf()
{
    const QString start = FromUtf8(model_.proposedPdfPath());
    const std::optional<QString> target =
        gui::ConfirmedSavePath(dialogs_.savePdf(this, start), files::kPdfExtension,
                               [this](const QString& path) { return dialogs_.askReplace(this, path); });
    if (!target)
        return;
    const report::PrintResult result = WriteSummaryPdf(table_.texts(), Utf8(*target), model_.filePath());
    if (result.status != report::PrintStatus::Printed)
        dialogs_.showError(this, result.message);
    else
        say(QStringLiteral("PDF записан: %1").arg(QFileInfo(*target).fileName()));
}

// --- state ---------------------------------------------------------------------------------------

void SummaryWindow::refresh()
{
    table_.setTexts(ReportTextsOf(model_.summary(), Utf8(date_)));
    const ObjectDocument& document = model_.document();
    nameField_->setText(FromUtf8(document.name));
    boundaryField_->setText(FromUtf8(table_.texts().boundary));
    factorField_->setText(FromUtf8(table_.texts().factor));
    spanLongTexts();
    fitColumnsToFigures();
    loadChart_->setBars(table_.texts().loadBars);
    const QString file =
        model_.filePath().empty() ? QStringLiteral("новый объект") : QFileInfo(FromUtf8(model_.filePath())).fileName();
    setWindowTitle(
        QStringLiteral("%1 - %2%3")
            .arg(QString::fromUtf8(kSummaryWindowCaption), file, model_.modified() ? QStringLiteral(" *") : QString()));
    watchRoomFiles();
    showMessages();
    rememberObjectFile();
}

// Columns as wide as their headers and cells, but a failed room's reason (in the table's full width
// on a line of its own, cut with "…") widens none: its lines are left out of the measure.
void SummaryWindow::fitColumnsToFigures()
{
    const std::vector<SummaryLine> lines = SummaryLines(table_.texts());
    std::vector<int> reasons;
    for (int row = 0; row < static_cast<int>(lines.size()); ++row)
        if (lines[static_cast<std::size_t>(row)].kind == SummaryLineKind::FailureReason)
            reasons.push_back(row);
    for (int row : reasons)
        view_->setRowHidden(row, true);
    view_->resizeColumnsToContents();
    for (int row : reasons)
        view_->setRowHidden(row, false);
    contentWidths_.clear();
    for (int column = 0; column < kSummaryColumnCount; ++column)
        contentWidths_.push_back(view_->columnWidth(column));
    shareWidthWithFigures();
}

// When the columns are wider than the table, the room name and type columns give up width (in
// proportion to their widths) so that every column of figures stays in view.
void SummaryWindow::shareWidthWithFigures()
{
    if (contentWidths_.size() != static_cast<std::size_t>(kSummaryColumnCount))
        return;
    for (int column = 0; column < kSummaryColumnCount; ++column)
        view_->setColumnWidth(column, contentWidths_[static_cast<std::size_t>(column)]);
    const int name = static_cast<int>(SummaryColumn::RoomName);
    const int type = static_cast<int>(SummaryColumn::RoomType);
    const int texts = view_->columnWidth(name) + view_->columnWidth(type);
    int figures = 0;
    for (int column = 0; column < kSummaryColumnCount; ++column)
        if (column != name && column != type)
            figures += view_->columnWidth(column);
    const int room = view_->viewport()->width() - figures;
    if (texts <= room || texts == 0)
        return;
    const int shared = std::max(room, 2 * kNarrowestTextColumn);
    const int nameWidth = std::max(kNarrowestTextColumn, shared * view_->columnWidth(name) / texts);
    view_->setColumnWidth(name, nameWidth);
    view_->setColumnWidth(type, std::max(kNarrowestTextColumn, shared - nameWidth));
}

// A failed room's reason runs from the room's name to the last column, a level or total caption
// from the room's name to Q сум., so that the columns keep the widths of the figures.
void SummaryWindow::spanLongTexts()
{
    view_->clearSpans();
    const auto column = [](SummaryColumn c) { return static_cast<int>(c); };
    const std::vector<SummaryLine> lines = SummaryLines(table_.texts());
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        switch (lines[static_cast<std::size_t>(row)].kind) {
        case SummaryLineKind::Room:
        case SummaryLineKind::FailedRoom: break;
        case SummaryLineKind::FailureReason:
            view_->setSpan(row, column(SummaryColumn::RoomName), 1,
                           kSummaryColumnCount - column(SummaryColumn::RoomName));
            break;
        default:
            view_->setSpan(row, column(SummaryColumn::RoomName), 1,
                           column(SummaryColumn::TotalHeatGain) - column(SummaryColumn::RoomName));
        }
    }
}

void SummaryWindow::showMessages()
{
    const std::vector<std::string> messages = model_.takeMessages();
    if (!messages.empty())
        dialogs_.showError(this, Joined(messages));
}

void SummaryWindow::closeEvent(QCloseEvent* event)
{
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
}

void SummaryWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedRoomFiles(event->mimeData()).isEmpty() || !DroppedObjectFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SummaryWindow::dropEvent(QDropEvent* event)
{
    // An object file dropped here is opened (after the question on unsaved changes).
    if (const QString object = DroppedObjectFile(event->mimeData()); !object.isEmpty()) {
        event->acceptProposedAction();
        if (settleUnsavedChanges())
            openObjectFile(object);
        return;
    }
    const QStringList paths = DroppedRoomFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    addRoomFiles(paths);
}

bool SummaryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->viewport() && event->type() == QEvent::Resize)
        shareWidthWithFigures();
    if (watched == &mainWindow_.widget() && event->type() == QEvent::Close && !settleUnsavedChanges()) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

SummaryWindow& ShownSummaryWindow(gui::MainWindow& mainWindow)
{
    auto* window = mainWindow.findChild<SummaryWindow*>();
    if (window == nullptr)
        window = new SummaryWindow(mainWindow, StandardSummaryDialogs(), &mainWindow);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

} // namespace

void ConnectSummaryWindow(gui::MainWindow& mainWindow)
{
    QObject::connect(&mainWindow, &gui::MainWindow::objectSummaryRequested, &mainWindow,
                     [&mainWindow] { ShownSummaryWindow(mainWindow); });
    QObject::connect(&mainWindow, &gui::MainWindow::objectFileOpened, &mainWindow, [&mainWindow](const QString& path) {
        SummaryWindow& window = ShownSummaryWindow(mainWindow);
        if (window.settleUnsavedChanges())
            window.openObjectFile(path);
    });
}

} // namespace zeltar::object
