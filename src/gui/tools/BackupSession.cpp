#include "BackupSession.h"

#include "BackupCopyThread.h"
#include "LogText.h"
#include "ProgressDlg.h"

BackupSession::BackupSession(QWidget* window, QObject* parent) : QObject(parent), mWindow(window) {}

BackupSession::~BackupSession()
{
    mThread.reset(); // cancels and waits, before the counters it shares go
    delete mProgressDlg;
}

ProgressDlg* BackupSession::progressDlg() const
{
    return mProgressDlg;
}

bool BackupSession::start(std::function<BackupPlan()> makePlan, const CopyOptions& options)
{
    if (mThread)
        return false;
    mControl.bytesCopied = 0;
    mControl.cancelled = false;
    mControl.filesSkipped = 0;
    mResult = {};
    delete mProgressDlg;
    mProgressDlg = new ProgressDlg(mControl, mWindow);
    mProgressDlg->show();
    mThread = BackupCopyThread::forPlan(std::move(makePlan), mControl, options);
    connect(mThread.get(), &BackupCopyThread::planned, this, &BackupSession::onPlanned);
    connect(mThread.get(), &QThread::finished, this, &BackupSession::onFinished, Qt::QueuedConnection);
    mThread->start();
    return true;
}

void BackupSession::onPlanned(quint64 totalBytes)
{
    // Refreshing before the total is known would show a full bar.
    if (!mProgressDlg)
        return;
    mProgressDlg->setLTotalSize(totalBytes);
    mProgressDlg->startTimer();
}

void BackupSession::onFinished()
{
    if (!mThread || mThread->isRunning())
        return;
    mResult = mThread->result();
    mThread.reset();
    if (mProgressDlg)
        mProgressDlg->stopTimer();
    pmWriteLogText(QStringLiteral("BackupSession::onFinished - copied %1, skipped %2, failed %3")
                       .arg(mResult.copied)
                       .arg(mResult.skipped)
                       .arg(mResult.failed));
    emit finished(mResult);
}
