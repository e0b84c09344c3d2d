// Creates the widgets of the main window from the layout tables: regions, one widget per control
// named after it, the fixed captions and the command buttons. Texts, choices and states are not
// set here: the form binding mirrors them from the model.
#pragma once

#include "window/window_layout.h"

#include <QString>

#include <functional>
#include <map>
#include <string>

class QPushButton;
class QWidget;

namespace zeltar::gui {

class ButtonTabs;

struct WindowWidgets {
    // Every control of the layout and every caption the model knows, by control name.
    std::map<Control, QWidget*> controls;
    ButtonTabs* tabs = nullptr;
    // The command bar's buttons (also in `controls`).
    std::map<Command, QPushButton*> commands;
};

WindowWidgets BuildWindowWidgets(QWidget* window);

} // namespace zeltar::gui
