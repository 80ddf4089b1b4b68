#include "BackupCopyThread.h"

#include "BackupMessages.h"
#include "MessageBox.h"

#include <QCoreApplication>

BackupCopyThread::BackupCopyThread(std::function<void()> job, CopyControl& control, QObject* parent)
    : QThread(parent), mJob(std::move(job)), mControl(control)
{
}

std::unique_ptr<BackupCopyThread> BackupCopyThread::forPlan(std::function<BackupPlan()> makePlan, CopyControl& control,
                                                            const CopyOptions& options, QObject* parent)
{
    auto thread = std::make_unique<BackupCopyThread>(nullptr, control, parent);
    thread->mJob = [self = thread.get(), makePlan = std::move(makePlan), options] {
        self->runPlan(makePlan(), options);
    };
    return thread;
}

BackupCopyThread::~BackupCopyThread()
{
    *mAbandoned = true;
    mControl.cancelled = true;
    // A job waiting for a message box needs the main thread's events to return.
    while (!wait(20))
        QCoreApplication::processEvents();
}

void BackupCopyThread::run()
{
    mJob();
}

void BackupCopyThread::runPlan(const BackupPlan& plan, const CopyOptions& options)
{
    emit planned(plan.totalBytes(), static_cast<int>(plan.items().size()));
    BackupEvents events;
    events.finished = [this](const BackupItem& item, BackupStatus status) {
        const QString message = pmBackupFailureMessage(status, item.source);
        if (!message.isEmpty())
            showMessageAndWait(message);
    };
    mResult = pmRunBackup(plan, mControl, events, options);
}

void BackupCopyThread::showMessageAndWait(const QString& message)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [abandoned = mAbandoned, message] {
            if (!*abandoned)
                pmMessageBox(message);
        },
        Qt::BlockingQueuedConnection);
}
