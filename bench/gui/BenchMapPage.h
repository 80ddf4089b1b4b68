#pragma once
// What the benchmarks of the map page share: the web engine set up as the application sets it
// up (tiles asked of an address nobody answers, so no tile traffic is timed), and the bundled
// page loaded into a map panel.

class MapView;
class QString;
class QWebEnginePage;

// Before the application object is made.
void prepareWebEngine();
// Switches the panel to the web map and waits for the page; false, with a message, when it
// does not load.
bool loadMapPage(MapView& map, const char* bench);
// Runs the script and waits for the page's answer; scripts run in order, so everything sent
// before has run too.
QString pageAnswer(QWebEnginePage* page, const QString& script);
// Milliseconds since the epoch: the wall clock the page and the benches share.
double wallClockMs();
// Waits in an event loop until the page answers "true" to the condition; false, with a
// message, after a minute.
bool waitForPage(QWebEnginePage* page, const QString& condition);
// Runs the script, then waits until the page has painted the frame after it: the milliseconds
// from since (by default the call) to that painting, by the page's clock; -1 when it never comes.
double untilPainted(QWebEnginePage* page, const QString& script, double since = wallClockMs());
