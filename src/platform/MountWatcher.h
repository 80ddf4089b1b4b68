#pragma once
// The mounts of the system as they come and go. The kernel marks /proc/self/mountinfo as
// having an exceptional condition (POLLPRI) whenever the table changes; the table is read
// again then, so a change is seen at once without polling.

#include "util/MountInfo.h"

#include <QObject>

#include <vector>

class QSocketNotifier;

class MountWatcher : public QObject {
    Q_OBJECT
public:
    explicit MountWatcher(QObject* parent = nullptr);
    ~MountWatcher() override;

    // False when the table cannot be opened; the reason is logged.
    bool isWatching() const { return mFd >= 0; }
    // The table as last read.
    const std::vector<MountEntry>& mounts() const { return mMounts; }

signals:
    // The table changed; mounts() holds the new one.
    void mountsChanged();

private:
    void reread();

    int mFd = -1;
    QSocketNotifier* mNotifier = nullptr;
    std::vector<MountEntry> mMounts;
};
