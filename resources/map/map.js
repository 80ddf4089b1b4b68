// The map page the application drives through five functions:
//   mapSetCenter(lat, lon)  centre on the car and move its marker; answers "1"
//   addPathPoint(lat, lon)  one more point of the route being built
//   drawPath()              replace the drawn route by the points added since the last call
//   setZoom(level)          zoom level, around the current centre
//   AutoLocation()          centre on the drawn route
// and, beside them, the same route in one call and the trip of the open recording:
//   addPathPoints(points)   many points of the route at once: [[lat, lon], ...]
//   drawTrip(trip)          every recording's route of the trip, the open one stronger and the
//                           event recordings marked; trip = {current: id, parts: [{id, name,
//                           event, points: [[lat, lon] or null, one per second]}]}
//   setTripCurrent(id)      another recording of the drawn trip is open
//   clearTrip()             no trip
// A click near the trip's route tells the application (through Qt WebChannel, object
// "korivMap") which recording and which second the nearest sample is; a click far from it
// does nothing. Neither the view nor the zoom changes with the trip: the five functions keep
// them. The tile source comes from the application (window.korivTileUrl,
// window.korivAttribution); OpenStreetMap is the default. Points at 0, 0 mean "no position" and
// are not drawn.

var korivMap = null;
var korivRoute = null;
var korivCar = null;
var korivPending = [];
var korivAdded = 0;
// The centre last asked for: zooming keeps it exactly, where the map's own centre is rounded
// to the pixels of the zoom level it was set at.
var korivCentre = [0, 0];
var korivTrip = null;
// The drawn trip: its layer (trip-layer.js), in a pane under the route and the car the five
// functions draw, and its event recordings' markers.
var korivBridge = null;
var korivLastHit = null;
// How far from the route, in screen pixels, a click still counts as a click on it.
var korivClickTolerance = 12;

function korivStartMap() {
    var tiles = window.korivTileUrl || "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
    var attribution = window.korivAttribution ||
        '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors';
    korivMap = L.map("map", { zoomControl: true, attributionControl: true, fadeAnimation: false,
                              zoomAnimation: false, markerZoomAnimation: false });
    korivMap.setView(korivCentre, 15);
    // Tiles start once the page has loaded, so a slow or silent tile server never holds up
    // the page's ready notification.
    var layer = L.tileLayer(tiles, { maxZoom: 19, attribution: attribution });
    window.addEventListener("load", function () {
        setTimeout(function () { layer.addTo(korivMap); korivWarmUp(); }, 0);
    });
    korivRoute = L.polyline([], { color: "#e04030", weight: 4, opacity: 0.8, renderer: L.canvas() }).addTo(korivMap);
    korivCar = L.circleMarker([0, 0], { radius: 7, color: "#ffffff", weight: 2,
                                        fillColor: "#1e88e5", fillOpacity: 1 });
    korivMap.on("click", korivRouteClick);
}

// The application's end of the channel; absent when the page runs on its own.
function korivConnectBridge() {
    if (window.qt && qt.webChannelTransport && window.QWebChannel) {
        new QWebChannel(qt.webChannelTransport, function (channel) {
            korivBridge = channel.objects.korivMap || null;
        });
    }
}

function korivHasPosition(lat, lon) {
    return isFinite(lat) && isFinite(lon) && !(lat === 0 && lon === 0) &&
           Math.abs(lat) <= 90 && Math.abs(lon) <= 180;
}

function mapSetCenter(lat, lon) {
    if (!korivMap)
        return "0";
    if (korivHasPosition(lat, lon)) {
        korivCentre = [lat, lon];
        korivMap.setView(korivCentre, korivMap.getZoom(), { animate: false });
        korivCar.setLatLng([lat, lon]);
        if (!korivMap.hasLayer(korivCar))
            korivCar.addTo(korivMap);
    } else if (korivMap.hasLayer(korivCar)) {
        korivCar.remove();
    }
    return "1";
}

function addPathPoint(lat, lon) {
    korivPending.push([lat, lon]);
    return "1";
}

function addPathPoints(points) {
    for (var i = 0; i < points.length; ++i)
        korivPending.push(points[i]);
    return "1";
}

// The first route drawn would pay for compiling the drawing code and making the renderer's
// path: that is paid at load, on the empty route, which is left empty.
function korivWarmUp() {
    var points = [];
    for (var i = 0; i < 64; ++i) {
        if (korivHasPosition(1 + i * 1e-4, 1 + i * 1e-4))
            points.push([1 + i * 1e-4, 1 + i * 1e-4]);
    }
    korivRoute.setLatLngs(points);
    korivRoute.setLatLngs([]);
}

function drawPath() {
    var points = [];
    for (var i = 0; i < korivPending.length; ++i) {
        if (korivHasPosition(korivPending[i][0], korivPending[i][1]))
            points.push(korivPending[i]);
    }
    korivAdded = korivPending.length;
    korivPending = [];
    korivRoute.setLatLngs(points);
    AutoLocation();
    return "1";
}

function setZoom(level) {
    korivMap.setView(korivCentre, level, { animate: false });
    return "1";
}

function AutoLocation() {
    if (korivRoute.getLatLngs().length > 0) {
        var centre = korivRoute.getBounds().getCenter();
        korivCentre = [centre.lat, centre.lng];
        korivMap.setView(korivCentre, korivMap.getZoom(), { animate: false });
    }
    return "1";
}

function korivTripStyle(current) {
    return current ? { color: "#e04030", weight: 6, opacity: 0.95 } : { color: "#3f7fd8", weight: 4, opacity: 0.7 };
}

function clearTrip() {
    if (korivTrip) {
        korivTrip.layer.remove();
        korivTrip.markers.remove();
    }
    korivTrip = null;
    return "1";
}

// The middle one of a part's points that have a position, or null.
function korivMiddlePoint(points) {
    var placed = [];
    for (var s = 0; s < points.length; ++s) {
        if (points[s] && korivHasPosition(points[s][0], points[s][1]))
            placed.push(points[s]);
    }
    return placed.length > 0 ? placed[Math.floor(placed.length / 2)] : null;
}

function drawTrip(trip) {
    clearTrip();
    if (!trip || !trip.parts)
        return "1";
    if (!korivMap.getPane("korivTrip"))
        korivMap.createPane("korivTrip").style.zIndex = 350;
    var layer = new KorivTripLayer(trip.parts, korivTripStyle, { pane: "korivTrip", crs: korivMap.options.crs });
    var markers = L.layerGroup();
    for (var p = 0; p < trip.parts.length; ++p) {
        var part = trip.parts[p];
        var middle = part.event ? korivMiddlePoint(part.points || []) : null;
        if (middle) {
            // The name is a file's: shown as text, never read as markup.
            var label = document.createElement("span");
            label.textContent = String(part.name);
            L.circleMarker(middle, { radius: 7, color: "#7a0010", weight: 2, fillColor: "#ffb300", fillOpacity: 1 })
                .bindTooltip(label).addTo(markers);
        }
    }
    layer.setCurrent(trip.current);
    layer.addTo(korivMap);
    markers.addTo(korivMap);
    korivTrip = { layer: layer, markers: markers };
    return "1";
}

function setTripCurrent(id) {
    if (!korivTrip)
        return "0";
    korivTrip.layer.setCurrent(id);
    return "1";
}

function korivRouteClick(event) {
    var hit = korivTrip ? korivTrip.layer.nearest(event.containerPoint, korivClickTolerance) : null;
    korivLastHit = hit;
    if (hit && korivBridge)
        korivBridge.routeClicked(hit.id, hit.second);
}

// What the application's tests and benchmarks do as a user would: a click at a place of the
// map, dispatched to whatever the page shows there. "0" when the place is off the screen.
function korivClickAt(lat, lon) {
    var point = korivMap.latLngToContainerPoint([lat, lon]);
    var box = korivMap.getContainer().getBoundingClientRect();
    var x = box.left + point.x;
    var y = box.top + point.y;
    var target = document.elementFromPoint(x, y);
    if (!target)
        return "0";
    target.dispatchEvent(new MouseEvent("click", { bubbles: true, cancelable: true, view: window,
                                                   clientX: x, clientY: y }));
    return "1";
}

// What the application's tests read back: the trip as drawn, and the last click's sample.
function korivTripState() {
    var state = { parts: 0, points: 0, current: null, markers: 0, bridge: korivBridge !== null,
                  hit: korivLastHit, currentWeight: 0 };
    if (korivTrip) {
        var parts = korivTrip.layer.parts();
        state.parts = parts.length;
        state.points = korivTrip.layer.pointCount();
        state.current = korivTrip.layer.current();
        state.markers = korivTrip.markers.getLayers().length;
        for (var p = 0; p < parts.length; ++p) {
            if (parts[p].id === state.current)
                state.currentWeight = korivTripStyle(true).weight;
        }
    }
    return JSON.stringify(state);
}

// What the application's tests read back: the route and the view.
function korivMapState() {
    var centre = korivMap.getCenter();
    return JSON.stringify({ added: korivAdded, drawn: korivRoute.getLatLngs().length,
                            lat: centre.lat, lon: centre.lng, zoom: korivMap.getZoom(),
                            car: korivMap.hasLayer(korivCar) });
}
