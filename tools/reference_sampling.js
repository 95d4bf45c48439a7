// SPDX-License-Identifier: GPL-3.0-or-later
// What the reference-table generators share: a repeatable random sequence, the stations that
// stress the geometry, random stations over the globe and the instants' text.

'use strict';

// A small deterministic generator (mulberry32), so a table is the same at every run.
function makeRandom(seed) {
    let state = seed >>> 0;
    return function next() {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// Places that stress the geometry: the poles, the equator, both sides of 180 degrees.
const kSpecialSites = [
    [90, 0], [-90, 0], [0, 0], [0, 180], [0, -180], [90, -180], [-90, 180],
    [0, 90], [0, -90], [45, 180], [-45, -180], [0, 179.9999], [0, -179.9999],
];

function round(value, decimals) {
    return Number(value.toFixed(decimals));
}

function randomSite(random) {
    // Uniform over the sphere: latitude from the arc sine of a uniform number.
    const latitude = Math.asin(2 * random() - 1) * 180 / Math.PI;
    const longitude = 360 * random() - 180;
    return [round(latitude, 4), round(longitude, 4)];
}

function isoSeconds(ms) {
    return new Date(ms).toISOString().replace(/\.000Z$/, 'Z');
}

module.exports = {makeRandom, kSpecialSites, round, randomSite, isoSeconds};
