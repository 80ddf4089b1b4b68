#pragma once
// Counts the log messages that match a pattern from its making on. The log is the one trace
// many timed steps of the program leave (a layout, a folder event handled), so a test waits
// for the next such message rather than for the time the step takes.

#include "WaitFor.h"

#include <QString>

class LogWatch {
public:
    explicit LogWatch(QString pattern);

    // Matching messages written since the watch was made.
    int count() const;
    // Waits until count() reaches atLeast.
    bool waitFor(int atLeast = 1, int timeoutMs = kWaitMs) const;

private:
    QString mPattern;
    int mBefore;
};
