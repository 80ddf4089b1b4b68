#pragma once
// The application log for Qt texts: the same line as pmWriteLog, in UTF-8.

#include "util/Log.h"

#include <QString>

inline void pmWriteLogText(const QString& line)
{
    pmWriteLog(line.toStdString());
}
