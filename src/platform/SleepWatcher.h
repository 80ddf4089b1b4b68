#pragma once
// The machine going to sleep and waking up, from logind's PrepareForSleep signal on the system
// bus. Without a system bus (containers, some CI machines) nothing is reported.

#include <QObject>

class SleepWatcher : public QObject {
    Q_OBJECT
public:
    explicit SleepWatcher(QObject* parent = nullptr);

    // False when the signal could not be subscribed to; the reason is logged.
    bool isWatching() const { return mWatching; }

signals:
    void willSleep();
    void didWake();

private slots:
    void onPrepareForSleep(bool start);

private:
    bool mWatching = false;
};
