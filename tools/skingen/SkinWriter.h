#pragma once
// Writes the images of one skin as "skin_%02d_<name>" PNG files and remembers what it wrote.
// An image of the same name in the override folder ("skin_03_<name>" for one skin, or
// "<name>" for every skin) is copied instead of the drawn one, so a designer can replace any
// image by hand.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

// The four state images of a control: base name, "_d" pressed, "_f" roll-over, "_g" disabled.
enum class ButtonState { Normal, Pressed, Rollover, Disabled };

class SkinWriter {
public:
    SkinWriter(int skinId, const QString& outputFolder, const QString& overrideFolder);

    using Painting = std::function<void(QPainter&)>;
    using StatePainting = std::function<void(QPainter&, ButtonState)>;

    // A transparent image of the size, drawn by the painting and written under the base name.
    void write(const QString& baseName, QSize size, const Painting& paint);
    // The base image and its "_d", "_f" and "_g" variants.
    void writeStates(const QString& baseName, QSize size, const StatePainting& paint);
    // The base image and its "_d" and "_f" variants only.
    void writeStatesWithoutDisabled(const QString& baseName, QSize size, const StatePainting& paint);

    // File names written, for the resource list.
    const QStringList& written() const { return mWritten; }
    bool failed() const { return mFailed; }

    static QString variantName(const QString& baseName, ButtonState state);

private:
    void save(const QString& baseName, const QImage& image);

    int mSkinId;
    QString mOutputFolder;
    QString mOverrideFolder;
    QStringList mWritten;
    bool mFailed = false;
};
