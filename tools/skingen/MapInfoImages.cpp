// The tile of the information bar under the web map: the bar's background is repeated leftward
// in steps of this image's width. A bitmap file, as skins made for the bar have always been.
#include "SkinAreas.h"

#include <QPainter>

void writeMapInfoImages(SkinWriter& writer, const SkinContext& skin)
{
    writer.write("bg_map_info.bmp", QSize(20, 20), [&](QPainter& painter) {
        paintBar(painter, QRectF(0, 0, 20, 20), skin.palette.raised, skin.palette.panel);
    });
}
