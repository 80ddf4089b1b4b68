#include "JpegFile.h"

#include "LogText.h"

#include <QSaveFile>

bool pmWriteJpegFile(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!image.isNull() && file.open(QIODevice::WriteOnly) && image.save(&file, "JPG") && file.commit())
        return true;
    pmWriteLogText(QStringLiteral("pmWriteJpegFile - cannot write %1 : %2").arg(path, file.errorString()));
    return false;
}
