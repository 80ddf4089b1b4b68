#pragma once
// Control images of the current skin, and the helpers for right-to-left layouts.
//
// Every image is a PNG named "skin_%02d_<base name>" with the skin id plus 1, compiled into the
// program under ":/skins/". A folder named by the environment variable KORIV_SKIN_DIR is looked
// in first, so a designer can try a replacement image without rebuilding.

#include <QImage>
#include <QString>

// The image of the base name ("button_play.png") in the current skin; a null image when the
// skin has no such image.
QImage pmGetSkinImage(const QString& baseName);

// "skin_01_button_play.png" for skin 0 and "button_play.png".
QString pmSkinImageName(int skinId, const QString& baseName);

// True when the current language is written right to left (Arabic).
bool pmIsRightToLeft();

// A horizontally flipped copy of the same size.
QImage pmMirrorImage(const QImage& image);
