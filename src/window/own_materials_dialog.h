// «Свои материалы…»: the user's own materials library (app/own_material_library.h) to add to, edit
// and delete from, and the material to copy into the project. Every change is written to the
// library at once; a library that cannot be read is shown with its problem and not written over.
#pragma once

#include "model/project_state.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zeltar::gui {

class OwnMaterialsDialog : public QDialog {
    Q_OBJECT
public:
    // The library at `libraryPath` ("" when the user has no data folder).
    OwnMaterialsDialog(const std::string& libraryPath, QWidget* parent = nullptr);

    // The material «В проект» chose (the dialog then closes accepted); nullopt before.
    const std::optional<OwnMaterial>& chosen() const { return chosen_; }
    const std::vector<OwnMaterial>& materials() const { return materials_; }
    // The last problem shown («Название материала пустое.»), "" none.
    QString problem() const;

private:
    void showMaterials(int selected);
    void showSelected();
    std::optional<OwnMaterial> typedMaterial(); // shows the problem when the fields hold none
    void addMaterial();
    void changeMaterial();
    void deleteMaterial();
    void useMaterial();
    bool store(std::vector<OwnMaterial> materials, int selected); // false: not written, problem shown
    void showProblem(const QString& problem);

    std::string path_;
    std::vector<OwnMaterial> materials_;
    bool writable_ = true;
    std::optional<OwnMaterial> chosen_;
    QListWidget* list_;
    QLineEdit* name_;
    QLineEdit* conductivity_;
    QLineEdit* solarFactor_;
    QLabel* problem_;
    QPushButton* add_;
    QPushButton* change_;
    QPushButton* delete_;
    QPushButton* use_;
};

// Runs the dialog over the user's library; the material to copy into the project, nullopt none.
std::optional<OwnMaterial> RunOwnMaterialsDialog(QWidget* parent);

} // namespace zeltar::gui
