// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one real-time pass hands to the real-time window frmRT, and what the once-a-minute map
// update adds. Texts are UTF-8 and final: the window shows them as they are.

namespace velmorant {

// Colours the window sets on value labels and the degradation box.
enum class TextColour {
    SystemText,  // the platform's button-text colour, normally black
    Red,         // RGB(255,0,0)
    Orange,      // RGB(255,128,0)
    Yellow,      // RGB(255,255,0)
    Green        // RGB(0,255,0)
};

// The labels of frmRT after a pass (visibility and values).
struct RealTimeFrame {
    std::string CelestialCaption;  // lblCelestial: the object list's text ("(Other)" for custom)

    bool ShowDegradation = false;   // lblDegredation and picdB: the Moon is tracked
    bool ShowHome = false;          // lblCallsignHome, lblUAZ, lblUEL
    bool ShowDX = false;            // lblCallsignDX, lblYAZ, lblYEL
    bool ShowPolarization = false;  // lblPol and lblPolDeg: both stations and the Moon
    bool ShowHeadings = false;      // lblStation, lblAz, lblEl: at least one station

    // lblCallsignHome: the callsign, or the locator when there is none ("" when Home is not
    // displayed); also the station's name on the map.
    std::string CallsignHome;
    std::string CallsignDX;  // lblCallsignDX, as for Home

    std::string UtcTime;           // lblTime, "HH:MM:SS"
    std::string UtcDate;           // lblDate, "MAR 2, 2016"
    std::string PolarizationText;  // lblPolDeg, the offset right-aligned in 3 and "°"

    std::string HomeAzimuth;    // lblUAZ, angle text (set when Home is displayed)
    std::string HomeElevation;  // lblUEL
    TextColour HomeElevationColour = TextColour::SystemText;
    std::string DXAzimuth;    // lblYAZ
    std::string DXElevation;  // lblYEL
    TextColour DXElevationColour = TextColour::SystemText;

    std::string LocalClockCaption;  // lbComputerTime: "Local Clock:" or "" when TimeDif is 0
    std::string LocalTime;          // lblLocalTime, "HH:MM:SS" or ""
    std::string LocalDate;          // lblLocalDate, date text or ""

    std::string DegradationText;  // picdB: -r with one decimal right-aligned in 6 (Moon only)
    TextColour DegradationColour = TextColour::Green;

    // The Doppler row (lblDoppler, lblEcho, lblEchoDoppler, lblDX, lblDXDoppler): the Moon.
    bool ShowDoppler = false;
    std::string EchoDopplerText;  // lblEchoDoppler: the Home echo, whole hertz, "-1234 Hz"
    std::string DXDopplerText;    // lblDXDoppler: Home heard at DX; "" when DX is not displayed
    // The echo figures of the Moon at the band's frequency, "" for other objects: the libration
    // spreads with one decimal ("221.8 Hz"; DX's "" when DX is not displayed), the echo
    // Doppler's rate ("-83.1 Hz/min") and the echo delay ("2.5290 s").
    std::string EchoSpreadText;
    std::string DXSpreadText;
    std::string DopplerRateText;
    std::string EchoDelayText;
    // The angle between the Sun and the Moon seen from Home, whatever the object: "155.2°".
    std::string SunMoonAngleText;

    // lblClockCheck, in red: the typed clock offset disagrees with the computer's ("" if not).
    std::string ClockCheck;
};

// A colour drawn on the map, 0..255 each.
struct RgbColour {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    bool operator==(const RgbColour&) const = default;
};

// A point of the map's drawing area in pixels: column from the left, row from the top
// (the drawing area is 1273 x 636).
struct MapPixel {
    int Column = 0;
    int Row = 0;
};

// A station marked on the map: a circle of radius 2 around it and its callsign caption with its
// top-left corner at the station. Coordinates in the centred map system (x right, y up).
struct MapStation {
    double X = 0;
    double Y = 0;
    std::string Caption;
};

// The point where the object stands at the zenith: a small disc in the object's colour with the
// object's name beside it. Coordinates in the centred map system, as MapStation's.
struct MapSubPoint {
    double X = 0;
    double Y = 0;
    std::string Caption;
    RgbColour Colour;
};

// The once-a-minute map update.
struct MapUpdateFrame {
    std::vector<MapStation> Stations;     // Home first, then DX (the displayed ones)
    std::optional<MapSubPoint> SubPoint;  // the object at the zenith; always set by MapUpdate
    std::vector<MapPixel> BelowHorizon;   // black dots where the object is below the horizon
    bool ShowTopocentric = false;         // lblTopocentric, lblGHA, lblGHAT, lblDEC, lblDECT
    std::string TopocentricGHA;           // lblGHAT, angle text
    std::string TopocentricDec;           // lblDECT, angle text
    TextColour TopocentricDecColour = TextColour::SystemText;
    std::string AzElLine;  // the line of QVAZEL.DAT, without its line end
};

}  // namespace velmorant
