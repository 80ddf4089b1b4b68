#pragma once
// The main window's size, position and maximised state, kept with the preferences from one
// run to the next. Restored before the window is first shown, so the layout rules see the
// restored size as they would see the user resize the window.

class QWidget;

class WindowGeometry {
public:
    // False, leaving the window as it is, when nothing usable is stored.
    static bool restore(QWidget& window);
    static void save(const QWidget& window);
};
