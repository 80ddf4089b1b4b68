#pragma once
// The backup's worker thread. Its job may show a message box, which runs on the main thread
// while the job waits for it to be dismissed. Destroying the thread cancels the copy through
// the shared flag and waits for the job to end; a message still pending then is dropped.

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

struct CopyControl;

class BackupCopyThread : public QThread {
    Q_OBJECT
public:
    BackupCopyThread(std::function<void()> job, CopyControl& control, QObject* parent = nullptr);
    ~BackupCopyThread() override;

    // From the job: shows the message on the main thread and returns once it is dismissed.
    void showMessageAndWait(const QString& message);
    // From the job: runs the action on the main thread, without waiting.
    void runOnMainThread(std::function<void()> action);

protected:
    void run() override;

private:
    std::function<void()> mJob;
    CopyControl& mControl;
    // Shared with calls still queued on the main thread, which may outlive this object.
    std::shared_ptr<std::atomic<bool>> mAbandoned = std::make_shared<std::atomic<bool>>(false);
};
