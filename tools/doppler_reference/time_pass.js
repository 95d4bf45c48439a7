// SPDX-License-Identifier: GPL-3.0-or-later
// Times astronomy-engine doing the work of one pass of VELMORANT's real-time display (benchmark
// BM_RealTimePass): the Moon's azimuth, elevation and range rate for two stations, one pass a
// second. It gives the figure the program's pass is compared with in docs/performance.md.
//
// Each pass makes the second's time once and shares it (astronomy-engine keeps the nutation and
// sidereal time of a time object), takes the Moon's geocentric state once, and for each station
// the topocentric place of date turned to the horizon (no refraction) and the station's state in
// the same frame as the Moon's, for the rate of change of the distance.
//
// Usage: node time_pass.js [PASSES]   (default 20000 passes, five timed repetitions after a
// warm-up; prints the microseconds per pass of each and their median)

'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

// The benchmark's stations: JN58td and FN31pq, height 0 m (latitude, longitude east, degrees).
const kStations = [
    new Astronomy.Observer(48 + 8 / 60 + 45 / 3600, 11 + 37 / 60 + 30 / 3600, 0),
    new Astronomy.Observer(41 + 41 / 60 + 15 / 3600, -(72 + 42 / 60 + 30 / 3600), 0),
];
const kStartMs = Date.UTC(2016, 2, 16, 18, 0, 0);
const kMetresPerAu = Astronomy.KM_PER_AU * 1000;
const kSecondsPerDay = 86400;
const kRepetitions = 5;

// One pass at the n-th second: azimuth and elevation (degrees) and range rate (m/s) per station,
// summed so that nothing is left uncomputed.
function pass(n) {
    const time = Astronomy.MakeTime(new Date(kStartMs + n * 1000));
    const moon = Astronomy.GeoMoonState(time);
    let sum = 0;
    for (const observer of kStations) {
        const place = Astronomy.Equator(Astronomy.Body.Moon, time, observer, true, true);
        const horizon = Astronomy.Horizon(time, observer, place.ra, place.dec);
        const site = Astronomy.ObserverState(time, observer, false);
        const dx = moon.x - site.x, dy = moon.y - site.y, dz = moon.z - site.z;
        const along = dx * (moon.vx - site.vx) + dy * (moon.vy - site.vy) + dz * (moon.vz - site.vz);
        const rateMps = along / Math.hypot(dx, dy, dz) * kMetresPerAu / kSecondsPerDay;
        sum += horizon.azimuth + horizon.altitude + rateMps;
    }
    return sum;
}

function timeRepetition(first, passes) {
    let sum = 0;
    const start = process.hrtime.bigint();
    for (let n = first; n < first + passes; ++n) {
        sum += pass(n);
    }
    const microseconds = Number(process.hrtime.bigint() - start) / 1000 / passes;
    return {microseconds, sum};
}

function main() {
    const passes = Number(process.argv[2] || 20000);
    if (!Number.isInteger(passes) || passes < 1) {
        console.error('usage: node time_pass.js [PASSES]');
        process.exit(2);
    }
    timeRepetition(0, passes);  // warm-up: the JIT compiles the series
    const times = [];
    let check = 0;
    for (let r = 1; r <= kRepetitions; ++r) {
        const {microseconds, sum} = timeRepetition(r * passes, passes);
        times.push(microseconds);
        check += sum;
    }
    const sorted = [...times].sort((a, b) => a - b);
    const manifest = path.join(path.dirname(require.resolve('astronomy-engine')), 'package.json');
    const version = JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
    console.log(`astronomy-engine ${version}, ` +
                `node ${process.version}, ${passes} passes per repetition`);
    console.log(`us per pass: ${times.map((t) => t.toFixed(1)).join(' ')}`);
    console.log(`median: ${sorted[(kRepetitions - 1) / 2].toFixed(1)} us per pass ` +
                `(check ${check.toFixed(3)})`);
}

main();
