// A day's trip as one layer: hundreds of recordings' routes, tens of thousands of points, as two
// SVG paths (the open recording's and the others') holding only the parts in sight. The points
// are projected once, to the world's pixels at zoom 0; any zoom is then a multiplication, so
// neither a zoom nor a move of the map walks them again beyond the parts in sight. One Leaflet
// line per recording cost the page half a second for a day's trip; so did the first stroke on a
// canvas of its own, which the page's software rendering pays once per canvas.
//
//   var layer = new KorivTripLayer(parts, style);   parts = [{id, points: [[lat, lon] or null]}]
//   layer.setCurrent(id)                              the open recording's part, drawn stronger
//   layer.nearest(containerPoint, tolerance)          {id, second} of the sample nearest a point

var KorivTripLayer = L.Layer.extend({
    // crs: the map's, which projects the points as the map does.
    options: { pane: "overlayPane", padding: 0.1, crs: L.CRS.EPSG3857 },

    initialize: function (parts, style, options) {
        L.setOptions(this, options);
        this._style = style;
        this._current = null;
        this._parts = [];
        var count = 0;
        for (var p = 0; p < parts.length; ++p)
            count += (parts[p].points || []).length;
        // x, y at zoom 0 and each point's second within its recording.
        this._x = new Float64Array(count);
        this._y = new Float64Array(count);
        this._second = new Int32Array(count);
        var at = 0;
        for (p = 0; p < parts.length; ++p)
            at = this._addPart(parts[p], at);
        this._count = at;
    },

    _addPart: function (part, at) {
        var start = at;
        var box = { minX: Infinity, minY: Infinity, maxX: -Infinity, maxY: -Infinity };
        var points = part.points || [];
        for (var s = 0; s < points.length; ++s) {
            var point = points[s];
            if (!point || !korivHasPosition(point[0], point[1]))
                continue;
            var world = this.options.crs.latLngToPoint(L.latLng(point[0], point[1]), 0);
            var x = world.x;
            var y = world.y;
            this._x[at] = x;
            this._y[at] = y;
            this._second[at] = s;
            ++at;
            box.minX = Math.min(box.minX, x);
            box.maxX = Math.max(box.maxX, x);
            box.minY = Math.min(box.minY, y);
            box.maxY = Math.max(box.maxY, y);
        }
        this._parts.push({ id: part.id, start: start, end: at, box: box });
        return at;
    },

    onAdd: function () {
        this._svg = L.SVG.create("svg");
        // Clicks go through to the map, which finds the nearest sample itself.
        this._svg.style.pointerEvents = "none";
        this._svg.style.position = "absolute";
        this._others = this._makePath(this._style(false));
        this._currentPath = this._makePath(this._style(true));
        this.getPane().appendChild(this._svg);
        this._redraw();
    },

    onRemove: function () {
        L.DomUtil.remove(this._svg);
        this._svg = null;
    },

    _makePath: function (style) {
        var path = L.SVG.create("path");
        path.setAttribute("fill", "none");
        path.setAttribute("stroke", style.color);
        path.setAttribute("stroke-width", style.weight);
        path.setAttribute("stroke-opacity", style.opacity);
        path.setAttribute("stroke-linecap", "round");
        path.setAttribute("stroke-linejoin", "round");
        this._svg.appendChild(path);
        return path;
    },

    getEvents: function () {
        return { moveend: this._redraw, zoomend: this._redraw, viewreset: this._redraw, resize: this._redraw };
    },

    parts: function () {
        return this._parts;
    },

    pointCount: function () {
        return this._count;
    },

    current: function () {
        return this._current;
    },

    setCurrent: function (id) {
        this._current = id;
        this._redraw();
    },

    // The visible area with its margin, in the world's pixels at the map's zoom.
    _view: function () {
        var size = this._map.getSize();
        var margin = size.multiplyBy(this.options.padding).round();
        var origin = this._map.getPixelOrigin();
        var topLeft = this._map.containerPointToLayerPoint([0, 0]).subtract(margin);
        return { left: topLeft.x + origin.x, top: topLeft.y + origin.y,
                 width: size.x + 2 * margin.x, height: size.y + 2 * margin.y, layerTopLeft: topLeft,
                 scale: Math.pow(2, this._map.getZoom()) };
    },

    _inView: function (part, view) {
        var s = view.scale;
        return part.end > part.start && part.box.maxX * s >= view.left && part.box.minX * s <= view.left + view.width &&
               part.box.maxY * s >= view.top && part.box.minY * s <= view.top + view.height;
    },

    _redraw: function () {
        if (!this._map || !this._svg)
            return;
        var view = this._view();
        L.DomUtil.setPosition(this._svg, view.layerTopLeft);
        this._svg.setAttribute("width", view.width);
        this._svg.setAttribute("height", view.height);
        var others = [];
        var current = [];
        for (var p = 0; p < this._parts.length; ++p) {
            var part = this._parts[p];
            if (this._inView(part, view))
                this._trace(part.id === this._current ? current : others, part, view);
        }
        this._others.setAttribute("d", others.length > 0 ? others.join("") : "M0 0");
        this._currentPath.setAttribute("d", current.length > 0 ? current.join("") : "M0 0");
    },

    // The part's points as path data, leaving out those within a pixel of the last one traced.
    _trace: function (out, part, view) {
        var s = view.scale;
        var lastX = NaN;
        var lastY = NaN;
        for (var i = part.start; i < part.end; ++i) {
            var x = this._x[i] * s - view.left;
            var y = this._y[i] * s - view.top;
            if (i > part.start && Math.abs(x - lastX) < 1 && Math.abs(y - lastY) < 1 && i + 1 < part.end)
                continue;
            out.push((i === part.start ? "M" : "L") + x.toFixed(1) + " " + y.toFixed(1));
            lastX = x;
            lastY = y;
        }
        if (part.end - part.start === 1)
            out.push("l0.01 0");
    },

    // The closer end of the route's nearest step to a point of the map's container, within the
    // tolerance in pixels; null when nothing is that close.
    nearest: function (containerPoint, tolerance) {
        if (!this._map)
            return null;
        var scale = Math.pow(2, this._map.getZoom());
        var layerPoint = this._map.containerPointToLayerPoint(containerPoint);
        var origin = this._map.getPixelOrigin();
        var px = layerPoint.x + origin.x;
        var py = layerPoint.y + origin.y;
        var near = { left: px - tolerance, top: py - tolerance, width: 2 * tolerance, height: 2 * tolerance, scale: scale };
        var best = null;
        var bestDistance = tolerance;
        for (var p = 0; p < this._parts.length; ++p) {
            var part = this._parts[p];
            if (!this._inView(part, near))
                continue;
            for (var i = part.start; i < part.end; ++i) {
                var hit = this._stepHit(i, part, px, py, scale);
                if (hit.distance <= bestDistance) {
                    bestDistance = hit.distance;
                    best = { id: part.id, second: this._second[hit.index] };
                }
            }
        }
        return best;
    },

    // The distance from a point to the step ending at point i (to point i alone for a part's
    // first), and which end of the step is the closer.
    _stepHit: function (i, part, px, py, scale) {
        var bx = this._x[i] * scale;
        var by = this._y[i] * scale;
        if (i === part.start)
            return { distance: Math.hypot(px - bx, py - by), index: i };
        var ax = this._x[i - 1] * scale;
        var ay = this._y[i - 1] * scale;
        var dx = bx - ax;
        var dy = by - ay;
        var length = dx * dx + dy * dy;
        var t = length > 0 ? Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / length)) : 0;
        return { distance: Math.hypot(px - (ax + t * dx), py - (ay + t * dy)), index: t <= 0.5 ? i - 1 : i };
    }
});
