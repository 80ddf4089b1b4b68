#include "WindowGeometry.h"

#include "PreferenceKeys.h"
#include "Preferences.h"

#include <QByteArray>
#include <QWidget>

bool WindowGeometry::restore(QWidget& window)
{
    const QByteArray stored = QByteArray::fromBase64(pmGetProfileString(kPrefWindowGeometry, QString()).toLatin1());
    // Qt checks the frame against the screens there are now: a window saved on a monitor
    // that is gone comes back on one that is here.
    return !stored.isEmpty() && window.restoreGeometry(stored);
}

void WindowGeometry::save(const QWidget& window)
{
    pmSetProfileString(kPrefWindowGeometry, QString::fromLatin1(window.saveGeometry().toBase64()));
}
