// What the binding shows beside the controls themselves: the tooltips (a field's or list's warnings
// first, then what the control is), the marks on the tab buttons, and the message lines.
#include "window/form_binding.h"

#include "app/control_tips.h"
#include "window/button_tabs.h"

#include "window/message_line.h"

namespace zeltar::gui {

void FormBinding::showTooltips()
{
    for (const auto& [control, widget] : widgets_)
        widget->setToolTip(QString::fromStdString(ControlTooltip(control)));
}

void FormBinding::syncWarnings()
{
    for (const auto& [control, widget] : widgets_) {
        const ControlType type = model_.control(control).type;
        if (type != ControlType::Edit && type != ControlType::ComboBox)
            continue;
        QString tip;
        for (const std::string& text : model_.warningTexts(control))
            tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(text);
        if (const std::string about = ControlTooltip(control); !about.empty())
            tip += (tip.isEmpty() ? QString() : QStringLiteral("\n\n")) + QString::fromStdString(about);
        QString& shown = shownWarnings_[control];
        if (shown != tip) {
            widget->setToolTip(tip);
            shown = tip;
        }
    }
    for (int tab = 0; tab < tabs_->count(); ++tab)
        tabs_->setTabMarked(tab, model_.tabHasWarning(tab));
}

void FormBinding::addMessageLine(MessageLine* line)
{
    messageLines_.push_back(line);
    line->setMessage(shownMessage_);
    syncMessageLine();
}

void FormBinding::syncMessageLine()
{
    const QString message = QString::fromStdString(model_.message());
    if (message == shownMessage_)
        return;
    shownMessage_ = message;
    for (MessageLine* line : messageLines_)
        line->setMessage(message);
}

} // namespace zeltar::gui
