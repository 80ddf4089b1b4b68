#include "SkinPalette.h"

QColor SkinPalette::accentTint() const
{
    const auto mix = [](int a, int b) { return (a * 55 + b * 45) / 100; };
    return QColor(mix(accent.red(), 255), mix(accent.green(), 255), mix(accent.blue(), 255));
}

SkinPalette SkinPalette::forSkin(int skinId)
{
    static const QColor kAccents[] = {
        QColor(230, 105, 1), QColor(155, 198, 56), QColor(160, 127, 73), QColor(39, 182, 233),
    };
    SkinPalette palette;
    palette.skinId = skinId;
    palette.accent = kAccents[skinId];
    return palette;
}
