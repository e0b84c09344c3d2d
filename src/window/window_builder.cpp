#include "window/window_builder.h"

#include "window/button_tabs.h"
#include "window/list_box.h"
#include "window/window_artwork.h"
#include "window/window_style.h"
#include "fields/control_catalogue.h"
#include "plan/qt/plan_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zeltar::gui {

namespace {

using plan::SurfaceTileWidget;

constexpr std::array<Control, 5> kSunTiles{Control::SunTileA, Control::SunTileB, Control::SunTileC, Control::SunTileD,
                                           Control::SunTileCeiling};

constexpr int kWallLetterPixels = 20;
constexpr int kCommandIconPixels = 24;

void Place(QWidget* widget, const Box& box)
{
    widget->setGeometry(box.x, box.y, box.width, box.height);
}

QWidget* CreateArea(const AreaPlace& place, QWidget* parent, ButtonTabs*& tabs)
{
    switch (place.kind) {
    case AreaKind::Bar: {
        auto* bar = new QWidget(parent);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, kDarkBlue);
        bar->setPalette(palette);
        bar->setAutoFillBackground(true);
        Place(bar, place.box);
        return bar;
    }
    case AreaKind::Group: {
        auto* group = new QGroupBox(QString::fromUtf8(place.caption), parent);
        Place(group, place.box);
        return group;
    }
    case AreaKind::Tabs:
        tabs = new ButtonTabs(parent);
        tabs->setObjectName(QStringLiteral("PageControl1"));
        Place(tabs, place.box);
        return tabs;
    case AreaKind::Page:
        if (tabs == nullptr)
            throw std::logic_error("a tab page before its tabbed area");
        return tabs->addPage(QString::fromUtf8(place.caption));
    }
    return nullptr;
}

// The widget kind follows the control name's prefix.
QWidget* CreateControl(Control control, QWidget* parent)
{
    switch (Facts(control).type) {
    case ControlType::ComboBox: {
        auto* combo = new ListBox(parent);
        combo->setMaxVisibleItems(20);
        return combo;
    }
    case ControlType::CheckBox: return new QCheckBox(parent);
    case ControlType::Edit: return new QLineEdit(parent);
    case ControlType::Button:
    case ControlType::BitBtn: return new QPushButton(parent);
    case ControlType::PaintBox:
        if (control == Control::Plan)
            return new plan::PlanWidget(parent);
        if (control == Control::SectionSketch)
            return plan::CreateSectionSketch(parent);
        if (control == Control::Logo)
            return CreateLogo(parent);
        return new SurfaceTileWidget(std::ranges::find(kSunTiles, control) != kSunTiles.end()
                                         ? SurfaceTileWidget::Kind::Sun
                                         : SurfaceTileWidget::Kind::Facing,
                                     parent);
    case ControlType::Label: break; // captions are placed with the captions
    }
    throw std::logic_error("no widget kind for control " + std::string(Name(control)));
}

QString ObjectName(Control control)
{
    const std::string_view name = Name(control);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void StyleCaption(QLabel* label, CaptionStyle style)
{
    switch (style) {
    case CaptionStyle::Plain: break;
    case CaptionStyle::Right: label->setAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
    case CaptionStyle::Centered: label->setAlignment(Qt::AlignCenter); break;
    case CaptionStyle::Bold: label->setFont(BoldFont(WindowFont().pixelSize())); break;
    case CaptionStyle::BoldCentered:
        label->setFont(BoldFont(WindowFont().pixelSize()));
        label->setAlignment(Qt::AlignCenter);
        break;
    case CaptionStyle::OnBar: {
        label->setFont(BoldFont(WindowFont().pixelSize()));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        break;
    }
    case CaptionStyle::WallLetter:
    case CaptionStyle::WallLetterRegular: {
        QFont font = BoldFont(kWallLetterPixels);
        font.setBold(style == CaptionStyle::WallLetter);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        break;
    }
    }
}

void WriteInHotTrackColour(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, kHotTrack);
        palette.setColor(group, QPalette::ButtonText, kHotTrack);
    }
    widget->setPalette(palette);
}

} // namespace

WindowWidgets BuildWindowWidgets(QWidget* window)
{
    WindowWidgets widgets;
    std::map<Area, QWidget*> areas{{Area::Window, window}};
    for (const AreaPlace& place : AreaPlaces())
        areas[place.area] = CreateArea(place, areas.at(place.parent), widgets.tabs);

    for (const CommandPlace& place : CommandPlaces()) {
        auto* button = new QPushButton(areas.at(Area::CommandBar));
        button->setObjectName(ObjectName(place.control));
        button->setIcon(DrawCommandIcon(place.command));
        button->setIconSize(QSize(kCommandIconPixels, kCommandIconPixels));
        Place(button, place.box);
        widgets.commands[place.command] = button;
        widgets.controls.emplace(place.control, button);
    }

    for (const auto placements : {PanelControlPlaces(), PageControlPlaces()})
        for (const ControlPlace& place : placements) {
            QWidget* widget = CreateControl(place.control, areas.at(place.area));
            widget->setObjectName(ObjectName(place.control));
            Place(widget, place.box);
            if (std::ranges::find(kHotTrackControls, place.control) != kHotTrackControls.end())
                WriteInHotTrackColour(widget);
            widgets.controls.emplace(place.control, widget);
        }

    // Captions last, so that those lying on the plan are drawn over it.
    for (const auto placements : {PanelCaptionPlaces(), PageCaptionPlaces()})
        for (const CaptionPlace& place : placements) {
            auto* label = new QLabel(QString::fromUtf8(place.text), areas.at(place.area));
            StyleCaption(label, place.style);
            Place(label, place.box);
            if (place.control) {
                label->setObjectName(ObjectName(*place.control));
                widgets.controls.emplace(*place.control, label);
            }
        }
    return widgets;
}

} // namespace zeltar::gui
