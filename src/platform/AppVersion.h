#pragma once
// The program's version string ("0.1.0"), shown in the about box and written to the log.

#include <QString>

QString pmGetVersion();
