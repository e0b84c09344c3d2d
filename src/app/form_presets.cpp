// Choices and their presets: the city's climate, the floor placement, the room type's temperatures
// and the fields it shows, the product's properties and warning colour; the check boxes and the two
// buttons that fill the other rows from the first.
#include "app/form_impl.h"

#include "app/field_names.h"
#include "app/form_lists.h"
#include "app/form_parameters.h"
#include "app/form_rows.h"
#include "fields/number_text.h"
#include "refdata/cities.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

namespace zeltar {

namespace {

constexpr Control kClimateFields[]{Control::Latitude, Control::OutsideDesignTemperature,
                                   Control::OutsideRelativeHumidity};

// Stacking height, density, packaging share and gross capacity with their captions: shown for
// stores and chambers, hidden for rails.
constexpr Control kCapacityControls[]{
    Control::StackHeight,      Control::StackDensity,      Control::PackagingShare,      Control::GrossCapacity,
    Control::StackHeightLabel, Control::StackDensityLabel, Control::PackagingShareLabel, Control::GrossCapacityLabel};
// Daily turnover in % and in t/day with their captions: shown for stores only.
constexpr Control kTurnoverControls[]{Control::DailyTurnoverPercent, Control::DailyTurnover,
                                      Control::DailyTurnoverPercentLabel, Control::DailyTurnoverLabel};

constexpr std::string_view kHighTurnoverClearedMessage =
    "Флажок «Повышенная» скорость оборота груза снят вместе с типом камеры";

} // namespace

void FormModel::Impl::selectList(Control comboBox, int index)
{
    setIndex(comboBox, index);
    *FindParameter(state, comboBox).whole = index;
}

void FormModel::Impl::choose(const fields::ListField& list, int index)
{
    const std::size_t entries = ListEntries(list.control, state).size();
    if (index < 0 || static_cast<std::size_t>(index) >= entries) {
        fail("В списке " + ControlCaption(list.control) + " нет строки с номером " + std::to_string(index) +
             " (строки от 0 до " + std::to_string(entries - 1) + ").");
        return;
    }
    if (!focusOn(list.control))
        return;
    const FieldTexts before = numericFieldTexts();
    switch (list.choice) {
    case fields::ChoiceRule::StoreIndex:
        selectList(list.control, index);
        recalculate();
        break;
    case fields::ChoiceRule::City: chooseCity(index); break;
    case fields::ChoiceRule::FloorType: chooseFloorType(index); break;
    case fields::ChoiceRule::RoomType: chooseRoomType(index); break;
    case fields::ChoiceRule::Product: chooseProduct(index); break;
    case fields::ChoiceRule::ProductGroup: chooseProductGroup(index); break;
    }
    reportRewrites(list.control, before);
}

void FormModel::Impl::chooseCity(int city)
{
    selectList(Control::City, city);
    const refdata::City& c = refdata::kCities[static_cast<std::size_t>(city)];
    state.outsideDesignTemperature = refdata::CityDesignTemperature(city);
    setText(Control::OutsideDesignTemperature, fields::DisplayText(state.outsideDesignTemperature));
    state.latitude = c.latitude;
    setText(Control::Latitude, fields::DisplayText(c.latitude));
    state.outsideRelativeHumidity = c.relativeHumidity / 100.0;
    setText(Control::OutsideRelativeHumidity, fields::DisplayText(c.relativeHumidity));
    setOutsideTemperatures(state.outsideDesignTemperature, at(Control::OutsideDesignTemperature).text);
    showCityFieldsState();
    recalculate();
}

void FormModel::Impl::showCityFieldsState()
{
    for (const Control field : kClimateFields)
        setEnabled(field, state.city == refdata::kCustomCity);
}

void FormModel::Impl::chooseFloorType(int floorType)
{
    selectList(Control::FloorType, floorType);
    setEnabled(*kOutsideTemperatureFields[Floor], true);
    EnclosureRow& floor = state.rows[Floor];
    floor.outerSurfaceCoefficient = refdata::kFloorTypes[static_cast<std::size_t>(floorType)].outerSurfaceCoefficient;
    if (floorType == refdata::kFloorOnHeatedGround) {
        floor.outsideTemperature = refdata::kHeatedBaseTemperature;
        setText(*kOutsideTemperatureFields[Floor], fields::DisplayText(refdata::kHeatedBaseTemperature));
    } else {
        // The design temperature's text is copied and its number stored.
        const std::string& designText = at(Control::OutsideDesignTemperature).text;
        floor.outsideTemperature = fields::ParseDecimal(designText).value_or(state.outsideDesignTemperature);
        setText(*kOutsideTemperatureFields[Floor], designText);
    }
    showFloorFieldState();
    recalculate();
}

void FormModel::Impl::showFloorFieldState()
{
    const bool layered = state.floorType != refdata::kFloorOnGround;
    setEnabled(*kOutsideTemperatureFields[Floor], layered);
    setEnabled(Control::UValueFloor, layered); // a floor on ground is reckoned by zones, not by a U-value
}

void FormModel::Impl::chooseRoomType(int roomType)
{
    selectList(Control::RoomType, roomType);
    const refdata::RoomType& type = refdata::kRoomTypes[static_cast<std::size_t>(roomType)];
    state.roomTemperature = type.roomTemperature;
    setText(Control::RoomTemperature, fields::DisplayText(state.roomTemperature));
    state.roomRelativeHumidity = type.roomHumidityPercent / 100.0;
    setText(Control::RoomRelativeHumidity, fields::DisplayText(type.roomHumidityPercent));

    const refdata::RoomGroupPreset preset = refdata::PresetOf(type.group);
    state.stackDensity = preset.stackDensity;
    setText(Control::StackDensity, fields::DisplayText(state.stackDensity));
    setText(Control::RunningHoursCaption, std::string(preset.runningHoursCaption));
    setEnabled(Control::HighTurnover, preset.highTurnoverEnabled);
    if (!preset.highTurnoverEnabled) {
        if (at(Control::HighTurnover).index == 1)
            post(std::string(kHighTurnoverClearedMessage));
        setIndex(Control::HighTurnover, 0);
        state.highTurnover = 0;
    }
    showRoomGroupFields(roomType);
    if (preset.resetsTurnoverPercent) {
        state.dailyTurnoverPercent = refdata::kStoreDailyTurnoverPercent;
        setText(Control::DailyTurnoverPercent, fields::DisplayText(state.dailyTurnoverPercent));
    }

    state.productInletTemperature = type.productInletTemperature;
    setText(Control::ProductInletTemperature, fields::DisplayText(state.productInletTemperature));
    state.productFinalTemperature = type.productFinalTemperature;
    setText(Control::ProductFinalTemperature, fields::DisplayText(state.productFinalTemperature));
    recalculate();
}

void FormModel::Impl::showRoomGroupFields(int roomType)
{
    if (!refdata::IsRoomType(roomType))
        return;
    const refdata::RoomGroupPreset preset = refdata::PresetOf(refdata::GroupOf(roomType));
    for (const Control control : kCapacityControls)
        setVisible(control, preset.capacityFieldsVisible);
    for (const Control control : kTurnoverControls)
        setVisible(control, preset.turnoverFieldsVisible);
}

void FormModel::Impl::applyProductProperties(int product)
{
    const refdata::Product& p = refdata::kProducts[static_cast<std::size_t>(product)];
    setText(Control::ProductMoisture, fields::DisplayText(p.waterContent));
    state.cryoscopicTemperature = p.cryoscopicPoint;
    setText(Control::CryoscopicTemperature, fields::DisplayText(p.cryoscopicPoint));
    selectList(Control::PackagingMaterial, p.defaultPackaging);
    state.packagingShare = p.defaultPackagingShare;
    setText(Control::PackagingShare, fields::DisplayText(p.defaultPackagingShare));
}

void FormModel::Impl::chooseProduct(int product)
{
    selectList(Control::Product, product);
    const refdata::Product& p = refdata::kProducts[static_cast<std::size_t>(product)];
    selectList(Control::ProductGroup, p.group);
    applyProductProperties(product);
    // Packaged goods cannot hang on rails: both lists turn red as a warning.
    const bool warn = refdata::IsRoomType(state.roomType) &&
                      refdata::GroupOf(state.roomType) == refdata::RoomGroup::Rail && p.defaultPackaging != 0;
    setColor(Control::Product, warn ? ControlColor::Red : ControlColor::Default);
    setColor(Control::PackagingMaterial, warn ? ControlColor::Red : ControlColor::Default);
    recalculate();
}

void FormModel::Impl::chooseProductGroup(int group)
{
    selectList(Control::ProductGroup, group);
    for (std::size_t product = 0; product < refdata::kProducts.size(); ++product) {
        if (refdata::kProducts[product].group == group) {
            selectList(Control::Product, static_cast<int>(product));
            applyProductProperties(static_cast<int>(product));
            break;
        }
    }
    recalculate();
}

void FormModel::Impl::clickCheckBox(const fields::CheckBoxField& box)
{
    if (!focusOn(box.control))
        return;
    const int checked = at(box.control).index == 1 ? 0 : 1;
    setIndex(box.control, checked);
    *FindParameter(state, box.control).whole = checked;
    applyFlag(box.control);
}

void FormModel::Impl::openRowExtras(Control button)
{
    for (int row = 0; row < kRowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (kExtraRowButtons[r] != button)
            continue;
        // The floor on ground has no U-value of its own: its first extra layer instead.
        const Control target = at(*kUValueFields[r]).enabled ? *kUValueFields[r] : *kLayer1Lists[r];
        focusOn(target, FocusRoute::Keyboard);
        return;
    }
}

void FormModel::Impl::fillFromFirstRow()
{
    const EnclosureRow first = state.rows[WallA];
    for (int row = WallB; row < kRowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        state.rows[r].structureThickness = first.structureThickness;
        setText(*kStructureThicknessFields[r], at(*kStructureThicknessFields[WallA]).text);
        state.rows[r].insulationThickness = first.insulationThickness;
        setText(*kInsulationThicknessFields[r], at(*kInsulationThicknessFields[WallA]).text);
        if (row != Floor) { // the floor's outside temperature is not copied
            state.rows[r].outsideTemperature = first.outsideTemperature;
            setText(*kOutsideTemperatureFields[r], at(*kOutsideTemperatureFields[WallA]).text);
        }
    }
    // The ceiling and floor lists hold other materials: only the walls take row A's choice.
    for (int wall = WallB; wall <= WallD; ++wall) {
        const auto w = static_cast<std::size_t>(wall);
        state.rows[w].structureMaterial = first.structureMaterial;
        setIndex(*kStructureMaterialLists[w], first.structureMaterial);
        state.rows[w].insulationMaterial = first.insulationMaterial;
        setIndex(*kInsulationMaterialLists[w], first.insulationMaterial);
    }
    recalculate();
}

void FormModel::Impl::fillFinishes()
{
    for (int wall = WallB; wall <= WallD; ++wall) {
        const auto w = static_cast<std::size_t>(wall);
        state.rows[w].surfaceFinish = state.rows[WallA].surfaceFinish;
        setIndex(*kSurfaceFinishLists[w], state.rows[WallA].surfaceFinish);
    }
    recalculate();
}

} // namespace zeltar
