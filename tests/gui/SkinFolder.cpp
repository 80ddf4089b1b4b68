#include "SkinFolder.h"

#include "SkinImages.h"
#include "controls/StateImages.h"

#include <QDir>
#include <QPainter>

SkinFolder::SkinFolder(const QStringList& baseNames, QSize size)
    : mOldValue(qgetenv("KORIV_SKIN_DIR"))
{
    add(baseNames, size);
    qputenv("KORIV_SKIN_DIR", mDir.path().toUtf8());
}

void SkinFolder::add(const QStringList& baseNames, QSize size)
{
    for (int skin = 0; skin < 4; ++skin) {
        for (const QString& base : baseNames) {
            for (const char* suffix : {"", "_d", "_f", "_g"}) {
                QImage image(size, QImage::Format_ARGB32);
                image.fill(QColor::fromHsv((mColourIndex++ * 37) % 360, 200, 100 + skin * 40));
                // A mark in one corner makes mirrored images differ from the originals.
                QPainter(&image).fillRect(0, 0, 4, 4, Qt::white);
                image.save(QDir(mDir.path()).filePath(pmSkinImageName(skin, pmStateImageName(base, suffix))));
            }
        }
    }
}

SkinFolder::~SkinFolder()
{
    if (mOldValue.isEmpty())
        qunsetenv("KORIV_SKIN_DIR");
    else
        qputenv("KORIV_SKIN_DIR", mOldValue);
}

QImage SkinFolder::image(const QString& name) const
{
    return pmGetSkinImage(name);
}
