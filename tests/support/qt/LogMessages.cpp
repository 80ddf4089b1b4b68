#include "LogMessages.h"

#include "util/Log.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

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

int countMatching(const QStringList& messages, const QString& pattern)
{
    const QRegularExpression re(pattern);
    return int(std::count_if(messages.begin(), messages.end(), [&](const QString& line) { return re.match(line).hasMatch(); }));
}
