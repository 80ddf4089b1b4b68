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
// A day's trip is hundreds of lines and tens of thousands of points: drawn on a canvas, not as
// one SVG element each, in a pane under the route and the car the five functions draw.
var korivTripRenderer = null;
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
    if (!korivTripRenderer) {
        korivMap.createPane("korivTrip").style.zIndex = 350;
        korivTripRenderer = L.canvas({ padding: 0.1, pane: "korivTrip" });
    }
    return current ? { color: "#e04030", weight: 6, opacity: 0.95, interactive: false, renderer: korivTripRenderer }
                   : { color: "#3f7fd8", weight: 4, opacity: 0.7, interactive: false, renderer: korivTripRenderer };
}

function clearTrip() {
    if (korivTrip)
        korivTrip.layer.remove();
    korivTrip = null;
    return "1";
}

function drawTrip(trip) {
    clearTrip();
    if (!trip || !trip.parts)
        return "1";
    var layer = L.layerGroup();
    var parts = [];
    var markers = 0;
    for (var p = 0; p < trip.parts.length; ++p) {
        var part = trip.parts[p];
        var latlngs = [];
        var seconds = [];
        var points = part.points || [];
        for (var s = 0; s < points.length; ++s) {
            var point = points[s];
            if (point && korivHasPosition(point[0], point[1])) {
                latlngs.push(L.latLng(point[0], point[1]));
                seconds.push(s);
            }
        }
        var line = L.polyline(latlngs, korivTripStyle(part.id === trip.current)).addTo(layer);
        if (part.event && latlngs.length > 0) {
            // The name is a file's: shown as text, never read as markup.
            var label = document.createElement("span");
            label.textContent = String(part.name);
            L.circleMarker(latlngs[Math.floor(latlngs.length / 2)],
                           { radius: 7, color: "#7a0010", weight: 2, fillColor: "#ffb300", fillOpacity: 1,
                             renderer: korivTripRenderer }).bindTooltip(label).addTo(layer);
            ++markers;
        }
        parts.push({ id: part.id, latlngs: latlngs, seconds: seconds, line: line });
    }
    layer.addTo(korivMap);
    korivTrip = { layer: layer, parts: parts, current: trip.current, markers: markers };
    setTripCurrent(trip.current);
    return "1";
}

function setTripCurrent(id) {
    if (!korivTrip)
        return "0";
    korivTrip.current = id;
    for (var p = 0; p < korivTrip.parts.length; ++p) {
        var part = korivTrip.parts[p];
        part.line.setStyle(korivTripStyle(part.id === id));
        if (part.id === id)
            part.line.bringToFront();
    }
    return "1";
}

// The sample nearest to a point of the map's container, within the tolerance: the closer end
// of the nearest step of the route.
function korivNearestSample(point, tolerance) {
    if (!korivTrip)
        return null;
    var best = null;
    var bestDistance = tolerance;
    var consider = function (part, index, distance) {
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = { id: part.id, second: part.seconds[index] };
        }
    };
    // Only the parts whose bounds come within the tolerance are looked at point by point: a
    // day's trip has tens of thousands of points, and a click touches one or two parts.
    var reach = L.latLngBounds(korivMap.containerPointToLatLng(point.subtract([tolerance, tolerance])),
                               korivMap.containerPointToLatLng(point.add([tolerance, tolerance])));
    for (var p = 0; p < korivTrip.parts.length; ++p) {
        var part = korivTrip.parts[p];
        if (part.latlngs.length === 0 || !part.line.getBounds().intersects(reach))
            continue;
        var previous = null;
        for (var i = 0; i < part.latlngs.length; ++i) {
            var here = korivMap.latLngToContainerPoint(part.latlngs[i]);
            if (previous === null) {
                consider(part, i, point.distanceTo(here));
            } else {
                var distance = L.LineUtil.pointToSegmentDistance(point, previous, here);
                if (distance <= bestDistance) {
                    var closest = L.LineUtil.closestPointOnSegment(point, previous, here);
                    consider(part, closest.distanceTo(previous) <= closest.distanceTo(here) ? i - 1 : i, distance);
                }
            }
            previous = here;
        }
    }
    return best;
}

function korivRouteClick(event) {
    var hit = korivNearestSample(event.containerPoint, korivClickTolerance);
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
        state.parts = korivTrip.parts.length;
        state.current = korivTrip.current;
        state.markers = korivTrip.markers;
        for (var p = 0; p < korivTrip.parts.length; ++p) {
            state.points += korivTrip.parts[p].latlngs.length;
            if (korivTrip.parts[p].id === korivTrip.current)
                state.currentWeight = korivTrip.parts[p].line.options.weight;
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
