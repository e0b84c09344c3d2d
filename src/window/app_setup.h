// What the program sets up on its QApplication before the window is created.
#pragma once

class QApplication;

namespace zeltar::gui {

// The same widget style everywhere (Fusion), which draws the fields' and lists' background colours.
void UseWindowStyle();
// Qt's own Russian texts (file dialogs, message boxes, print dialog) from qtbase_ru.qm in Qt's
// translations folder; false when they are not installed.
bool InstallRussianQtTranslations(QApplication& application);

} // namespace zeltar::gui
