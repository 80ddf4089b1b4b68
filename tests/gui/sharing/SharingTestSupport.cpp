#include "SharingTestSupport.h"

#include "WaitFor.h"
#include "sharing/FacebookUploadRequest.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QMutex>
#include <QNetworkReply>
#include <QPushButton>

#include <algorithm>

namespace {

QMutex gConsoleMutex;
QStringList gConsoleLines;
QtMessageHandler gPreviousHandler = nullptr;

void keepConsoleLine(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        QMutexLocker lock(&gConsoleMutex);
        gConsoleLines << message;
    }
    if (gPreviousHandler)
        gPreviousHandler(type, context, message);
}

} // namespace

AlertRecorder::AlertRecorder()
{
    mTimer.setInterval(20);
    QObject::connect(&mTimer, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->buttons().isEmpty())
            return;
        mMessages << box->informativeText();
        box->buttons().first()->click();
    });
    mTimer.start();
}

AlertRecorder::~AlertRecorder() = default;

ConsoleRecorder::ConsoleRecorder()
{
    QMutexLocker lock(&gConsoleMutex);
    gConsoleLines.clear();
    gPreviousHandler = qInstallMessageHandler(keepConsoleLine);
}

ConsoleRecorder::~ConsoleRecorder()
{
    qInstallMessageHandler(gPreviousHandler);
}

QStringList ConsoleRecorder::lines()
{
    QMutexLocker lock(&gConsoleMutex);
    return gConsoleLines;
}

QString writePatternFile(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (qint64 written = 0; written < size;) {
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((written + i) * 7 % 251);
        const qint64 count = std::min<qint64>(block.size(), size - written);
        file.write(block.constData(), count);
        written += count;
    }
    return path;
}

bool waitForRequestsToEnd(const QObject* owner)
{
    return waitFor([owner] {
        const QList<QNetworkReply*> replies = owner->findChildren<QNetworkReply*>();
        const QList<FacebookUploadRequest*> uploads = owner->findChildren<FacebookUploadRequest*>();
        return std::all_of(replies.begin(), replies.end(), [](const QNetworkReply* reply) { return reply->isFinished(); })
            && std::none_of(uploads.begin(), uploads.end(), [](const FacebookUploadRequest* upload) { return upload->isRunning(); });
    });
}
