#include "StateImages.h"

#include "SkinImages.h"

StateImages StateImages::load(const QString& base, const QString& pressed,
                              const QString& rollover, const QString& disabled)
{
    return {pmGetSkinImage(base), pmGetSkinImage(pressed), pmGetSkinImage(rollover),
            pmGetSkinImage(disabled)};
}

StateImages StateImages::mirrored() const
{
    return {pmMirrorImage(active), pmMirrorImage(pressed), pmMirrorImage(rollover),
            pmMirrorImage(inactive)};
}

QString pmStateImageName(const QString& baseName, const char* suffix)
{
    const int dot = baseName.lastIndexOf('.');
    if (dot < 0)
        return baseName + suffix;
    return baseName.left(dot) + suffix + baseName.mid(dot);
}
