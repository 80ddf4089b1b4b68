#pragma once
// The waiting window: a small transparent window centred on the screen, above the main window,
// with a white spinner. At most one exists; pmStartWait and pmEndWait bracket long steps.

#include <QWidget>

class YRKSpinningProgressIndicator;

class WaitingWindowController : public QWidget {
    Q_OBJECT
public:
    WaitingWindowController();

    YRKSpinningProgressIndicator* turboFan() const { return _turboFan; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    YRKSpinningProgressIndicator* _turboFan;
};

// Shows the waiting window unless one is open (there is no nesting count).
void pmStartWait();
// Closes the waiting window if one is open; logs either way.
void pmEndWait();
// The open waiting window, or null.
WaitingWindowController* pmWaitingWindow();
