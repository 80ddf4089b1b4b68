#include "ProcessClock.h"

#include <QFile>

#include <ctime>
#include <unistd.h>

qint64 pmMillisecondsSinceProcessStart()
{
    // Field 22 of /proc/self/stat is the start time in clock ticks after boot. The command
    // name (field 2) may hold blanks, so count fields from its closing parenthesis.
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    constexpr int kStartTimeField = 22 - 3;
    if (close < 0 || fields.size() <= kStartTimeField)
        return -1;
    const double startSeconds = fields[kStartTimeField].toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowSeconds = double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    return qint64((nowSeconds - startSeconds) * 1000.0);
}
