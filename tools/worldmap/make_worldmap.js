#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the world map of the real-time window: an equirectangular map of 1273 x 636 pixels
// (longitude -180..+180 left to right, latitude +90..-90 top to bottom) with land, coastlines and
// country borders from Natural Earth (npm package world-atlas), and over it the Maidenhead field
// grid with the two-letter field labels. Plain Node.js: the TopoJSON decoding, the rasteriser, the
// label font and the PNG encoder are all in this file; only zlib (built into Node) is used.
//
// Usage: node make_worldmap.js [output.png]     (default ../../data/WORLDMAP.PNG)

'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const WIDTH = 1273;
const HEIGHT = 636;
const SS = 4; // supersampling factor per axis for the antialiased land and lines

const OCEAN = [216, 255, 255];
const LAND = [215, 251, 208];
const COAST = [110, 170, 100];
const BORDER = [150, 200, 140];
const GRID = [255, 0, 255];
const COAST_WIDTH = 1.0; // line widths in output pixels
const BORDER_WIDTH = 0.8;

// Image coordinates: pixel column i covers x in [i, i+1), row j covers y in [j, j+1).
const lonToX = (lon) => ((lon + 180) * WIDTH) / 360;
const latToY = (lat) => ((90 - lat) * HEIGHT) / 180;

// ---------------------------------------------------------------------------------------------
// TopoJSON: arcs are delta-encoded quantized positions; a geometry refers to arcs by index, with
// ~i (= -i-1) meaning arc i walked backwards. Consecutive arcs of a ring share their end point.

function decodeArcs(topology) {
    const [sx, sy] = topology.transform.scale;
    const [tx, ty] = topology.transform.translate;
    return topology.arcs.map((arc) => {
        let qx = 0, qy = 0;
        return arc.map(([dx, dy]) => {
            qx += dx;
            qy += dy;
            return [qx * sx + tx, qy * sy + ty]; // [lon, lat] in degrees
        });
    });
}

function ringPoints(arcs, ring) {
    const points = [];
    for (const index of ring) {
        let arc = index >= 0 ? arcs[index] : arcs[~index].slice().reverse();
        if (points.length > 0) arc = arc.slice(1);
        points.push(...arc);
    }
    return points;
}

// All rings (outer boundaries and holes) of a Polygon or MultiPolygon geometry.
function geometryRings(geometry) {
    if (geometry.type === 'Polygon') return geometry.arcs;
    if (geometry.type === 'MultiPolygon') return geometry.arcs.flat();
    return [];
}

const arcId = (index) => (index >= 0 ? index : ~index);

// ---------------------------------------------------------------------------------------------
// Rasterising on a supersampled grid (SS x SS samples per pixel, samples at sub-pixel centres);
// each returns the number of covered samples per output pixel (0 .. SS*SS).

function downsample(samples) {
    const sw = WIDTH * SS;
    const coverage = new Uint8Array(WIDTH * HEIGHT);
    for (let sy = 0; sy < HEIGHT * SS; sy++) {
        const row = sy * sw;
        const out = Math.floor(sy / SS) * WIDTH;
        for (let sx = 0; sx < sw; sx++) {
            if (samples[row + sx]) coverage[out + Math.floor(sx / SS)]++;
        }
    }
    return coverage;
}

// Even-odd scanline fill of polygon rings given in image coordinates.
function fillRings(rings) {
    const sw = WIDTH * SS, sh = HEIGHT * SS;
    const crossings = Array.from({ length: sh }, () => []);
    for (const ring of rings) {
        for (let k = 0; k < ring.length; k++) {
            const [x0, y0] = ring[k];
            const [x1, y1] = ring[(k + 1) % ring.length];
            if (y0 === y1) continue;
            const top = Math.min(y0, y1) * SS, bottom = Math.max(y0, y1) * SS;
            // sample rows whose centre sy + 0.5 lies in [top, bottom)
            const first = Math.max(0, Math.ceil(top - 0.5));
            const last = Math.min(sh - 1, Math.ceil(bottom - 0.5) - 1);
            for (let sy = first; sy <= last; sy++) {
                const y = (sy + 0.5) / SS;
                crossings[sy].push((x0 + ((y - y0) * (x1 - x0)) / (y1 - y0)) * SS);
            }
        }
    }
    const samples = new Uint8Array(sw * sh);
    for (let sy = 0; sy < sh; sy++) {
        const xs = crossings[sy].sort((a, b) => a - b);
        for (let k = 0; k + 1 < xs.length; k += 2) {
            const from = Math.max(0, Math.ceil(xs[k] - 0.5));
            const to = Math.min(sw - 1, Math.ceil(xs[k + 1] - 0.5) - 1);
            samples.fill(1, sy * sw + from, sy * sw + to + 1);
        }
    }
    return downsample(samples);
}

// Strokes line segments [[x0, y0], [x1, y1]] (image coordinates) with round ends.
function strokeSegments(segments, width) {
    const sw = WIDTH * SS, sh = HEIGHT * SS;
    const r = (width * SS) / 2;
    const samples = new Uint8Array(sw * sh);
    for (const [[ax, ay], [bx, by]] of segments) {
        const x0 = ax * SS, y0 = ay * SS, x1 = bx * SS, y1 = by * SS;
        const dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
        const left = Math.max(0, Math.floor(Math.min(x0, x1) - r));
        const right = Math.min(sw - 1, Math.ceil(Math.max(x0, x1) + r));
        const top = Math.max(0, Math.floor(Math.min(y0, y1) - r));
        const bottom = Math.min(sh - 1, Math.ceil(Math.max(y0, y1) + r));
        for (let sy = top; sy <= bottom; sy++) {
            const py = sy + 0.5;
            for (let sx = left; sx <= right; sx++) {
                const px = sx + 0.5;
                let t = len2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / len2 : 0;
                t = Math.max(0, Math.min(1, t));
                const ex = x0 + t * dx - px, ey = y0 + t * dy - py;
                if (ex * ex + ey * ey <= r * r) samples[sy * sw + sx] = 1;
            }
        }
    }
    return downsample(samples);
}

// A land ring projected for filling, as one or more planar polygons. A ring that crosses the
// antimeridian (a step of more than 180 degrees of longitude between two points) is made
// continuous and drawn also shifted by one map width either way, so that each side of the map
// gets its part. A ring that goes once round the globe (the coast of Antarctica) is in addition
// closed along the pole it encloses.
function fillPolygons(points) {
    let offset = 0;
    const unwrapped = points.map(([lon, lat], k) => {
        if (k > 0) {
            const step = lon - points[k - 1][0];
            if (step > 180) offset -= 360;
            if (step < -180) offset += 360;
        }
        return [lon + offset, lat];
    });
    if (!unwrapped.some(([lon], k) => lon !== points[k][0])) {
        return [points.map(([lon, lat]) => [lonToX(lon), latToY(lat)])];
    }
    if (offset !== 0) {
        const meanLat = points.reduce((sum, [, lat]) => sum + lat, 0) / points.length;
        const pole = meanLat < 0 ? -90 : 90;
        unwrapped.push([unwrapped[unwrapped.length - 1][0], pole], [unwrapped[0][0], pole]);
    }
    return [-360, 0, 360].map((shift) => unwrapped.map(([lon, lat]) => [lonToX(lon + shift), latToY(lat)]));
}

// Segments of a polyline in degrees, projected, leaving out the steps across the whole map where
// a ring crosses the antimeridian and the artificial edges that Natural Earth adds where a shape
// is cut at the antimeridian or closed along the South Pole.
function lineSegments(points) {
    const segments = [];
    for (let k = 1; k < points.length; k++) {
        const [lon0, lat0] = points[k - 1], [lon1, lat1] = points[k];
        const acrossMap = Math.abs(lon1 - lon0) > 180;
        const onMeridian = Math.abs(lon0) > 179.99 && Math.abs(lon1) > 179.99;
        const onPole = lat0 < -89.99 && lat1 < -89.99;
        if (acrossMap || onMeridian || onPole) continue;
        segments.push([[lonToX(lon0), latToY(lat0)], [lonToX(lon1), latToY(lat1)]]);
    }
    return segments;
}

// ---------------------------------------------------------------------------------------------
// Label font: bold capitals A-R, 8 pixels high with 2-pixel stems ('#' = ink); Q has a tail row.

const GLYPHS = {
    A: ['..##..', '.####.', '##..##', '##..##', '######', '##..##', '##..##', '##..##'],
    B: ['#####.', '##..##', '##..##', '#####.', '##..##', '##..##', '##..##', '#####.'],
    C: ['.####.', '##..##', '##....', '##....', '##....', '##....', '##..##', '.####.'],
    D: ['####..', '##.##.', '##..##', '##..##', '##..##', '##..##', '##.##.', '####..'],
    E: ['######', '##....', '##....', '#####.', '##....', '##....', '##....', '######'],
    F: ['######', '##....', '##....', '#####.', '##....', '##....', '##....', '##....'],
    G: ['.####.', '##..##', '##....', '##....', '##.###', '##..##', '##..##', '.#####'],
    H: ['##..##', '##..##', '##..##', '######', '##..##', '##..##', '##..##', '##..##'],
    I: ['##', '##', '##', '##', '##', '##', '##', '##'],
    J: ['....##', '....##', '....##', '....##', '....##', '##..##', '##..##', '.####.'],
    K: ['##..##', '##.##.', '####..', '###...', '####..', '##.##.', '##..##', '##..##'],
    L: ['##....', '##....', '##....', '##....', '##....', '##....', '##....', '######'],
    M: ['##...##', '###.###', '#######', '##.#.##', '##.#.##', '##...##', '##...##', '##...##'],
    N: ['##...##', '###..##', '####.##', '##.####', '##..###', '##...##', '##...##', '##...##'],
    O: ['.####.', '##..##', '##..##', '##..##', '##..##', '##..##', '##..##', '.####.'],
    P: ['#####.', '##..##', '##..##', '##..##', '#####.', '##....', '##....', '##....'],
    Q: ['.####.', '##..##', '##..##', '##..##', '##..##', '##.###', '##..##', '.#####', '.....#'],
    R: ['#####.', '##..##', '##..##', '##..##', '#####.', '####..', '##.##.', '##..##'],
};
const CAP_HEIGHT = 8;
const LETTER_GAP = 1;

// Draws text with its capitals centred on (cx, cy) in image coordinates.
function drawLabel(pixels, text, cx, cy, colour) {
    const glyphs = [...text].map((c) => GLYPHS[c]);
    const width = glyphs.reduce((sum, g) => sum + g[0].length, 0) + LETTER_GAP * (glyphs.length - 1);
    let x = Math.round(cx - width / 2);
    const y = Math.round(cy - CAP_HEIGHT / 2);
    for (const glyph of glyphs) {
        glyph.forEach((row, dy) => {
            [...row].forEach((cell, dx) => {
                if (cell === '#') setPixel(pixels, x + dx, y + dy, colour);
            });
        });
        x += glyph[0].length + LETTER_GAP;
    }
}

// ---------------------------------------------------------------------------------------------
// Image buffer (RGB) and PNG output.

function setPixel(pixels, x, y, colour) {
    if (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT) return;
    pixels.set(colour, (y * WIDTH + x) * 3);
}

function blend(pixels, coverage, colour) {
    const full = SS * SS;
    for (let i = 0; i < coverage.length; i++) {
        const a = coverage[i] / full;
        if (a === 0) continue;
        for (let c = 0; c < 3; c++) {
            pixels[i * 3 + c] = Math.round(pixels[i * 3 + c] * (1 - a) + colour[c] * a);
        }
    }
}

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});

function crc32(bytes) {
    let c = 0xffffffff;
    for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(data.length, 0);
    head.write(type, 4, 'ascii');
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
    return Buffer.concat([head, data, crc]);
}

function encodePng(pixels) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(WIDTH, 0);
    header.writeUInt32BE(HEIGHT, 4);
    header[8] = 8; // bit depth
    header[9] = 2; // colour type: RGB
    // compression, filter and interlace methods stay 0
    const raw = Buffer.alloc(HEIGHT * (1 + WIDTH * 3));
    for (let y = 0; y < HEIGHT; y++) {
        // filter type 0 (none) in the first byte of each row
        raw.set(pixels.subarray(y * WIDTH * 3, (y + 1) * WIDTH * 3), y * (1 + WIDTH * 3) + 1);
    }
    return Buffer.concat([
        Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
        chunk('IHDR', header),
        chunk('IDAT', zlib.deflateSync(raw, { level: 9 })),
        chunk('IEND', Buffer.alloc(0)),
    ]);
}

// ---------------------------------------------------------------------------------------------

function main() {
    const output = path.resolve(process.argv[2] || path.join(__dirname, '../../data/WORLDMAP.PNG'));
    // countries-50m.json holds both the countries and the land merged from them, so the
    // coastlines and the borders come from one consistent topology.
    const topology = require('world-atlas/countries-50m.json');
    const arcs = decodeArcs(topology);
    const landGeometries = topology.objects.land.geometries;
    const countries = topology.objects.countries.geometries;

    const pixels = new Uint8Array(WIDTH * HEIGHT * 3);
    for (let i = 0; i < WIDTH * HEIGHT; i++) pixels.set(OCEAN, i * 3);

    // Land.
    const landRings = landGeometries.flatMap(geometryRings);
    blend(pixels, fillRings(landRings.flatMap((ring) => fillPolygons(ringPoints(arcs, ring)))), LAND);

    // Country borders: arcs shared by two different countries.
    const owners = new Map();
    countries.forEach((country, n) => {
        for (const ring of geometryRings(country)) {
            for (const index of ring) {
                const id = arcId(index);
                if (!owners.has(id)) owners.set(id, new Set());
                owners.get(id).add(n);
            }
        }
    });
    const borderSegments = [];
    for (const [id, set] of owners) {
        if (set.size > 1) borderSegments.push(...lineSegments(arcs[id]));
    }
    blend(pixels, strokeSegments(borderSegments, BORDER_WIDTH), BORDER);

    // Coastlines: the outline of the land.
    const coastSegments = landRings.flatMap((ring) => lineSegments(ringPoints(arcs, ring)));
    blend(pixels, strokeSegments(coastSegments, COAST_WIDTH), COAST);

    // Maidenhead field grid: 18 x 18 fields of 20 degrees of longitude by 10 degrees of latitude,
    // one-pixel lines; the lines at +180 degrees and -90 degrees fall just outside the picture and
    // are drawn on its last column and row so that the edge fields are closed too.
    for (let lon = -180; lon <= 180; lon += 20) {
        const x = Math.min(WIDTH - 1, Math.floor(lonToX(lon)));
        for (let y = 0; y < HEIGHT; y++) setPixel(pixels, x, y, GRID);
    }
    for (let lat = -90; lat <= 90; lat += 10) {
        const y = Math.min(HEIGHT - 1, Math.floor(latToY(lat)));
        for (let x = 0; x < WIDTH; x++) setPixel(pixels, x, y, GRID);
    }

    // Field labels: first letter from the longitude (A at -180), second from the latitude (A at -90).
    for (let i = 0; i < 18; i++) {
        for (let j = 0; j < 18; j++) {
            const text = String.fromCharCode(65 + i) + String.fromCharCode(65 + j);
            drawLabel(pixels, text, lonToX(-180 + 20 * i + 10), latToY(-90 + 10 * j + 5), GRID);
        }
    }

    fs.writeFileSync(output, encodePng(pixels));
    console.log(`wrote ${output} (${WIDTH} x ${HEIGHT})`);
}

main();
