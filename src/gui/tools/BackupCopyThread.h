#pragma once
// The backup's worker thread. Its job may show a message box, which runs on the main thread
// while the job waits for it to be dismissed. Destroying the thread cancels the copy through
// the shared flag and waits for the job to end; a message still pending then is dropped.

#include "backup/BackupRun.h"

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class BackupCopyThread : public QThread {
    Q_OBJECT
public:
    BackupCopyThread(std::function<void()> job, CopyControl& control, QObject* parent = nullptr);
    // A backup run through the core: the plan is made on this thread (a card's scan can take a
    // while), then every recording is copied, verified or skipped; a failure is shown and
    // ends the run, a recording that is its own destination is shown and the run goes on.
    static std::unique_ptr<BackupCopyThread> forPlan(std::function<BackupPlan()> makePlan, CopyControl& control,
                                                     const CopyOptions& options = {}, QObject* parent = nullptr);
    ~BackupCopyThread() override;

    // The outcome of a planned run, once the thread has finished.
    const BackupResult& result() const { return mResult; }

    // From the job: shows the message on the main thread and returns once it is dismissed.
    void showMessageAndWait(const QString& message);

signals:
    // From a planned run, once its plan is made: the bytes and recordings it will go through.
    void planned(quint64 totalBytes, int recordings);

protected:
    void run() override;

private:
    void runPlan(const BackupPlan& plan, const CopyOptions& options);

    std::function<void()> mJob;
    CopyControl& mControl;
    BackupResult mResult;
    // Shared with calls still queued on the main thread, which may outlive this object.
    std::shared_ptr<std::atomic<bool>> mAbandoned = std::make_shared<std::atomic<bool>>(false);
};
