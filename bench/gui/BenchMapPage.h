#pragma once
// What the benchmarks of the map page share: the web engine set up as the application sets it
// up (tiles asked of an address nobody answers, so no tile traffic is timed), and the bundled
// page loaded into a map panel.

class MapView;

// Before the application object is made.
void prepareWebEngine();
// Switches the panel to the web map and waits for the page; false, with a message, when it
// does not load.
bool loadMapPage(MapView& map, const char* bench);
