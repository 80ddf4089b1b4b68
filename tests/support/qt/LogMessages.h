#pragma once
// The application log as the tests read it: its messages without time stamps.

#include <QString>
#include <QStringList>

// The messages of the log file, time stamps removed.
QStringList logMessages();
// The index of the first message equal to text at or after from, or -1.
int logIndexOf(const QStringList& messages, const QString& text, int from = 0);
// The number of messages the regular expression matches.
int countMatching(const QStringList& messages, const QString& pattern);
