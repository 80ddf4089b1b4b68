#pragma once
// One backup at a time behind the progress window: the copy thread makes the plan and runs it
// through the core, the window shows the bytes done and the recordings found already backed
// up, and its cancel button stops the copy after the current block.

#include "backup/BackupRun.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class BackupCopyThread;
class ProgressDlg;
class QWidget;

class BackupSession : public QObject {
    Q_OBJECT
public:
    explicit BackupSession(QWidget* window, QObject* parent = nullptr);
    ~BackupSession() override;

    // The window the progress window belongs to, from the next run on.
    void setWindow(QWidget* window) { mWindow = window; }

    // Starts a run unless one is going; makePlan runs on the copy thread.
    bool start(std::function<BackupPlan()> makePlan, const CopyOptions& options = {});
    bool isRunning() const { return mThread != nullptr; }
    // The last run's window, kept closed after it for its final figures.
    ProgressDlg* progressDlg() const;
    const BackupResult& result() const { return mResult; }
    quint64 bytesDone() const { return mControl.bytesCopied.load(); }

signals:
    // On the main thread, once the copy thread has ended and the window has closed.
    void finished(const BackupResult& result);

private:
    void onPlanned(quint64 totalBytes);
    void onFinished();

    QWidget* mWindow;
    CopyControl mControl;
    QPointer<ProgressDlg> mProgressDlg;
    std::unique_ptr<BackupCopyThread> mThread;
    BackupResult mResult;
};
