#pragma once
// A skin folder for tests (KORIV_SKIN_DIR): every state image of the given base names, for
// all four skins, each a different solid colour so that a wrong image is caught.

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

class SkinFolder {
public:
    explicit SkinFolder(const QStringList& baseNames, QSize size = QSize(45, 30));
    ~SkinFolder();
    SkinFolder(const SkinFolder&) = delete;
    SkinFolder& operator=(const SkinFolder&) = delete;

    // More names, in a size of their own.
    void add(const QStringList& baseNames, QSize size);

    // The image the current skin gives for the name.
    QImage image(const QString& name) const;

private:
    QTemporaryDir mDir;
    QByteArray mOldValue;
    int mColourIndex = 0;
};
