#include "window/own_materials_dialog.h"

#include "app/own_material_library.h"
#include "fields/number_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace zeltar::gui {

namespace {

QString EntryText(const OwnMaterial& m)
{
    return QStringLiteral("%1 — λ %2 Вт/(м·К), солн. коэфф. %3")
        .arg(QString::fromStdString(m.name), QString::fromStdString(fields::FormatGeneral(m.conductivity)),
             QString::fromStdString(fields::FormatGeneral(m.solarFactor)));
}

// A number as the user types it: a decimal comma or a full stop.
std::optional<double> TypedNumber(const QLineEdit* edit)
{
    std::string text = edit->text().trimmed().toStdString();
    for (char& c : text)
        if (c == '.')
            c = ',';
    return fields::ParseDecimal(text);
}

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

OwnMaterialsDialog::OwnMaterialsDialog(const std::string& libraryPath, QWidget* parent)
    : QDialog(parent)
    , path_(libraryPath)
{
    setObjectName(QStringLiteral("OwnMaterialsDialog"));
    setWindowTitle(QStringLiteral("Свои материалы"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("OwnMaterialList"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("OwnMaterialName"));
    name_->setMaxLength(static_cast<int>(library::kLongestName));
    conductivity_ = new QLineEdit(this);
    conductivity_->setObjectName(QStringLiteral("OwnMaterialConductivity"));
    solarFactor_ = new QLineEdit(QStringLiteral("1"), this);
    solarFactor_->setObjectName(QStringLiteral("OwnMaterialSolarFactor"));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("OwnMaterialProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #c00000;"));
    add_ = Button(QStringLiteral("Добавить"), QStringLiteral("OwnMaterialAdd"), this);
    change_ = Button(QStringLiteral("Изменить"), QStringLiteral("OwnMaterialChange"), this);
    delete_ = Button(QStringLiteral("Удалить"), QStringLiteral("OwnMaterialDelete"), this);
    use_ = Button(QStringLiteral("В проект"), QStringLiteral("OwnMaterialUse"), this);
    use_->setToolTip(QStringLiteral("Скопировать материал в проект: он появится в списках материалов, отмеченный ★"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Название"), name_);
    form->addRow(QStringLiteral("Теплопроводность λ, Вт/(м·К)"), conductivity_);
    form->addRow(QStringLiteral("Солнечный коэффициент (0…1)"), solarFactor_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, change_, delete_, use_})
        buttons->addWidget(button);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Библиотека своих материалов (для всех проектов):"), this));
    layout->addWidget(list_);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(problem_);
    layout->addWidget(close);
    resize(560, 420);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
    connect(add_, &QPushButton::clicked, this, &OwnMaterialsDialog::addMaterial);
    connect(change_, &QPushButton::clicked, this, &OwnMaterialsDialog::changeMaterial);
    connect(delete_, &QPushButton::clicked, this, &OwnMaterialsDialog::deleteMaterial);
    connect(use_, &QPushButton::clicked, this, &OwnMaterialsDialog::useMaterial);

    library::LibraryContents contents = library::ReadLibrary(path_);
    materials_ = std::move(contents.materials);
    if (!contents.problem.empty()) {
        // What the file holds is the user's: it is not written over until it is mended.
        writable_ = false;
        showProblem(QString::fromStdString(contents.problem) + QStringLiteral(" Библиотека не изменяется."));
    }
    showMaterials(materials_.empty() ? -1 : 0);
}

QString OwnMaterialsDialog::problem() const
{
    return problem_->text();
}

void OwnMaterialsDialog::showProblem(const QString& problem)
{
    problem_->setText(problem);
}

void OwnMaterialsDialog::showMaterials(int selected)
{
    list_->clear();
    for (const OwnMaterial& m : materials_)
        list_->addItem(EntryText(m));
    list_->setCurrentRow(selected);
    add_->setEnabled(writable_);
    change_->setEnabled(writable_ && selected >= 0);
    delete_->setEnabled(writable_ && selected >= 0);
    use_->setEnabled(selected >= 0);
    showSelected();
}

void OwnMaterialsDialog::showSelected()
{
    const int row = list_->currentRow();
    change_->setEnabled(writable_ && row >= 0);
    delete_->setEnabled(writable_ && row >= 0);
    use_->setEnabled(row >= 0);
    if (row < 0)
        return;
    const OwnMaterial& m = materials_[static_cast<std::size_t>(row)];
    name_->setText(QString::fromStdString(m.name));
    conductivity_->setText(QString::fromStdString(fields::FormatGeneral(m.conductivity)));
    solarFactor_->setText(QString::fromStdString(fields::FormatGeneral(m.solarFactor)));
}

std::optional<OwnMaterial> OwnMaterialsDialog::typedMaterial()
{
    const std::optional<double> conductivity = TypedNumber(conductivity_);
    const std::optional<double> solarFactor = TypedNumber(solarFactor_);
    if (!conductivity || !solarFactor) {
        showProblem(
            QStringLiteral("«%1» — не число.").arg(!conductivity ? conductivity_->text() : solarFactor_->text()));
        return std::nullopt;
    }
    library::CheckedMaterial checked =
        library::CheckMaterial({name_->text().toStdString(), *conductivity, *solarFactor});
    if (!checked.material)
        showProblem(QString::fromStdString(checked.problem));
    return checked.material;
}

bool OwnMaterialsDialog::store(std::vector<OwnMaterial> materials, int selected)
{
    if (std::optional<std::string> failed = library::WriteLibrary(path_, materials)) {
        showProblem(QString::fromStdString(*failed));
        return false;
    }
    materials_ = std::move(materials);
    showProblem({});
    showMaterials(selected);
    return true;
}

void OwnMaterialsDialog::addMaterial()
{
    std::optional<OwnMaterial> typed = typedMaterial();
    if (!typed)
        return;
    for (const OwnMaterial& m : materials_)
        if (m.name == typed->name) {
            showProblem(QStringLiteral("Материал «%1» уже есть: выберите его и нажмите «Изменить».")
                            .arg(QString::fromStdString(typed->name)));
            return;
        }
    std::vector<OwnMaterial> materials = materials_;
    materials.push_back(*typed);
    store(std::move(materials), static_cast<int>(materials_.size()));
}

void OwnMaterialsDialog::changeMaterial()
{
    const int row = list_->currentRow();
    std::optional<OwnMaterial> typed = typedMaterial();
    if (row < 0 || !typed)
        return;
    for (std::size_t i = 0; i < materials_.size(); ++i)
        if (static_cast<int>(i) != row && materials_[i].name == typed->name) {
            showProblem(QStringLiteral("Материал «%1» уже есть.").arg(QString::fromStdString(typed->name)));
            return;
        }
    std::vector<OwnMaterial> materials = materials_;
    materials[static_cast<std::size_t>(row)] = *typed;
    store(std::move(materials), row);
}

void OwnMaterialsDialog::deleteMaterial()
{
    const int row = list_->currentRow();
    if (row < 0)
        return;
    // Projects keep their copies: deleting from the library changes no project.
    std::vector<OwnMaterial> materials = materials_;
    materials.erase(materials.begin() + row);
    const int selected = std::min(row, static_cast<int>(materials.size()) - 1);
    store(std::move(materials), selected);
}

void OwnMaterialsDialog::useMaterial()
{
    const int row = list_->currentRow();
    if (row < 0)
        return;
    chosen_ = materials_[static_cast<std::size_t>(row)];
    accept();
}

std::optional<OwnMaterial> RunOwnMaterialsDialog(QWidget* parent)
{
    OwnMaterialsDialog dialog(library::LibraryPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")), parent);
    dialog.exec();
    return dialog.chosen();
}

} // namespace zeltar::gui
