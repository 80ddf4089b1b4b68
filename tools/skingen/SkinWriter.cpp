#include "SkinWriter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <cstdio>

SkinWriter::SkinWriter(int skinId, const QString& outputFolder, const QString& overrideFolder)
    : mSkinId(skinId), mOutputFolder(outputFolder), mOverrideFolder(overrideFolder)
{
}

QString SkinWriter::variantName(const QString& baseName, ButtonState state)
{
    static const char* const kSuffixes[] = {"", "_d", "_f", "_g"};
    const QString suffix = QString::fromLatin1(kSuffixes[static_cast<int>(state)]);
    return suffix.isEmpty() ? baseName : baseName.chopped(4) + suffix + ".png";
}

void SkinWriter::write(const QString& baseName, QSize size, const Painting& paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    paint(painter);
    painter.end();
    save(baseName, image);
}

void SkinWriter::writeStates(const QString& baseName, QSize size, const StatePainting& paint)
{
    writeStatesWithoutDisabled(baseName, size, paint);
    write(variantName(baseName, ButtonState::Disabled), size,
          [&](QPainter& painter) { paint(painter, ButtonState::Disabled); });
}

void SkinWriter::writeStatesWithoutDisabled(const QString& baseName, QSize size, const StatePainting& paint)
{
    for (ButtonState state : {ButtonState::Normal, ButtonState::Pressed, ButtonState::Rollover}) {
        write(variantName(baseName, state), size, [&](QPainter& painter) { paint(painter, state); });
    }
}

void SkinWriter::save(const QString& baseName, const QImage& image)
{
    const QString fileName = QString::asprintf("skin_%02d_", mSkinId + 1) + baseName;
    const QString target = QDir(mOutputFolder).filePath(fileName);
    QFile::remove(target);
    const QDir overrides(mOverrideFolder);
    bool ok = false;
    if (!mOverrideFolder.isEmpty() && overrides.exists(fileName)) {
        ok = QFile::copy(overrides.filePath(fileName), target);
    } else if (!mOverrideFolder.isEmpty() && overrides.exists(baseName)) {
        ok = QFile::copy(overrides.filePath(baseName), target);
    } else {
        const bool bitmap = baseName.endsWith(".bmp", Qt::CaseInsensitive);
        ok = bitmap ? image.convertToFormat(QImage::Format_RGB32).save(target, "BMP")
                    : image.convertToFormat(QImage::Format_ARGB32).save(target, "PNG");
    }
    if (!ok) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(target));
        mFailed = true;
    }
    mWritten.append(fileName);
}
