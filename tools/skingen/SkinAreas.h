#pragma once
// Each area of the window writes its own images; sizes follow the geometry of its owner.

#include "ControlFaces.h"

void writeToolbarImages(SkinWriter& writer, const SkinContext& skin);
void writePlaybarImages(SkinWriter& writer, const SkinContext& skin);
void writeMapImages(SkinWriter& writer, const SkinContext& skin);
void writeMapInfoImages(SkinWriter& writer, const SkinContext& skin);
void writeGSensorImages(SkinWriter& writer, const SkinContext& skin);
void writeListImages(SkinWriter& writer, const SkinContext& skin);
void writeCalendarImages(SkinWriter& writer, const SkinContext& skin);
void writeDialogImages(SkinWriter& writer, const SkinContext& skin);
