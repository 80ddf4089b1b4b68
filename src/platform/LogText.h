#pragma once
// The application log for Qt texts: the same line as pmWriteLog, in UTF-8.

#include "util/Log.h"

#include <QDebug>
#include <QString>

inline void pmWriteLogText(const QString& line)
{
    pmWriteLog(line.toStdString());
}

// A console line (see pmWriteConsole); in the application it goes to Qt's message output.
inline void pmWriteConsoleText(const QString& line)
{
    qInfo().noquote() << line;
}
