#pragma once
// Time since this process was started by the kernel, for start-up figures.

#include <QtGlobal>

// Milliseconds since the process started; -1 when the kernel's record cannot be read.
qint64 pmMillisecondsSinceProcessStart();
