// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the reference table for VELMORANT's Moon Doppler: for 2000 UTC instants from 2000 to
// 2050 and station pairs spread over the globe, the rate of change of the topocentric distance
// from each station to the Moon and the Doppler shifts at 1296 MHz.
//
// The ephemeris is astronomy-engine's (its own lunar series, sidereal time and Earth figure),
// independent of the ERFA routines the program uses. The distance rate is a central difference
// of the topocentric distance over +/- 2 s. Stations stand at height 0 m.
//
// Usage: node make_reference.js OUTPUT.csv

'use strict';

const fs = require('fs');
const Astronomy = require('astronomy-engine');
const {makeRandom, kSpecialSites, randomSite, isoSeconds} = require('../reference_sampling.js');

const kRows = 2000;
const kCarrierHz = 1296e6;
const kLightSpeedMps = 299792458;  // exact, by the definition of the metre
const kMetresPerAu = Astronomy.KM_PER_AU * 1000;
const kHalfStepSeconds = 2;

// The turn of every fifth year, and the leap second at the end of 2016.
function yearTurnInstants() {
    const instants = [];
    for (let year = 2000; year <= 2050; year += 5) {
        instants.push(Date.UTC(year - 1, 11, 31, 23, 59, 59));
        instants.push(Date.UTC(year, 0, 1, 0, 0, 0));
    }
    instants.push(Date.UTC(2016, 11, 31, 23, 59, 59));
    instants.push(Date.UTC(2017, 0, 1, 0, 0, 0));
    return instants.filter((ms) => ms >= Date.UTC(2000, 0, 1));
}

function distanceMetres(observer, ms) {
    const time = Astronomy.MakeTime(new Date(ms));
    return Astronomy.Equator(Astronomy.Body.Moon, time, observer, false, false).dist * kMetresPerAu;
}

// Rate of change of the topocentric distance, m/s, by a central difference.
function rangeRate(site, ms) {
    const observer = new Astronomy.Observer(site[0], site[1], 0);
    const step = kHalfStepSeconds * 1000;
    return (distanceMetres(observer, ms + step) - distanceMetres(observer, ms - step)) /
           (2 * kHalfStepSeconds);
}

function main() {
    const output = process.argv[2];
    if (!output) {
        console.error('usage: node make_reference.js OUTPUT.csv');
        process.exit(2);
    }
    const random = makeRandom(20260601);
    const start = Date.UTC(2000, 0, 1);
    const end = Date.UTC(2051, 0, 1);
    const turns = yearTurnInstants();

    const lines = [
        '# Moon range rates and Doppler shifts at 1296 MHz, from astronomy-engine 2.1.19',
        '# (tools/doppler_reference/make_reference.js). Longitudes east positive, height 0 m.',
        '# rate: d(topocentric distance)/dt by central difference over +/-2 s, m/s.',
        '# echo = -2 f rate_home / c; dx = -f (rate_home + rate_dx) / c; f = 1296 MHz.',
        'utc,home_lat_deg,home_lon_east_deg,dx_lat_deg,dx_lon_east_deg,' +
            'home_rate_mps,dx_rate_mps,echo_hz_1296,dx_hz_1296',
    ];
    for (let row = 0; row < kRows; ++row) {
        let ms = start + Math.floor(random() * (end - start) / 1000) * 1000;
        if (row < turns.length) {
            ms = turns[row];
        }
        let home = randomSite(random);
        let dx = randomSite(random);
        if (row % 7 === 3) {
            home = kSpecialSites[(row / 7 | 0) % kSpecialSites.length];
        }
        if (row % 11 === 5) {
            dx = kSpecialSites[(row / 11 | 0) % kSpecialSites.length];
        }
        const homeRate = rangeRate(home, ms);
        const dxRate = rangeRate(dx, ms);
        const echo = -2 * kCarrierHz * homeRate / kLightSpeedMps;
        const dxShift = -kCarrierHz * (homeRate + dxRate) / kLightSpeedMps;
        lines.push([isoSeconds(ms), home[0], home[1], dx[0], dx[1], homeRate.toFixed(4),
                    dxRate.toFixed(4), echo.toFixed(3), dxShift.toFixed(3)].join(','));
    }
    fs.writeFileSync(output, lines.join('\n') + '\n');
}

main();
