#include "model/project_extensions.h"

#include "refdata/added_materials.h"

#include <algorithm>

namespace zeltar {

std::string_view ExtensionText(Extension extension)
{
    switch (extension) {
    case Extension::RowUValue: return "коэффициент теплопередачи, заданный для ограждения";
    case Extension::ExtraLayers: return "дополнительные слои ограждения";
    case Extension::AddedInsulation: return "изоляция PIR, XPS или минеральная вата сэндвич-панели";
    case Extension::OwnMaterials: return "свои материалы";
    case Extension::Defrost: return "теплоприток от оттайки воздухоохладителей";
    case Extension::StaffOwnHours: return "своё время работы персонала";
    case Extension::DoorOpenAllDay: return "время открывания двери до 24 ч/сут";
    case Extension::LightingTwoDecimals: return "плотность освещения с двумя знаками";
    }
    return {};
}

int BuiltInInsulationCount(Row row)
{
    switch (row) {
    case Ceiling: return static_cast<int>(refdata::kCeilingInsulationMaterials.size());
    case Floor: return static_cast<int>(refdata::kFloorInsulationMaterials.size());
    default: return static_cast<int>(refdata::kWallInsulationMaterials.size());
    }
}

bool DefrostUsed(const ProjectState& s)
{
    return s.defrostHeaterPower > 0 && s.defrostCoolerCount > 0 && s.defrostsPerDay > 0 && s.defrostDuration > 0;
}

std::vector<Extension> UsedExtensions(const ProjectState& s)
{
    std::vector<Extension> used;
    const auto anyRow = [&](auto&& test) { return std::any_of(s.rows.begin(), s.rows.end(), test); };
    if (anyRow([](const EnclosureRow& r) { return r.uValue > 0; }))
        used.push_back(Extension::RowUValue);
    if (anyRow([](const EnclosureRow& r) {
            return r.extraLayerThickness1 > 0 || r.extraLayerThickness2 > 0 || r.extraLayerThickness3 > 0;
        }))
        used.push_back(Extension::ExtraLayers);
    bool added = false;
    for (int row = 0; row < kRowCount; ++row) {
        const int index = s.rows[static_cast<std::size_t>(row)].insulationMaterial;
        const int builtIn = BuiltInInsulationCount(static_cast<Row>(row));
        added = added ||
                (index >= builtIn && index < builtIn + static_cast<int>(refdata::kAddedInsulationMaterials.size()));
    }
    if (added)
        used.push_back(Extension::AddedInsulation);
    if (!s.ownMaterials.empty())
        used.push_back(Extension::OwnMaterials);
    if (DefrostUsed(s))
        used.push_back(Extension::Defrost);
    if (s.staffOwnHours != 0)
        used.push_back(Extension::StaffOwnHours);
    if (s.doorOpenAllDay != 0)
        used.push_back(Extension::DoorOpenAllDay);
    if (s.lightingTwoDecimals != 0)
        used.push_back(Extension::LightingTwoDecimals);
    return used;
}

} // namespace zeltar
