#include "AppVersion.h"

#include <QCoreApplication>

QString pmGetVersion()
{
    return QCoreApplication::applicationVersion();
}
