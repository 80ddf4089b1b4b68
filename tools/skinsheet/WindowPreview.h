#pragma once
// The skin's images put together the way the panels draw them (tool bar, play bar, file list,
// calendar, dashboard and G-sensor panel), with sample texts, to judge a skin in context.

#include <QImage>

QImage renderWindowPreview(int skinId);
