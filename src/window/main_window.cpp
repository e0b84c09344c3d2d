#include "window/main_window.h"

#include "app/project_file_io.h"
#include "window/button_tabs.h"
#include "window/focus_ring.h"
#include "window/message_line.h"
#include "window/start_options.h"
#include "window/window_artwork.h"
#include "window/window_style.h"
#include "files/file_names.h"
#include "report/form_protocol.h"
#include "report/form_report_source.h"
#include "calc/load_breakdown.h"
#include "report/qt/load_chart_window.h"
#include "report/qt/preview_window.h"
#include "report/qt/report_commands.h"
#include "report/qt/resolution_warning.h"

#include <stdexcept>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace zeltar::gui {

namespace {

// Room left around the window on its screen for the title bar and borders the desktop adds.
constexpr QSize kFrameAllowance{16, 40};
// A control scrolled into view keeps this much of the form around it.
constexpr int kFocusMarginPixels = 20;

// The window's size for a client of size `client` on `room`: the client's size when it fits,
// else the room, with space for the scroll bars the cut needs.
QSize ScrolledSize(QSize client, QSize room, int scrollBarExtent)
{
    bool vertical = client.height() > room.height();
    const bool horizontal = client.width() + (vertical ? scrollBarExtent : 0) > room.width();
    vertical = vertical || (horizontal && client.height() + scrollBarExtent > room.height());
    return {std::min(client.width() + (vertical ? scrollBarExtent : 0), room.width()),
            std::min(client.height() + (horizontal ? scrollBarExtent : 0), room.height())};
}

// The control name of each command's button, from the layout.
Control ButtonOf(Command command)
{
    for (const CommandPlace& place : CommandPlaces())
        if (place.command == command)
            return place.control;
    throw std::logic_error("no button for a command");
}

// The one local file dropped on the window, "" for anything else (several files, no file).
QString DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

// Under the date's caption and field, right of the project name field.
const QRect kSummaryButtonBox(808, 27, 206, 21);
// In the heat-gain sums' group, in the free strip under «Q об.».
const QRect kLoadChartButtonBox(6, 314, 165, 20);
// The message line: the free strip of the lower bar under its fields, across the window.
const QRect kMessageLineBox(8, 54, 1008, 26);
// Height of the message strip under the scrolled client on a screen too low for the window.
constexpr int kMessageStripHeight = 24; // px
constexpr int kMessageStripMargin = 8;  // px left and right of its text

} // namespace

QString WindowCaption()
{
    const QString majorMinor = ProgramVersion().section(u'.', 0, 1);
    return QStringLiteral("ЗЕЛТАР %1 Free - Программа расчёта теплопритоков в холодильную камеру  ").arg(majorMinor);
}

MainWindow::MainWindow(FormModel& model, WindowDialogs dialogs, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , dialogs_(std::move(dialogs))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(WindowCaption());
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());
    setPalette(WindowPalette());
    setAutoFillBackground(true);

    QWidget* client = buildScrolledClient();
    widgets_ = BuildWindowWidgets(client);
    binding_ = std::make_unique<FormBinding>(
        model_, widgets_, [this](const QString& message) { dialogs_.showError(this, message); }, this);
    reportSource_ = std::make_unique<report::FormModelReportSource>(model_);
    // A save as a 131-line file that would lose inputs asks first (unset in a test: «Нет»).
    model_.setAskLossySave([this](const std::string& question) {
        return dialogs_.askLossySave && dialogs_.askLossySave(this, QString::fromStdString(question));
    });
    // The report's windows, created once after the main window and hidden: the preview, whose print
    // buttons print as the main window's print button does (the preview staying open), then the
    // printer resolution warning.
    buildReportWindows();
    connectCommandButtons();
    binding_->addHistoryShortcuts(this);
    addOwnMaterialsDialog();
    addSummaryButton();
    addLoadChartButton();
    addMessageLine();
    focusRing_ = new FocusRing(client);
    addShortcuts();
    addRecentProjects();
    setAcceptDrops(true);
}

MainWindow::~MainWindow()
{
    model_.setAskLossySave(nullptr);
}

// The fixed client area in a scroll area without a frame: as large as the client, the window
// shows no scroll bars; on a smaller screen (see fitToScreen) the client scrolls.
QWidget* MainWindow::buildScrolledClient()
{
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kWindowWidth, kWindowHeight);
    client->setAutoFillBackground(true);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidget(client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea_);
    setFixedSize(kWindowWidth, kWindowHeight);
    // Whatever moves the focus (Enter, Tab, the model), the focused control is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this, client](QWidget*, QWidget* now) {
        if (now != nullptr && client->isAncestorOf(now))
            scrollArea_->ensureWidgetVisible(now, kFocusMarginPixels, kFocusMarginPixels);
    });
    return client;
}

// The report's preview over the report source, and the printer resolution warning.
void MainWindow::buildReportWindows()
{
    previewWindow_ = std::make_unique<report::PreviewWindow>(this, *reportSource_, [this] { runPrint(); });
    resolutionWarning_ = std::make_unique<report::ResolutionWarning>(this);
    previewWindow_->offerPdf([this] { writeReportPdf(); });
    previewWindow_->offerDetailedReport([this] { return report::ProtocolOf(model_); },
                                        [this] {
                                            if (dialogs_.printDetailed)
                                                dialogs_.printDetailed(this, report::ProtocolOf(model_),
                                                                       *resolutionWarning_);
                                        });
    previewWindow_->offerLoadChart([this] { return calc::BreakDownLoad(model_.lastValues()); },
                                   [this] { runPrint(true); });
}

// The click gave the button the model's focus first (committing the field being edited); when that
// failed, its error is shown and the command does not run.
void MainWindow::connectCommandButtons()
{
    for (const auto& [command, button] : widgets_.commands)
        connect(button, &QPushButton::clicked, this, [this, command = command] {
            if (model_.focusedControl() == ButtonOf(command))
                runCommand(command);
        });
}

// «Свои материалы…» on the «Дополнительно» tab: the click gave the button the model's focus first
// (committing the field being edited); then the library's dialog, and the material it chose copied
// into the project.
void MainWindow::addOwnMaterialsDialog()
{
    auto* button = qobject_cast<QPushButton*>(control(Control::OwnMaterialsButton));
    connect(button, &QPushButton::clicked, this, [this] {
        if (model_.focusedControl() != Control::OwnMaterialsButton || !dialogs_.ownMaterials)
            return;
        if (std::optional<OwnMaterial> material = dialogs_.ownMaterials(this)) {
            model_.useOwnMaterial(*material);
            binding_->sync();
        }
    });
}

// The object summary's button lies in the header bar's free strip under «ДАТА»: the command bar
// has no room for its caption. It is no control of the form model.
void MainWindow::addSummaryButton()
{
    QWidget* headerBar = control(Control::ProjectDate)->parentWidget();
    auto* button = new QPushButton(QStringLiteral("СВОДКА ПО ОБЪЕКТУ"), headerBar);
    button->setObjectName(QStringLiteral("ObjectSummaryButton"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(kSummaryButtonBox);
    connect(button, &QPushButton::clicked, this, &MainWindow::objectSummaryRequested);
}

// The chart of the load opens from a button under the sums (no control of the form model): a small
// window of its own that follows the results after every sync while it is shown.
void MainWindow::addLoadChartButton()
{
    QWidget* sums = control(Control::TotalHeatGain)->parentWidget();
    auto* button = new QPushButton(QStringLiteral("ДИАГРАММА НАГРУЗКИ"), sums);
    button->setObjectName(QStringLiteral("LoadChartButton"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(kLoadChartButtonBox);
    connect(button, &QPushButton::clicked, this, [this] {
        if (loadChartWindow_ == nullptr) {
            loadChartWindow_ = new report::LoadChartWindow(this);
            loadChartWindow_->placeBeside(frameGeometry(), screen()->availableGeometry());
            connect(binding_.get(), &FormBinding::synced, loadChartWindow_, [this] {
                if (loadChartWindow_->isVisible())
                    loadChartWindow_->showBreakdown(calc::BreakDownLoad(model_.lastValues()));
            });
        }
        loadChartWindow_->showBreakdown(calc::BreakDownLoad(model_.lastValues()));
        loadChartWindow_->show();
        loadChartWindow_->raise();
    });
}

// The message line lies in the lower bar's free strip under the header fields: no other
// control moves. White text on the bar, cut with "…" where too long (the whole text in its tooltip).
void MainWindow::addMessageLine()
{
    QWidget* headerBar = control(Control::ProjectDate)->parentWidget();
    auto* line = new MessageLine(headerBar, QStringLiteral("MessageLine"));
    line->setGeometry(kMessageLineBox);
    binding_->addMessageLine(line);
    // On a screen too low for the window the lower bar scrolls out of sight: the same line then
    // stands under the scrolled client, always in view (fitToScreen shows it).
    messageStrip_ = new MessageLine(this, QStringLiteral("MessageStrip"));
    messageStrip_->setAutoFillBackground(true);
    messageStrip_->setFixedHeight(kMessageStripHeight);
    messageStrip_->setContentsMargins(kMessageStripMargin, 0, kMessageStripMargin, 0);
    messageStrip_->hide();
    layout()->addWidget(messageStrip_);
    binding_->addMessageLine(messageStrip_);
}

QString MainWindow::messageLine() const
{
    return binding_->messageLine();
}

void MainWindow::fitToScreen(const QRect& available)
{
    const QSize room(available.width() - kFrameAllowance.width(), available.height() - kFrameAllowance.height());
    const QSize size = ScrolledSize(QSize(kWindowWidth, kWindowHeight), room,
                                    style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_));
    messageStrip_->setVisible(size.height() < kWindowHeight);
    setFixedSize(size);
}

QWidget* MainWindow::control(Control control) const
{
    const auto it = widgets_.controls.find(control);
    return it == widgets_.controls.end() ? nullptr : it->second;
}

int MainWindow::shownTab() const
{
    return widgets_.tabs->currentIndex();
}

void MainWindow::runCommand(Command command)
{
    switch (command) {
    case Command::Load: loadProject(); break;
    case Command::Save: saveProject(); break;
    case Command::Preview: previewReport(); break;
    case Command::Print: printReport(); break;
    case Command::Exit: close(); break;
    }
}

bool MainWindow::focusCommandButton(Command command)
{
    return binding_->setFocus(ButtonOf(command));
}

void MainWindow::loadProject()
{
    if (!focusCommandButton(Command::Load) || !settleUnsavedChanges())
        return;
    const QString start = QString::fromStdString(model_.dialogFileName(FileDialog::Open));
    const DialogAnswer answer = dialogs_.openProject(this, start);
    if (answer.accepted && openedAsObject(QString::fromStdString(answer.path)))
        return;
    if (binding_->loadProject(answer))
        rememberProjectFile();
}

bool MainWindow::openedAsObject(const QString& path)
{
    if (!IsObjectFile(path.toStdString()))
        return false;
    emit objectFileOpened(QFileInfo(path).absoluteFilePath());
    return true;
}

bool MainWindow::saveProject()
{
    if (!focusCommandButton(Command::Save))
        return false;
    const QString start = QString::fromStdString(model_.dialogFileName(FileDialog::Save));
    DialogAnswer answer = dialogs_.saveProject(this, start);
    const std::optional<QString> target = ConfirmedSavePath(
        answer, files::kProjectExtension, [this](const QString& path) { return dialogs_.askReplace(this, path); });
    // Keeping an existing file ends the command as a cancel does.
    answer = target ? DialogAnswer{true, target->toStdString()} : DialogAnswer{};
    const bool saved = binding_->saveProject(answer) && answer.accepted;
    if (saved)
        rememberProjectFile();
    return saved;
}

void MainWindow::previewReport()
{
    if (!focusCommandButton(Command::Preview))
        return;
    dialogs_.preview(*previewWindow_);
}

void MainWindow::printReport()
{
    if (!focusCommandButton(Command::Print))
        return;
    runPrint();
}

void MainWindow::runPrint(bool withLoadChart)
{
    const report::ReportWithLoadChart charted(*reportSource_, calc::BreakDownLoad(model_.lastValues()));
    const report::ReportSource& source =
        withLoadChart ? static_cast<const report::ReportSource&>(charted) : *reportSource_;
    const QString pdf = dialogs_.print(this, source, *resolutionWarning_, pdfFileName());
    if (!pdf.isEmpty())
        showMessage(QStringLiteral("PDF записан: %1").arg(QFileInfo(pdf).fileName()));
}

void MainWindow::writeReportPdf()
{
    if (!dialogs_.savePdf)
        return;
    const std::optional<QString> target =
        ConfirmedSavePath(dialogs_.savePdf(this, pdfFileName()), files::kPdfExtension,
                          [this](const QString& path) { return dialogs_.askReplace(this, path); });
    if (!target)
        return;
    const report::PrintResult result = report::WriteReportPdf(*reportSource_, target->toStdString());
    if (result.status != report::PrintStatus::Printed)
        dialogs_.showError(this, result.message);
    else
        showMessage(QStringLiteral("PDF записан: %1").arg(QFileInfo(*target).fileName()));
}

void MainWindow::showMessage(const QString& message)
{
    model_.postMessage(message.toStdString());
    binding_->sync();
}

QString MainWindow::pdfFileName() const
{
    // A project never saved, with no folder used yet: its PDF goes to the working folder.
    return QFileInfo(QString::fromStdString(
                         files::WithExtension(model_.dialogFileName(FileDialog::Save), files::kPdfExtension)))
        .absoluteFilePath();
}

bool MainWindow::openProjectFile(const QString& path)
{
    if (openedAsObject(path))
        return true;
    const bool loaded = binding_->loadProject({true, QFileInfo(path).absoluteFilePath().toStdString()});
    if (loaded)
        rememberProjectFile();
    return loaded;
}

bool MainWindow::openProjectAsked(const QString& path)
{
    if (!settleUnsavedChanges())
        return false;
    return openProjectFile(path);
}

bool MainWindow::settleUnsavedChanges()
{
    if (!model_.modified())
        return true;
    switch (dialogs_.askSaveChanges(this)) {
    case SaveChangesAnswer::Save: return saveProject();
    case SaveChangesAnswer::Discard: return true;
    case SaveChangesAnswer::Cancel: break;
    }
    return false;
}

// Exit by the button or the title bar: the field being edited commits first (as the exit button
// takes the focus); unsaved inputs are saved or given up only on the user's answer.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!focusCommandButton(Command::Exit) || !settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A file dropped on the window: an object file opens in the summary window, any other file is
// loaded as the load command loads a chosen one (its refusal says what it is).
void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (!openedAsObject(path) && focusCommandButton(Command::Load))
        openProjectAsked(path);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    binding_->syncFocus();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        binding_->syncFocus();
}

} // namespace zeltar::gui
