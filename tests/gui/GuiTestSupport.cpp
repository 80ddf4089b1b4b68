#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "VideoFixtures.h"
#include "util/Log.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

QStringList logMessages()
{
    QFile file(QString::fromStdString(pmGetLogPath()));
    QStringList messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        // "YYYY-MM-DD hh:mm:ss.ms message"
        messages << line.section(' ', 2);
    }
    return messages;
}

int logIndexOf(const QStringList& messages, const QString& text, int from)
{
    for (int i = std::max(0, from); i < messages.size(); ++i) {
        if (messages[i] == text)
            return i;
    }
    return -1;
}

void runEventLoopFor(int milliseconds)
{
    QTest::qWait(milliseconds);
}

std::unique_ptr<AppDelegate> launchApplication(const QString& folder)
{
    auto delegate = std::make_unique<AppDelegate>();
    delegate->setConnectivityCheck([] { return false; });
    delegate->setLaunchFolder(folder);
    delegate->awakeFromNib();
    delegate->applicationWillFinishLaunching();
    delegate->mainWindow()->show();
    delegate->applicationDidFinishLaunching();
    return delegate;
}

void writeRecording(const QString& folder, const QString& relativePath, int daysAgo)
{
    const QString path = QDir(folder).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = makeMp4();
    file.write(bytes.data(), qint64(bytes.size()));
    file.flush(); // a later flush would move the modification time again
    file.setFileTime(QDateTime::currentDateTime().addDays(-daysAgo), QFileDevice::FileModificationTime);
}
