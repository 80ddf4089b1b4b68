// The map page the application drives through five functions:
//   mapSetCenter(lat, lon)  centre on the car and move its marker; answers "1"
//   addPathPoint(lat, lon)  one more point of the route being built
//   drawPath()              replace the drawn route by the points added since the last call
//   setZoom(level)          zoom level, around the current centre
//   AutoLocation()          centre on the drawn route
// The tile source comes from the application (window.korivTileUrl, window.korivAttribution);
// OpenStreetMap is the default. Points at 0, 0 mean "no position" and are not drawn.

var korivMap = null;
var korivRoute = null;
var korivCar = null;
var korivPending = [];
var korivAdded = 0;
// The centre last asked for: zooming keeps it exactly, where the map's own centre is rounded
// to the pixels of the zoom level it was set at.
var korivCentre = [0, 0];

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
    window.addEventListener("load", function () { setTimeout(function () { layer.addTo(korivMap); }, 0); });
    korivRoute = L.polyline([], { color: "#e04030", weight: 4, opacity: 0.8 }).addTo(korivMap);
    korivCar = L.circleMarker([0, 0], { radius: 7, color: "#ffffff", weight: 2,
                                        fillColor: "#1e88e5", fillOpacity: 1 });
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

// What the application's tests read back: the route and the view.
function korivMapState() {
    var centre = korivMap.getCenter();
    return JSON.stringify({ added: korivAdded, drawn: korivRoute.getLatLngs().length,
                            lat: centre.lat, lon: centre.lng, zoom: korivMap.getZoom(),
                            car: korivMap.hasLayer(korivCar) });
}
