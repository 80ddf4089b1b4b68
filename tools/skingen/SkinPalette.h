#pragma once
// The colours of one skin. The four skins share one dark design and differ in their accent,
// which is also the label colour of the dashboard.

#include <QColor>

struct SkinPalette {
    int skinId = 0;
    QColor accent;

    QColor window{0x15, 0x17, 0x1b};
    QColor panel{0x1e, 0x21, 0x26};
    QColor raised{0x2b, 0x2f, 0x37};
    QColor line{0x35, 0x3a, 0x43};
    QColor glyph{0xd9, 0xdc, 0xe1};
    QColor muted{0x8a, 0x90, 0x99};
    QColor disabled{0x4f, 0x54, 0x5d};
    QColor paper{0xee, 0xf0, 0xf3};

    // G-sensor axis colours: the graph reads them back from the centre of the arrow images.
    QColor axisX{0xff, 0xc5, 0x3d};
    QColor axisY{0x36, 0xd3, 0x99};
    QColor axisZ{0x4e, 0xa8, 0xff};

    // Text on the file list rows is black under skin 1, and on drop-down rows under skins 1
    // and 2; those rows are light so the text stays readable.
    bool lightFileRows() const { return skinId == 1; }
    bool lightDropDownRows() const { return skinId == 1 || skinId == 2; }

    QColor accentPressed() const { return accent.darker(145); }
    QColor accentHover() const { return accent.lighter(125); }
    // A pale tint of the accent, for selections that carry black text.
    QColor accentTint() const;

    static SkinPalette forSkin(int skinId);
};
