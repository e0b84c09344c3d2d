// The window's controls as the control catalogue lists them, and the texts, choices, states and
// colours they show at start-up.
#include "app/form_impl.h"

#include "app/form_lists.h"
#include "app/form_parameters.h"
#include "app/form_rows.h"
#include "app/result_controls.h"
#include "calc/enclosure_gain.h"
#include "calc/recalculate.h"
#include "fields/number_text.h"
#include "fields/utf8.h"
#include "model/startup_state.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <algorithm>
#include <array>

namespace zeltar {

namespace {

// Light yellow at start-up: the wall lists, the wall finish lists, the twelve thickness fields and
// the outside temperatures of walls A to D and the ceiling.
// clang-format off
constexpr Control kYellowAtStartup[]{
    Control::StructureMaterialA, Control::StructureMaterialB, Control::StructureMaterialC,
    Control::StructureMaterialD, Control::InsulationMaterialA, Control::InsulationMaterialB,
    Control::InsulationMaterialC, Control::InsulationMaterialD, Control::SurfaceFinishA,
    Control::SurfaceFinishB, Control::SurfaceFinishC, Control::SurfaceFinishD, Control::StructureThicknessA,
    Control::StructureThicknessB, Control::StructureThicknessC, Control::StructureThicknessD,
    Control::InsulationThicknessA, Control::InsulationThicknessB, Control::InsulationThicknessC,
    Control::InsulationThicknessD, Control::StructureThicknessCeiling, Control::InsulationThicknessCeiling,
    Control::StructureThicknessFloor, Control::InsulationThicknessFloor, Control::OutsideTemperatureA,
    Control::OutsideTemperatureB, Control::OutsideTemperatureC, Control::OutsideTemperatureD,
    Control::OutsideTemperatureCeiling
};
// clang-format on

// Fields that only the door and fan modes and the staff's own hours enable; at start-up all are off.
constexpr Control kDisabledAtStartup[]{Control::FanPower, Control::FanCount, Control::DoorOpenTime,
                                       Control::StaffHours};

} // namespace

FormModel::Impl::Impl(std::string today) : startupDate(today), state(StartupState(std::move(today)))
{
    createControls();
    showStartupDefaults();
    focus = Control::City;
    tab = fields::kEnclosureTab;
    markUnmodified();
    changed.clear(); // a window mirrors every control of the start-up state when it binds
}

void FormModel::Impl::createControls()
{
    for (const ControlFacts& facts : AllControls()) {
        ControlState& c = controls[static_cast<std::size_t>(facts.control)];
        c.type = facts.type;
        c.tab = facts.tab;
        c.readOnly = facts.readOnly;
        c.text = std::string(facts.caption);
        if (facts.type == ControlType::CheckBox)
            c.index = 0;
        if (const fields::NumericField* field = fields::FindNumericField(facts.control))
            c.maxLength = field->maxLength;
    }
}

void FormModel::Impl::showStartupDefaults()
{
    for (const fields::NumericField& f : fields::NumericFields()) {
        const double value = ParameterValue(state, f.control);
        setText(f.control, fields::DisplayText(f.storage == fields::Storage::Percent ? value * 100 : value));
    }
    for (const fields::ListField& list : fields::ListFields())
        setIndex(list.control, static_cast<int>(ParameterValue(state, list.control)));
    for (const fields::CheckBoxField& box : fields::CheckBoxFields())
        setIndex(box.control, static_cast<int>(ParameterValue(state, box.control)));
    for (const fields::TextField& f : fields::TextFields())
        setText(f.control, *FindParameter(state, f.control).text);

    const refdata::Product& product = refdata::kProducts[static_cast<std::size_t>(state.product)];
    setText(Control::ProductMoisture, fields::DisplayText(product.waterContent));
    setText(Control::CryoscopicTemperature, fields::DisplayText(state.cryoscopicTemperature));
    showWallDirections();
    showTiles();

    // The construction material names on the solar tab, as the recalculation writes them.
    for (int row = 0; row < kRowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        if (const std::optional<Control> text = kStructureMaterialTexts[index]) {
            const int material = state.rows[index].structureMaterial;
            setText(
                *text,
                std::string(calc::SurfaceStructureMaterial(static_cast<Row>(row), material, state.ownMaterials).name));
        }
    }
    // No recalculation at start-up: every other result shows "  0".
    for (const Control control : kResultControls)
        if (at(control).text.empty())
            setText(control, fields::DisplayText(0));

    for (const Control control : kYellowAtStartup)
        setColor(control, ControlColor::Yellow);
    showCityFieldsState();
    showFloorFieldState();
    for (const Control control : kDisabledAtStartup)
        setEnabled(control, false);
}

const ControlState& FormModel::Impl::at(Control control) const
{
    return controls[static_cast<std::size_t>(control)];
}

ControlState& FormModel::Impl::change(Control control)
{
    ++revision;
    changed.insert(control);
    return controls[static_cast<std::size_t>(control)];
}

void FormModel::Impl::setText(Control control, std::string text)
{
    if (at(control).text == text)
        return;
    ControlState& c = change(control);
    c.text = std::move(text);
    // The selection stays within the new text.
    const int length = static_cast<int>(fields::CharacterCount(c.text));
    c.selectionStart = std::min(c.selectionStart, length);
    c.selectionLength = std::min(c.selectionLength, length - c.selectionStart);
}

void FormModel::Impl::setIndex(Control control, int index)
{
    const ControlState& shown = at(control);
    const bool isList = shown.type == ControlType::ComboBox;
    std::string text = isList ? ListEntryText(control, index, state) : shown.text;
    if (shown.index == index && shown.text == text)
        return;
    ControlState& c = change(control);
    c.index = index;
    c.text = std::move(text);
}

void FormModel::Impl::setEnabled(Control control, bool enabled)
{
    if (at(control).enabled != enabled)
        change(control).enabled = enabled;
}

void FormModel::Impl::setVisible(Control control, bool visible)
{
    if (at(control).visible != visible)
        change(control).visible = visible;
}

void FormModel::Impl::setColor(Control control, ControlColor color)
{
    if (at(control).color == color)
        return;
    change(control).color = color;
    if (color == ControlColor::Red)
        reportWarning(control);
}

void FormModel::Impl::fail(std::string message)
{
    errors.push_back(std::move(message));
}

} // namespace zeltar
