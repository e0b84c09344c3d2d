#include "window/window_dialogs.h"

#include "files/file_names.h"
#include "window/own_materials_dialog.h"
#include "report/qt/report_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

namespace zeltar::gui {

namespace {

const QString kMessageTitle = QStringLiteral("ЗЕЛТАР");
// The project filter first and selected: a name typed without an extension gets ".zlt", so the
// load dialog and the desktop's file type find the file again; the own project file's filter gives
// ".zlp". The load dialog shows both kinds at once.
const QString kProjectFilter = QStringLiteral("Проекты ЗЕЛТАР (*.zlt)");
const QString kOwnProjectFilter = QStringLiteral("Проект ЗЕЛТАР (*.zlp)");
const QString kEitherProjectFilter = QStringLiteral("Проекты ЗЕЛТАР (*.zlt *.zlp)");
const QString kAllFilesFilter = QStringLiteral("Все файлы (*)");

DialogAnswer RunFileDialog(QWidget* parent, const QString& fileName, QFileDialog::AcceptMode mode)
{
    const std::unique_ptr<QFileDialog> dialog = CreateProjectFileDialog(parent, fileName, mode);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return {true, dialog->selectedFiles().front().toStdString()};
}

SaveChangesAnswer AskSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, kMessageTitle, QStringLiteral("Сохранить изменения в проекте?"),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* discard = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChangesAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}

} // namespace

std::unique_ptr<QFileDialog> CreateProjectFileDialog(QWidget* parent, const QString& fileName,
                                                     QFileDialog::AcceptMode mode)
{
    auto dialog =
        std::make_unique<QFileDialog>(parent, mode == QFileDialog::AcceptOpen ? QStringLiteral("Загрузить проект")
                                                                              : QStringLiteral("Сохранить проект"));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const bool own = files::IsOwnProjectFileName(fileName.toStdString());
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setNameFilters({kEitherProjectFilter, kAllFilesFilter});
        dialog->selectNameFilter(kEitherProjectFilter);
    } else {
        dialog->setNameFilters({kProjectFilter, kOwnProjectFilter, kAllFilesFilter});
        dialog->selectNameFilter(own ? kOwnProjectFilter : kProjectFilter);
    }
    // The window asks before replacing a file, once the extension is added (ConfirmedSavePath).
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    const auto suffixOf = [](bool ownFile) {
        return QString::fromUtf8((ownFile ? files::kOwnProjectExtension : files::kProjectExtension).substr(1));
    };
    dialog->setDefaultSuffix(suffixOf(own && mode == QFileDialog::AcceptSave));
    // A name typed without an extension gets the one of the chosen filter.
    QFileDialog* shown = dialog.get();
    QObject::connect(shown, &QFileDialog::filterSelected, shown, [shown, suffixOf](const QString& filter) {
        shown->setDefaultSuffix(suffixOf(filter == kOwnProjectFilter));
    });
    // Name, size, type and date of each file, wide enough that none of the columns is cut.
    dialog->setViewMode(QFileDialog::Detail);
    dialog->resize(dialog->size().expandedTo(kFileDialogSize));
    // Qt's own dialog (where the desktop offers none): size, type and date as wide as their texts,
    // the name taking the rest.
    if (auto* view = dialog->findChild<QTreeView*>()) {
        view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    const QFileInfo start(fileName);
    if (start.isAbsolute())
        dialog->setDirectory(start.absolutePath());
    dialog->selectFile(start.fileName());
    return dialog;
}

bool AskReplaceFile(QWidget* parent, const QString& path)
{
    return report::AskReplaceFile(parent, path);
}

bool AskYesNoDefaultNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, kMessageTitle, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QString> ConfirmedSavePath(const DialogAnswer& answer, std::string_view extension,
                                         const std::function<bool(const QString& path)>& askReplace)
{
    if (!answer.accepted)
        return std::nullopt;
    const QString path = QString::fromStdString(files::WithDefaultExtension(answer.path, extension));
    if (QFileInfo::exists(path) && !askReplace(path))
        return std::nullopt;
    return path;
}

WindowDialogs StandardDialogs()
{
    WindowDialogs dialogs;
    dialogs.openProject = [](QWidget* parent, const QString& fileName) {
        return RunFileDialog(parent, fileName, QFileDialog::AcceptOpen);
    };
    dialogs.saveProject = [](QWidget* parent, const QString& fileName) {
        return RunFileDialog(parent, fileName, QFileDialog::AcceptSave);
    };
    dialogs.askReplace = AskReplaceFile;
    dialogs.askLossySave = AskYesNoDefaultNo;
    dialogs.askSaveChanges = AskSaveChanges;
    dialogs.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, kMessageTitle, message);
    };
    dialogs.savePdf = [](QWidget* parent, const QString& fileName) {
        const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Записать отчёт в PDF"), fileName,
                                                          QStringLiteral("Документы PDF (*.pdf)"));
        return path.isEmpty() ? DialogAnswer{} : DialogAnswer{true, path.toStdString()};
    };
    dialogs.preview = report::ShowPreview;
    dialogs.print = report::PrintReport;
    dialogs.printDetailed = report::PrintDetailedReport;
    dialogs.ownMaterials = RunOwnMaterialsDialog;
    return dialogs;
}

} // namespace zeltar::gui
