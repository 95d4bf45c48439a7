#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "run/run_message.h"
#include "run/window_inputs.h"

// Every input of one run, read afresh from the main window at every RUN (and every real-time tick).
// Angles in radians unless a name says degrees; latitudes north positive, longitudes WEST positive.

namespace velmorant {

struct StationSite {
    std::string Callsign;
    std::string Locator;
    std::string Notes;
    // Degrees. The Home values are held in single precision (the window's Home row was always a
    // Single), the DX values in double.
    double Latitude = 0;
    double Longitude = 0;
    double LatitudeRad = 0;
    double LongitudeRad = 0;
    double Above = 0;  // lower elevation limit, degrees (the window's default is -2)
    double Below = 0;  // upper elevation limit, degrees (the window's default is 90)
    float AboveRad = 0;
    float BelowRad = 0;
};

struct RunParameters {
    std::int16_t Operation = 0;  // 1 Planning, 2 Real-Time
    std::int16_t DayStart = 0, MonthStart = 0, YearStart = 0;
    std::int16_t DayEnd = 0, MonthEnd = 0, YearEnd = 0;
    float StartDayNumber = 0;
    float EndDayNumber = 0;
    std::int16_t DisplayHome = 0;  // 1 when the Home display box is checked
    std::int16_t DisplayDX = 0;
    std::string BothStations;  // "Y" or "N"
    std::int16_t Units = 0;    // 0 kilometres, 1 miles
    std::string UnitsLabel;    // "KM" or "MI"
    StationSite Home;
    StationSite DX;
    std::int16_t CelestialIndex = 0;  // 0 Moon, 1 Sun, 2..7 built-in objects, 8 (Other)
    std::int16_t Celestial = 0;       // 1 Moon, 2 any other object
    std::string CelestialName;        // the object list's displayed text
    std::string ObjectName;           // the custom object name box
    float ObjectRA = 0;               // radians, only for Celestial 2
    float ObjectDec = 0;              // radians, only for Celestial 2
    std::string ObjectCaption;        // "23 H 21 M, +58.6°", empty for the Sun
    std::int16_t SunSelected = 0;
    float NoiseTemperature = 0;  // kelvin
    std::int16_t IncrementMinutes = 0;
    std::int16_t OutputLines = 0;  // lines per page, 0 = no paging
    std::string Band;              // MHz as shown: "50", "144", "220", "432", "1296"
    std::int16_t Region = 0;       // IARU region 1..3 from the Home longitude
    float TimeDif = 0;             // hours, computer clock minus UTC
    std::string TextEditor;
    std::string AdobeReader;
    float AzMin = 0, AzMax = 0;          // degrees: easternmost and westernmost azimuth wanted
    float AzMinRad = 0, AzMaxRad = 0;    // the same in radians
    std::string GmtMinText, GmtMaxText;  // the time window as typed, "HHMM"
    float GmtMin = 0;
    std::int16_t GmtMax = 0;
    float MaxDegradation = 0;  // dB, 0 = no limit
    double DxDistance = 0;     // kilometres or miles, 0.1 resolution
};

// Reads the window snapshot into the parameters of a run. A number outside its range is refused
// first (InputRangeRefusal), with a message that names the box.
std::variant<RunParameters, RunMessage> GatherRunParameters(const WindowInputs& inputs);

}  // namespace velmorant
