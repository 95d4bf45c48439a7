// SPDX-License-Identifier: GPL-3.0-or-later
// The once-a-minute map update of the real-time display and the line of QVAZEL.DAT.

#include "run/realtime/real_time_map.h"

#include <algorithm>
#include <cmath>

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "run/instant_position.h"
#include "run/report/report_text.h"

namespace velmorant {

namespace {

// The drawing area of the map, in pixels.
constexpr int kMapColumns = 1273;
constexpr int kMapRows = 636;

// The pixel that holds the point at centred map coordinates (x, y). The drawing area's left
// edge is x = -636.5 and its top edge y = +318, so pixel column c spans [c, c + 1) of 636.5 + x.
// The grid's 180 degrees east (x = +636.5) and south pole (y = -318) lie on the far edges and
// are held to the last column and row.
MapPixel PixelAt(double x, double y) {
    const int column = static_cast<int>(std::floor(636.5 + x));
    const int row = static_cast<int>(std::floor(318.0 - y));
    return MapPixel{std::clamp(column, 0, kMapColumns - 1), std::clamp(row, 0, kMapRows - 1)};
}

}  // namespace

TopocentricResult PassTopocentric(const RunParameters& params, const RealTimePassResult& pass) {
    return HomeTopocentric(params.Home, pass.RightAscension, pass.Declination,
                           pass.GreenwichHourAngle, pass.Distance.DistanceKm,
                           pass.SiderealTimeHours);
}

RgbColour ObjectColour(const RunParameters& params) {
    switch (params.Object.value_or(CelestialObject::Other)) {
        case CelestialObject::Moon:
            return {96, 96, 96};
        case CelestialObject::Sun:
            return {255, 128, 0};
        case CelestialObject::CassiopeiaA:
        case CelestialObject::CygnusA:
        case CelestialObject::Sagittarius:
        case CelestialObject::TaurusA:
            return {0, 0, 192};
        case CelestialObject::ColdSkyNorth:
        case CelestialObject::ColdSkySouth:
            return {0, 128, 128};
        case CelestialObject::Other:
            break;
    }
    return {128, 0, 0};
}

double SubPointLongitudeWest(double greenwichHourAngle) {
    double longitude = std::fmod(greenwichHourAngle, TwoPi);
    if (longitude >= Pi) {
        longitude -= TwoPi;
    } else if (longitude < -Pi) {
        longitude += TwoPi;
    }
    return longitude;
}

MapSubPoint SubPointOf(const RunParameters& params, const RealTimePassResult& pass) {
    MapSubPoint point;
    point.X = MapX(SubPointLongitudeWest(pass.GreenwichHourAngle));
    point.Y = MapY(pass.Declination);
    const bool ownName = params.Object == CelestialObject::Other && !params.ObjectName.empty();
    point.Caption = ownName ? params.ObjectName : params.CelestialName;
    point.Colour = ObjectColour(params);
    return point;
}

double MapX(double longitudeWestRad) {
    return -longitudeWestRad * kMapColumns / TwoPi;
}

double MapY(double latitudeRad) {
    return latitudeRad * kMapRows / Pi;
}

std::vector<MapPixel> BelowHorizonDots(double greenwichHourAngle, double declination) {
    // The grid's start, end and running values are Singles: stepping a Single by one degree
    // gives exactly 180 rows and 361 points per row.
    constexpr float step = 0.0174533f;
    const float latitudeEnd = static_cast<float>(Pi / 2);
    const float longitudeStart = static_cast<float>(-Pi);
    const float longitudeEnd = static_cast<float>(Pi);
    const double cosDec = std::cos(declination);
    const double sinDec = std::sin(declination);

    std::vector<MapPixel> dots;
    dots.reserve(180 * 361 / 2 + 361);
    for (float latitude = static_cast<float>(-Pi / 2); latitude <= latitudeEnd; latitude += step) {
        const double cosLatCosDec = std::cos(latitude) * cosDec;
        const double sinDecSinLat = sinDec * std::sin(latitude);
        const double y = MapY(latitude);
        for (float longitude = longitudeStart; longitude <= longitudeEnd; longitude += step) {
            // Sine of the object's elevation seen from the point.
            const double s = cosLatCosDec * std::cos(longitude - greenwichHourAngle) + sinDecSinLat;
            const double c = std::sqrt(1.0 - s * s);
            if (c == 0) {
                continue;
            }
            if (ArcTan2(s, c) < 0) {
                dots.push_back(PixelAt(MapX(longitude), y));
            }
        }
    }
    return dots;
}

std::string AzElLine(std::string_view utcClock, double homeAzimuth, double homeElevation,
                     std::string_view objectText, double hourAngle, double declination) {
    std::string line(utcClock);
    line += ',';
    line += AngleText(homeAzimuth);
    line += ',';
    line += AngleText(homeElevation);
    line += ',';
    line += objectText;
    line += ',';
    line += AngleText(hourAngle);
    line += ',';
    line += AngleText(declination);
    return line;
}

MapUpdateFrame MapUpdate(const RunParameters& params, const RealTimePassResult& pass,
                         double& previousTopocentricDec) {
    MapUpdateFrame update;
    if (params.DisplayHome) {
        update.Stations.push_back(MapStation{MapX(params.Home.LongitudeRad),
                                             MapY(params.Home.LatitudeRad),
                                             pass.Frame.CallsignHome});
    }
    if (params.DisplayDX) {
        update.Stations.push_back(MapStation{MapX(params.DX.LongitudeRad),
                                             MapY(params.DX.LatitudeRad), pass.Frame.CallsignDX});
    }
    update.SubPoint = SubPointOf(params, pass);
    update.BelowHorizon = BelowHorizonDots(pass.GreenwichHourAngle, pass.Declination);

    // The Moon's hour angle and declination for Home are its topocentric ones; other objects
    // have no parallax worth the name, so their geocentric values serve the same readers.
    double hourAngle = pass.GreenwichHourAngle;
    double declination = pass.Declination;
    if (pass.Moon) {
        const TopocentricResult topo = PassTopocentric(params, pass);
        hourAngle = topo.GreenwichHourAngle;
        declination = topo.Declination;
        update.ShowTopocentric = true;
        update.TopocentricGHA = AngleText(topo.GreenwichHourAngle);
        update.TopocentricDec = AngleText(topo.Declination);
        // Red tells the operator that the Moon is moving south.
        update.TopocentricDecColour =
            topo.Declination < previousTopocentricDec ? TextColour::Red : TextColour::SystemText;
        previousTopocentricDec = topo.Declination;
    }
    update.AzElLine = AzElLine(pass.Utc.UtcClock, pass.Home.AzimuthSingle,
                               pass.Home.ElevationSingle, pass.ObjectText, hourAngle, declination);
    return update;
}

}  // namespace velmorant
