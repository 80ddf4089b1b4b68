#include "BackupCopyThread.h"

#include "MessageBox.h"
#include "backup/FileCopy.h"

#include <QCoreApplication>

BackupCopyThread::BackupCopyThread(std::function<void()> job, CopyControl& control, QObject* parent)
    : QThread(parent), mJob(std::move(job)), mControl(control)
{
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

void BackupCopyThread::runOnMainThread(std::function<void()> action)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [abandoned = mAbandoned, action = std::move(action)] {
        if (!*abandoned)
            action();
    }, Qt::QueuedConnection);
}
