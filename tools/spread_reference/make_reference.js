// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the reference table for VELMORANT's per-instant EME figures: for 400 UTC instants from
// 2000 to 2050 and station pairs spread over the globe (the poles, the equator and both sides of
// 180 degrees among them), the libration rate of each station, the libration spreads of the own
// echo and of the Home-to-DX path at 10368 MHz, the echo delay, the rate of change of the echo
// Doppler and the angle between the Sun and the Moon seen from Home.
//
// The ephemeris and the Moon's rotation are astronomy-engine's (its own lunar series, Earth
// figure, sidereal time and its RotationAxis model of the Moon's pole and spin), independent of
// the ERFA routines and the rotation code the program uses. Stations stand at height 0 m.
//
// The libration rate of a station is the velocity of its sub-station point (the point of the Moon
// facing it) over the Moon's surface: the unit vector from the Moon's centre to the station in
// the Moon's body frame, differenced over +/- 30 s, rad/s. The spread of a path from station 1
// to station 2 is 2 R f |w1 + w2| / c with the two vectors added in the body frame.
//
// Usage: node make_reference.js OUTPUT.csv

'use strict';

const fs = require('fs');
const Astronomy = require('astronomy-engine');
const {makeRandom, kSpecialSites, randomSite, isoSeconds} = require('../reference_sampling.js');

const kRows = 400;
const kCarrierHz = 10368e6;
const kLightSpeedMps = 299792458;  // exact, by the definition of the metre
const kMoonRadiusM = 1737400;      // the Moon's mean radius (IAU), m
const kMetresPerAu = Astronomy.KM_PER_AU * 1000;
const kHalfStepSeconds = 30;
const kDegrees = Math.PI / 180;

function timeAt(ms) {
    return Astronomy.MakeTime(new Date(ms));
}

// The vector from the station to the Moon, J2000 equatorial, metres.
function topocentricMoon(observer, time) {
    const vec = Astronomy.Equator(Astronomy.Body.Moon, time, observer, false, false).vec;
    return [vec.x * kMetresPerAu, vec.y * kMetresPerAu, vec.z * kMetresPerAu];
}

function length(v) {
    return Math.hypot(v[0], v[1], v[2]);
}

// The unit vector from the Moon's centre to the station in the Moon's body frame (x to the prime
// meridian, z to the north pole): Rz(W) Rx(90 - dec) Rz(90 + ra) applied to it.
function subStationPoint(observer, time) {
    const axis = Astronomy.RotationAxis(Astronomy.Body.Moon, time);
    const toMoon = topocentricMoon(observer, time);
    const distance = length(toMoon);
    let v = toMoon.map((c) => -c / distance);
    const rotateZ = (u, angle) => [
        Math.cos(angle) * u[0] + Math.sin(angle) * u[1],
        -Math.sin(angle) * u[0] + Math.cos(angle) * u[1],
        u[2],
    ];
    const rotateX = (u, angle) => [
        u[0],
        Math.cos(angle) * u[1] + Math.sin(angle) * u[2],
        -Math.sin(angle) * u[1] + Math.cos(angle) * u[2],
    ];
    v = rotateZ(v, (90 + axis.ra * 15) * kDegrees);
    v = rotateX(v, (90 - axis.dec) * kDegrees);
    return rotateZ(v, axis.spin * kDegrees);
}

// The sub-station point's velocity over the Moon's surface, body frame, rad/s.
function librationRate(observer, ms) {
    const step = kHalfStepSeconds * 1000;
    const after = subStationPoint(observer, timeAt(ms + step));
    const before = subStationPoint(observer, timeAt(ms - step));
    return after.map((c, i) => (c - before[i]) / (2 * kHalfStepSeconds));
}

function spreadHz(w1, w2) {
    return 2 * kMoonRadiusM * kCarrierHz * length(w1.map((c, i) => c + w2[i])) / kLightSpeedMps;
}

function distanceMetres(observer, ms) {
    return length(topocentricMoon(observer, timeAt(ms)));
}

// The echo Doppler's rate of change, Hz per minute: -2 f/c times the second difference of the
// topocentric distance over +/- 30 s.
function echoDopplerRate(observer, ms) {
    const step = kHalfStepSeconds * 1000;
    const accel = (distanceMetres(observer, ms + step) - 2 * distanceMetres(observer, ms) +
                   distanceMetres(observer, ms - step)) /
                  (kHalfStepSeconds * kHalfStepSeconds);
    return -2 * kCarrierHz * accel / kLightSpeedMps * 60;
}

// The angle between the Sun and the Moon seen from the station, degrees.
function sunMoonAngle(observer, ms) {
    const time = timeAt(ms);
    const sun = Astronomy.Equator(Astronomy.Body.Sun, time, observer, false, false).vec;
    const moon = Astronomy.Equator(Astronomy.Body.Moon, time, observer, false, false).vec;
    const dot = sun.x * moon.x + sun.y * moon.y + sun.z * moon.z;
    const cross = [sun.y * moon.z - sun.z * moon.y, sun.z * moon.x - sun.x * moon.z,
                   sun.x * moon.y - sun.y * moon.x];
    return Math.atan2(length(cross), dot) / kDegrees;
}

function main() {
    const output = process.argv[2];
    if (!output) {
        console.error('usage: node make_reference.js OUTPUT.csv');
        process.exit(2);
    }
    const random = makeRandom(20261211);
    const start = Date.UTC(2000, 0, 1);
    const end = Date.UTC(2051, 0, 1);

    const lines = [
        '# Libration spreads at 10368 MHz, echo delays, echo Doppler rates and Sun-Moon angles,',
        '# from astronomy-engine 2.1.19 (tools/spread_reference/make_reference.js).',
        '# Longitudes east positive, height 0 m. rate: speed of the sub-station point over the',
        '# Moon, rad/s; spread = 2 R f |w_home + w_dx| / c, R = 1737.4 km; delay = 2 d / c;',
        '# doppler_rate: of the echo, Hz/min; sun_moon_angle: seen from Home, degrees.',
        'utc,home_lat_deg,home_lon_east_deg,dx_lat_deg,dx_lon_east_deg,home_rate_radps,' +
            'dx_rate_radps,echo_spread_hz,dx_spread_hz,echo_delay_s,echo_doppler_rate_hz_per_min,' +
            'sun_moon_angle_deg',
    ];
    for (let row = 0; row < kRows; ++row) {
        const ms = start + Math.floor(random() * (end - start) / 1000) * 1000;
        let home = randomSite(random);
        let dx = randomSite(random);
        if (row % 3 === 1) {
            home = kSpecialSites[(row / 3 | 0) % kSpecialSites.length];
        }
        if (row % 5 === 2) {
            dx = kSpecialSites[(row / 5 | 0) % kSpecialSites.length];
        }
        const homeObserver = new Astronomy.Observer(home[0], home[1], 0);
        const dxObserver = new Astronomy.Observer(dx[0], dx[1], 0);
        const homeRate = librationRate(homeObserver, ms);
        const dxRate = librationRate(dxObserver, ms);
        const delay = 2 * distanceMetres(homeObserver, ms) / kLightSpeedMps;
        lines.push([isoSeconds(ms), home[0], home[1], dx[0], dx[1],
                    length(homeRate).toExponential(6), length(dxRate).toExponential(6),
                    spreadHz(homeRate, homeRate).toFixed(3), spreadHz(homeRate, dxRate).toFixed(3),
                    delay.toFixed(7), echoDopplerRate(homeObserver, ms).toFixed(3),
                    sunMoonAngle(homeObserver, ms).toFixed(4)].join(','));
    }
    fs.writeFileSync(output, lines.join('\n') + '\n');
}

main();
