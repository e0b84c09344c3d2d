// Leaving a numeric field: the one commit routine of every field (normalise, clamp, show, store),
// the extra effects some commits carry, and the recalculation that ends each change.
#include "app/form_impl.h"

#include "app/change_messages.h"
#include "app/form_parameters.h"
#include "app/form_rows.h"
#include "app/result_controls.h"
#include "calc/goods_load.h"
#include "calc/recalculate.h"
#include "fields/number_text.h"
#include "refdata/room_types.h"

#include <algorithm>
#include <exception>

namespace zeltar {

namespace {

using fields::CommitEffect;
using fields::ComputedBound;

// The stacking height that a room height presets: one metre below it, within 0..20 m.
constexpr double kStackClearance = 1;
constexpr double kStackHeightPresetMax = 20;
// The tonnes-per-day field's bound: round((NetCapacity + 1) x 1.5).
constexpr double kTurnoverBoundFactor = 1.5;
// A net capacity of exactly 0 is taken as 0.01 t when tonnes per day are entered.
constexpr double kSmallestNetCapacity = 0.01;
constexpr double kMaxDailyTurnoverPercent = 150;

ControlColor ColorOf(calc::Warning warning)
{
    return warning == calc::Warning::Red ? ControlColor::Red : ControlColor::White;
}

} // namespace

double FormModel::Impl::upperBound(const fields::NumericField& field) const
{
    switch (field.computedUpper) {
    case ComputedBound::None: return field.upper;
    case ComputedBound::StackHeight: return fields::RoundHalfEven(state.roomHeight) - 1;
    case ComputedBound::DailyTurnover: return fields::RoundHalfEven((state.netCapacity + 1) * kTurnoverBoundFactor);
    case ComputedBound::DoorHeight: return fields::RoundHalfEven(state.roomHeight);
    case ComputedBound::DoorWidth: return fields::RoundHalfEven(state.roomWidth);
    case ComputedBound::DoorOpenTime:
        return state.doorOpenAllDay != 0 ? fields::kDoorOpenAllDayHoursMax : fields::kDoorOpenHoursMax;
    }
    return field.upper;
}

bool FormModel::Impl::commitField(const fields::NumericField& field)
{
    const std::string typed = at(field.control).text;
    const double upper = upperBound(field);
    const std::optional<std::string> normal = fields::NormalizeAndClamp(typed, field.lower, upper);
    if (!normal) {
        fail(fields::NotAFloatMessage(typed));
        return false;
    }
    const FieldTexts before = numericFieldTexts();
    std::string shown = std::string(fields::kDisplayBlanks) + *normal;
    double value = 0;
    if (field.storage == fields::Storage::Whole) {
        const std::optional<std::int32_t> whole = fields::ParseInteger(shown);
        if (!whole) {
            fail(fields::NotAnIntegerMessage(shown));
            return false; // the field keeps the typed text, the parameter its value
        }
        value = *whole;
    } else {
        const std::optional<double> real = fields::ParseDecimal(shown);
        if (!real) {
            fail(fields::NotAFloatMessage(shown));
            return false;
        }
        value = *real;
    }
    if (const std::optional<double> cut = cutToFieldDecimals(field, value)) {
        value = *cut;
        shown = fields::DisplayText(value);
    }
    const double previous = ParameterValue(state, field.control);
    setText(field.control, shown);
    holdValue(field, value);
    reportClamp(field, typed, upper);
    reportUValueRule(field.control, previous, value);
    applyCommitEffect(field.effect);
    recalculate();
    reportRewrites(field.control, before);
    return true;
}

void FormModel::Impl::reportClamp(const fields::NumericField& field, const std::string& typed, double upper)
{
    const FieldName* name = FindFieldName(field.control);
    const double typedValue = fields::ParseDecimal(typed).value_or(0); // an empty field commits 0
    if (name == nullptr)
        return;
    if (typedValue > upper)
        post(ClampMessage(*name, true, upper, field.computedUpper));
    else if (typedValue < field.lower)
        post(ClampMessage(*name, false, field.lower, ComputedBound::None));
}

void FormModel::Impl::holdValue(const fields::NumericField& field, double value)
{
    const ParameterSlot slot = FindParameter(state, field.control);
    if (slot.whole)
        *slot.whole = static_cast<int>(value);
    else
        *slot.real = field.storage == fields::Storage::Percent ? value / 100 : value;
}

void FormModel::Impl::applyCommitEffect(CommitEffect effect)
{
    switch (effect) {
    case CommitEffect::None: return;
    case CommitEffect::DesignTemperature:
        setOutsideTemperatures(state.outsideDesignTemperature, at(Control::OutsideDesignTemperature).text);
        return;
    case CommitEffect::RoomHeight:
        // The pass works with the stacking height the field shows (and the file stores).
        state.stackHeight = showNumber(Control::StackHeight,
                                       std::clamp(state.roomHeight - kStackClearance, 0.0, kStackHeightPresetMax));
        return;
    case CommitEffect::RoomTemperature: raiseGoodsTemperatures(); return;
    case CommitEffect::DailyTurnoverPercent:
        state.dailyTurnover = showNumber(Control::DailyTurnover,
                                         calc::DailyTurnoverTonnes(state.netCapacity, state.dailyTurnoverPercent));
        return;
    case CommitEffect::DailyTurnover: {
        if (state.netCapacity == 0)
            state.netCapacity = kSmallestNetCapacity;
        const double typedPercent = state.dailyTurnover * 100 / state.netCapacity;
        state.dailyTurnoverPercent = std::min(typedPercent, kMaxDailyTurnoverPercent);
        state.dailyTurnover = showNumber(Control::DailyTurnover,
                                         calc::DailyTurnoverTonnes(state.netCapacity, state.dailyTurnoverPercent));
        if (typedPercent > kMaxDailyTurnoverPercent)
            post("Суточный грузооборот ограничен: не больше " + MessageNumber(kMaxDailyTurnoverPercent) +
                 " % ёмкости камеры, " + MessageNumber(state.dailyTurnover) + " т/сут");
        // The percentage is shown to one decimal; the parameter keeps its full precision (the
        // file keeps it too, see PercentLineText).
        setText(Control::DailyTurnoverPercent,
                fields::DisplayText(fields::RoundHalfEven(state.dailyTurnoverPercent * 10) / 10));
        return;
    }
    }
}

void FormModel::Impl::raiseGoodsTemperatures()
{
    const int roomType = state.roomType;
    if (refdata::IsRoomType(roomType)) {
        // Stores keep their goods at the room temperature; chambers and rails only raise them to it.
        if (refdata::GroupOf(roomType) == refdata::RoomGroup::Store ||
            state.productFinalTemperature < state.roomTemperature)
            state.productFinalTemperature = state.roomTemperature;
    }
    state.productFinalTemperature = showNumber(Control::ProductFinalTemperature, state.productFinalTemperature);
    if (state.productInletTemperature < state.productFinalTemperature)
        state.productInletTemperature = state.productFinalTemperature + 1;
    state.productInletTemperature = showNumber(Control::ProductInletTemperature, state.productInletTemperature);
}

double FormModel::Impl::showNumber(Control control, double value)
{
    std::string text = fields::DisplayText(value);
    const double shown = fields::ParseDecimal(text).value_or(value);
    setText(control, std::move(text));
    return shown;
}

void FormModel::Impl::setOutsideTemperatures(double designTemperature, const std::string& designText)
{
    for (int row = 0; row < kRowCount; ++row) {
        state.rows[static_cast<std::size_t>(row)].outsideTemperature = designTemperature;
        setText(*kOutsideTemperatureFields[static_cast<std::size_t>(row)], designText);
    }
    // The floor on heated ground keeps its heated base at 1 °C.
    if (state.floorType == refdata::kFloorOnHeatedGround) {
        state.rows[Floor].outsideTemperature = refdata::kHeatedBaseTemperature;
        setText(*kOutsideTemperatureFields[Floor], fields::DisplayText(refdata::kHeatedBaseTemperature));
    }
}

void FormModel::Impl::showModeFields()
{
    // The door-open time is entered in time mode; otherwise the load unit gives the vehicle passes.
    const bool doorTimeMode = state.doorTimeMode != 0;
    setEnabled(Control::DoorOpenTime, doorTimeMode);
    setEnabled(Control::LoadUnitMass, !doorTimeMode);
    setEnabled(Control::VehiclePasses, !doorTimeMode);
    // The fans take a share of the cooler capacity, or their installed count and power.
    const bool fanShare = state.fanDetailedCalculation == 0;
    setEnabled(Control::FanSharePercent, fanShare);
    setEnabled(Control::FanPower, !fanShare);
    setEnabled(Control::FanCount, !fanShare);
    // The staff's own hours are entered only with their check box; else the lighting hours count.
    setEnabled(Control::StaffHours, state.staffOwnHours != 0);
    showLightingFieldLength();
}

void FormModel::Impl::recalculate()
{
    calc::RecalcResult result;
    try {
        result = calc::Recalculate(state);
    } catch (const std::exception& e) {
        fail(std::string("Расчёт не выполнен: ") + e.what() + ".");
        return;
    }
    for (const calc::ResultRow& row : calc::kResultRows) {
        const std::optional<std::string> text = ShownResult(result, row.field);
        if (!text)
            continue;
        if (at(row.control).text != *text)
            setText(row.control, *text);
        // A field the pass writes that is an input as well (the packaging share a rail room shows
        // as 0, the tonnes per day): its parameter holds what it shows, as the file will store it.
        if (const fields::NumericField* input = fields::FindNumericField(row.control))
            if (const std::optional<double> shown = fields::ParseDecimal(*text))
                holdValue(*input, *shown);
    }

    setColor(kRoomTemperatureControl, ColorOf(result.roomTemperatureColor));
    setColor(kProductInletTemperatureControl, ColorOf(result.productInletTemperatureColor));
    setColor(kProductFinalTemperatureControl, ColorOf(result.productFinalTemperatureColor));

    showModeFields();

    lastValues = result.values;
    state.netCapacity = result.netCapacity;
    if (result.doorOpenTime)
        state.doorOpenTime = *result.doorOpenTime;
}

} // namespace zeltar
