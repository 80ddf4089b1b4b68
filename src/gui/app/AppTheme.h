#pragma once
// The look of the standard widgets (menus, dialogs, the menu bar) next to the dark skins.

class QApplication;

void pmApplyAppTheme(QApplication& app);
