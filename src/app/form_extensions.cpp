// The rules of the «Дополнительно» tab's inputs beyond storing them: what the flags change, the
// lighting density's second decimal, what a row's U-value means for its layers, and the project's
// own materials behind the material lists.
#include "app/form_impl.h"

#include "app/change_messages.h"
#include "app/field_names.h"
#include "app/form_lists.h"
#include "app/form_rows.h"
#include "app/form_parameters.h"
#include "fields/number_text.h"
#include "refdata/room_types.h"

#include <algorithm>
#include <array>

namespace zeltar {

namespace {

// The lighting density's field: one decimal in four characters ("10,8"), or with its flag two in
// five ("10,76").
constexpr int kLightingDecimalsWithFlag = 2;
constexpr int kLightingDecimalsWithoutFlag = 1;
constexpr int kLightingLengthWithFlag = 5;

// The flags as the cause of a change the message line names.
constexpr std::array kFlagCauses{
    FieldName{Control::DoorOpenAllDay, "Флажок «дверь открыта до 24 ч/сут»", Gender::Masculine, "",
              "флажком «дверь открыта до 24 ч/сут»"},
    FieldName{Control::LightingTwoDecimals, "Флажок «плотность освещения с двумя знаками»", Gender::Masculine, "",
              "флажком «плотность освещения с двумя знаками»"},
};

const FieldName* FlagCause(Control checkBox)
{
    for (const FieldName& cause : kFlagCauses)
        if (cause.control == checkBox)
            return &cause;
    return nullptr;
}

// Which row a U-value field belongs to; -1 for other controls.
int UValueRow(Control control)
{
    for (int row = 0; row < kRowCount; ++row)
        if (kUValueFields[static_cast<std::size_t>(row)] == control)
            return row;
    return -1;
}

// The row in the genitive, as the U-value's message names it: «стены А», «потолка», «пола».
constexpr std::array<std::string_view, kRowCount> kRowsOf{"стены А", "стены Б", "стены В",
                                                          "стены Г", "потолка", "пола"};

} // namespace

void FormModel::Impl::applyFlag(Control checkBox)
{
    const FieldTexts before = numericFieldTexts();
    if (checkBox == Control::DoorOpenAllDay && state.doorOpenAllDay == 0 && state.doorTimeMode != 0 &&
        state.doorOpenTime > fields::kDoorOpenHoursMax) {
        // A door-open time typed above 8 h is held to the bound the flag no longer lifts.
        state.doorOpenTime = showNumber(Control::DoorOpenTime, fields::kDoorOpenHoursMax);
    }
    if (checkBox == Control::LightingTwoDecimals && state.lightingTwoDecimals == 0) {
        const double cut = fields::CutToDecimals(state.lightingPowerDensity, kLightingDecimalsWithoutFlag);
        if (cut != state.lightingPowerDensity)
            state.lightingPowerDensity = showNumber(Control::LightingPowerDensity, cut);
    }
    recalculate();
    if (const FieldName* cause = FlagCause(checkBox)) {
        std::vector<RewrittenField> rewritten;
        for (const fields::NumericField& field : fields::NumericFields()) {
            const ControlState& c = at(field.control);
            if (c.text != before[static_cast<std::size_t>(field.control)] && c.enabled)
                if (const FieldName* name = FindFieldName(field.control))
                    rewritten.push_back({name, c.text});
        }
        post(RewriteMessage(*cause, rewritten));
    }
}

std::optional<double> FormModel::Impl::cutToFieldDecimals(const fields::NumericField& field, double value)
{
    if (field.control != Control::LightingPowerDensity || state.lightingTwoDecimals == 0)
        return std::nullopt; // the field keeps what its length lets the user type
    const double cut = fields::CutToDecimals(value, kLightingDecimalsWithFlag);
    if (cut == value)
        return std::nullopt;
    if (const FieldName* name = FindFieldName(field.control))
        post(std::string(name->name) + " " + Agreeing("ограничен", "ограничен", name->gender) +
             " двумя знаками после запятой: " + MessageNumber(cut) + std::string(name->unit));
    return cut;
}

void FormModel::Impl::showLightingFieldLength()
{
    const fields::NumericField* field = fields::FindNumericField(Control::LightingPowerDensity);
    const int length = state.lightingTwoDecimals != 0 ? kLightingLengthWithFlag : field->maxLength;
    if (at(Control::LightingPowerDensity).maxLength != length)
        change(Control::LightingPowerDensity).maxLength = length;
}

void FormModel::Impl::reportUValueRule(Control field, double previous, double value)
{
    const int row = UValueRow(field);
    if (row < 0 || (previous > 0) == (value > 0))
        return;
    const std::string_view of = kRowsOf[static_cast<std::size_t>(row)];
    if (value > 0)
        post("Коэффициент теплопередачи " + std::string(of) + " задан: слои " + std::string(of) +
             " на странице Q1 и дополнительные слои в расчёте не участвуют");
    else
        post("Коэффициент теплопередачи " + std::string(of) + " снят: теплоприток снова считается по слоям");
}

void FormModel::Impl::showMaterialLists()
{
    for (const ControlFacts& facts : AllControls()) {
        if (!ListsOwnMaterials(facts.control))
            continue;
        change(facts.control); // the window fills the list's entries again
        const int index = at(facts.control).index;
        setIndex(facts.control, index); // the chosen entry's text, should its material have changed
    }
}

ProjectState ExtensionInputs(const ProjectState& state)
{
    ProjectState inputs;
    CopyExtensionInputs(state, inputs);
    return inputs;
}

void CopyExtensionInputs(const ProjectState& from, ProjectState& to)
{
    for (std::size_t row = 0; row < to.rows.size(); ++row) {
        EnclosureRow& r = to.rows[row];
        const EnclosureRow& f = from.rows[row];
        r.uValue = f.uValue;
        r.extraLayerMaterial1 = f.extraLayerMaterial1;
        r.extraLayerThickness1 = f.extraLayerThickness1;
        r.extraLayerMaterial2 = f.extraLayerMaterial2;
        r.extraLayerThickness2 = f.extraLayerThickness2;
        r.extraLayerMaterial3 = f.extraLayerMaterial3;
        r.extraLayerThickness3 = f.extraLayerThickness3;
    }
    to.ownMaterials = from.ownMaterials;
    to.defrostHeaterPower = from.defrostHeaterPower;
    to.defrostCoolerCount = from.defrostCoolerCount;
    to.defrostsPerDay = from.defrostsPerDay;
    to.defrostDuration = from.defrostDuration;
    to.defrostRoomShare = from.defrostRoomShare;
    to.staffOwnHours = from.staffOwnHours;
    to.staffHours = from.staffHours;
    to.doorOpenAllDay = from.doorOpenAllDay;
    to.lightingTwoDecimals = from.lightingTwoDecimals;
}

void FormModel::Impl::clearExtensionInputs()
{
    const bool hadOwnMaterials = !state.ownMaterials.empty();
    CopyExtensionInputs(ProjectState{}, state);
    if (hadOwnMaterials)
        showMaterialLists();
    showExtensionInputs();
}

void FormModel::Impl::showExtensionInputs()
{
    for (const ControlFacts& facts : AllControls()) {
        if (facts.tab != fields::kExtraTab)
            continue;
        if (const fields::NumericField* field = fields::FindNumericField(facts.control))
            setText(facts.control, fields::DisplayText(ParameterValue(state, field->control)));
        else if (fields::FindListField(facts.control) || fields::FindCheckBoxField(facts.control))
            setIndex(facts.control, static_cast<int>(ParameterValue(state, facts.control)));
    }
    setEnabled(Control::StaffHours, state.staffOwnHours != 0);
    setEnabled(Control::UValueFloor, state.floorType != refdata::kFloorOnGround);
    showLightingFieldLength();
}

int FormModel::Impl::useOwnMaterial(const OwnMaterial& material)
{
    auto& own = state.ownMaterials;
    const auto same =
        std::find_if(own.begin(), own.end(), [&](const OwnMaterial& m) { return m.name == material.name; });
    if (same != own.end() && *same == material)
        return static_cast<int>(same - own.begin());
    const std::string number = MessageNumber(material.conductivity);
    int index = 0;
    if (same != own.end()) {
        *same = material;
        index = static_cast<int>(same - own.begin());
        post("Свой материал «" + material.name + "» в проекте изменён: λ = " + number + " Вт/(м·К)");
    } else {
        own.push_back(material);
        index = static_cast<int>(own.size()) - 1;
        post("Свой материал «" + material.name + "» (λ = " + number +
             " Вт/(м·К)) добавлен в списки материалов проекта");
    }
    showMaterialLists();
    recalculate();
    return index;
}

} // namespace zeltar
