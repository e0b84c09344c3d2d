// The window's controls: the catalogue of every field, list, check box, caption, paint area and
// button with its tab page, and the texts, choices, states and colours they show at start-up.
#include "app/form_impl.h"

#include "app/form_lists.h"
#include "app/form_parameters.h"
#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "fields/number_text.h"
#include "fields/utf8.h"
#include "model/startup_state.h"
#include "refdata/materials.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zeltar {

namespace {

using fields::kNoTab;

// Result and copy fields, Edit<first> to Edit<last> on one tab page. Edit117 and the summary
// fields accept typing but have no input rules.
struct DisplayEdits {
    int first;
    int last;
    int tab;
    bool readOnly;
};

constexpr DisplayEdits kDisplayEdits[]{
    {25, 25, kNoTab, true},                   // room volume
    {26, 29, fields::kSolarTab, true},        // wall directions
    {31, 35, fields::kSolarTab, true},        // construction material copies
    {36, 42, fields::kEnclosureTab, true},    // Q1 rows and total
    {44, 48, fields::kSolarTab, true},        // sun texts
    {49, 53, fields::kEnclosureTab, true},    // outside/inside texts
    {57, 72, fields::kSolarTab, true},        // outside/inside copies, Q12 rows and total
    {73, 73, fields::kVentilationTab, true},  // Q3
    {77, 78, fields::kGoodsTab, true},        // gross and net capacity
    {80, 81, fields::kGoodsTab, true},        // moisture, cryoscopic temperature
    {84, 90, fields::kGoodsTab, true},        // enthalpy differences, Q21, Q22, respiration, Q2, Q5
    {94, 94, fields::kOperationalTab, true},  // vehicle passes
    {98, 100, fields::kOperationalTab, true}, // door, staff, lighting gains
    {104, 105, fields::kOperationalTab, true}, // vehicle and fan gains
    {106, 106, kNoTab, true},                 // Q сум.
    {113, 113, fields::kOperationalTab, true}, // consumer gain
    {115, 116, kNoTab, true},                 // area, Q об.
    {117, 117, fields::kOperationalTab, false}, // ИТОГО Q4
    {118, 123, kNoTab, false},                // summary column
};

struct CaptionControl {
    std::string_view name;
    ControlType type;
    int tab;
    std::string_view caption;
};

constexpr std::string_view kFillCaption = "ВВОД ДАННЫХ ПО ПЕРВОЙ СТРОКЕ";

constexpr CaptionControl kCaptionControls[]{
    {"Label46", ControlType::Label, kNoTab, refdata::kRunningHoursCaption},
    {"Label63", ControlType::Label, fields::kGoodsTab, "Суточный грузооборот камеры, %"},
    {"Label105", ControlType::Label, fields::kOperationalTab, "Ориентировочно "},
    {"Label106", ControlType::Label, fields::kOperationalTab, "в % от Q полн"},
    {"Label111", ControlType::Label, fields::kOperationalTab, "Мощность"},
    {"Label117", ControlType::Label, fields::kOperationalTab, "вентилятора, кВт"},
    // Captions hidden with their fields by the room type.
    {"StackHeightLabel", ControlType::Label, fields::kGoodsTab, "Высота штабелирования груза, м"},
    {"StackDensityLabel", ControlType::Label, fields::kGoodsTab, "Плотность груза в штабеле, кг/куб.м"},
    {"PackagingShareLabel", ControlType::Label, fields::kGoodsTab, "Массовая доля тары, %"},
    {"GrossCapacityLabel", ControlType::Label, fields::kGoodsTab, "Полная ёмкость камеры (брутто), т"},
    {"DailyTurnoverLabel", ControlType::Label, fields::kGoodsTab, "Суточный грузооборот камеры, т/сут"},
    // Buttons.
    {"Button1", ControlType::Button, kNoTab, "КОМПАС"},
    {"BitBtn1", ControlType::BitBtn, kNoTab, "   ПРОСМОТР ПЕЧАТИ"},
    {"BitBtn2", ControlType::BitBtn, kNoTab, "    ПЕЧАТЬ ПРОЕКТА"},
    {"BitBtn3", ControlType::BitBtn, kNoTab, "     ВЫХОД"},
    {"BitBtn4", ControlType::BitBtn, kNoTab, "  ЗАГРУЗИТЬ ПРОЕКТ"},
    {"BitBtn5", ControlType::BitBtn, kNoTab, "   СОХРАНИТЬ ПРОЕКТ"},
    {"BitBtn7", ControlType::BitBtn, fields::kEnclosureTab, kFillCaption},
    {"BitBtn8", ControlType::BitBtn, fields::kSolarTab, kFillCaption},
};

// Copies of the construction material names of walls A to D and the ceiling on the solar tab.
constexpr std::array<std::string_view, kSurfaceRowCount> kMaterialCopyFields{"Edit31", "Edit32", "Edit33", "Edit34",
                                                                             "Edit35"};

constexpr int kPaintBoxCount = 13; // PaintBox1 plan, PaintBox3 section sketch, the others tiles or logo

// Light yellow at start-up: the wall lists, the wall finish lists, the twelve thickness fields and
// the outside temperatures of walls A to D and the ceiling.
constexpr std::string_view kYellowAtStartup[]{
    "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7", "ComboBox8",
    "ComboBox14", "ComboBox15", "ComboBox16", "ComboBox17",
    "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit13", "Edit14", "Edit16", "Edit17",
    "Edit9", "Edit10", "Edit11", "Edit12", "Edit15",
};

// Fields that only the door and fan modes enable; at start-up both modes are off.
constexpr std::string_view kDisabledAtStartup[]{"Edit114", "Edit130", "Edit131"};

std::string Numbered(std::string_view prefix, int number)
{
    return std::string(prefix) + std::to_string(number);
}

} // namespace

FormModel::Impl::Impl(std::string today) : state(StartupState(std::move(today)))
{
    createControls();
    showStartupDefaults();
    focus = "ComboBox13";
    tab = fields::kEnclosureTab;
    markUnmodified();
    changed.clear(); // a window mirrors every control of the start-up state when it binds
}

void FormModel::Impl::createControls()
{
    auto add = [this](std::string name, ControlState c) {
        names.push_back(name);
        controls.emplace(std::move(name), std::move(c));
    };
    std::map<int, ControlState> edits;
    for (const fields::NumericField& f : fields::NumericFields()) {
        ControlState c;
        c.maxLength = f.maxLength;
        c.tab = f.tab;
        edits[std::stoi(std::string(f.control.substr(4)))] = c;
    }
    for (const fields::TextField& f : fields::TextFields()) {
        ControlState c;
        c.tab = f.tab;
        edits[std::stoi(std::string(f.control.substr(4)))] = c;
    }
    for (const DisplayEdits& range : kDisplayEdits)
        for (int n = range.first; n <= range.last; ++n) {
            ControlState c;
            c.readOnly = range.readOnly;
            c.tab = range.tab;
            edits[n] = c;
        }
    for (auto& [number, c] : edits)
        add(Numbered("Edit", number), c);

    for (int n = 1; n <= static_cast<int>(fields::ListFields().size()); ++n) {
        const std::string name = Numbered("ComboBox", n);
        ControlState c;
        c.type = ControlType::ComboBox;
        c.tab = fields::FindListField(name)->tab;
        add(name, c);
    }
    for (const fields::CheckBoxField& box : fields::CheckBoxFields()) {
        ControlState c;
        c.type = ControlType::CheckBox;
        c.tab = box.tab;
        c.text = std::string(box.caption);
        c.index = 0;
        add(std::string(box.control), c);
    }
    for (const CaptionControl& cc : kCaptionControls) {
        ControlState c;
        c.type = cc.type;
        c.tab = cc.tab;
        c.text = std::string(cc.caption);
        add(std::string(cc.name), c);
    }
    for (int n = 1; n <= kPaintBoxCount; ++n) {
        ControlState c;
        c.type = ControlType::PaintBox;
        add(Numbered("PaintBox", n), c);
    }
}

void FormModel::Impl::showStartupDefaults()
{
    for (const fields::NumericField& f : fields::NumericFields()) {
        const double value = ParameterValue(state, f.parameter);
        setText(f.control, fields::DisplayText(f.storage == fields::Storage::Percent ? value * 100 : value));
    }
    for (const fields::ListField& list : fields::ListFields())
        setIndex(list.control, static_cast<int>(ParameterValue(state, list.parameter)));
    for (const fields::CheckBoxField& box : fields::CheckBoxFields())
        setIndex(box.control, static_cast<int>(ParameterValue(state, box.parameter)));
    for (const fields::TextField& f : fields::TextFields())
        setText(f.control, *FindParameter(state, f.parameter).text);

    const refdata::Product& product = refdata::kProducts[static_cast<std::size_t>(state.product)];
    setText("Edit80", fields::DisplayText(product.waterContent));
    setText("Edit81", fields::DisplayText(state.cryoscopicTemperature));
    showWallDirections();
    showTiles();

    // The construction material names on the solar tab, as the recalculation writes them.
    for (int row = WallA; row <= WallD; ++row)
        setText(kMaterialCopyFields[static_cast<std::size_t>(row)],
                std::string(refdata::kWallStructureMaterials[static_cast<std::size_t>(
                                                                 state.rows[static_cast<std::size_t>(row)].structureMaterial)]
                                .name));
    setText(kMaterialCopyFields[Ceiling],
            std::string(refdata::kCeilingStructureMaterials[static_cast<std::size_t>(state.rows[Ceiling].structureMaterial)].name));
    // No recalculation at start-up: every other result shows "  0".
    for (const std::string_view control : kResultControls)
        if (at(control).text.empty())
            setText(control, fields::DisplayText(0));

    for (const std::string_view name : kYellowAtStartup)
        setColor(name, ControlColor::Yellow);
    showCityFieldsState();
    showFloorFieldState();
    for (const std::string_view name : kDisabledAtStartup)
        setEnabled(name, false);
}

const ControlState& FormModel::Impl::at(std::string_view name) const
{
    const auto it = controls.find(name);
    if (it == controls.end())
        throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

ControlState& FormModel::Impl::change(std::string_view name)
{
    const auto it = controls.find(name);
    if (it == controls.end())
        throw std::out_of_range("no control named " + std::string(name));
    ++revision;
    changed.insert(it->first);
    return it->second;
}

void FormModel::Impl::setText(std::string_view name, std::string text)
{
    if (at(name).text == text)
        return;
    ControlState& c = change(name);
    c.text = std::move(text);
    // The selection stays within the new text.
    const int length = static_cast<int>(fields::CharacterCount(c.text));
    c.selectionStart = std::min(c.selectionStart, length);
    c.selectionLength = std::min(c.selectionLength, length - c.selectionStart);
}

void FormModel::Impl::setIndex(std::string_view name, int index)
{
    const ControlState& shown = at(name);
    const bool isList = shown.type == ControlType::ComboBox;
    std::string text = isList ? ListEntryText(name, index) : shown.text;
    if (shown.index == index && shown.text == text)
        return;
    ControlState& c = change(name);
    c.index = index;
    c.text = std::move(text);
}

void FormModel::Impl::setEnabled(std::string_view name, bool enabled)
{
    if (at(name).enabled != enabled)
        change(name).enabled = enabled;
}

void FormModel::Impl::setVisible(std::string_view name, bool visible)
{
    if (at(name).visible != visible)
        change(name).visible = visible;
}

void FormModel::Impl::setColor(std::string_view name, ControlColor color)
{
    if (at(name).color != color)
        change(name).color = color;
}

void FormModel::Impl::fail(std::string message)
{
    errors.push_back(std::move(message));
}

} // namespace zeltar
