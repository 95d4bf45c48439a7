// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "run/run_choices.h"
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
    std::optional<RunOperation> Operation;  // nothing when no operation is chosen
    // The first and the last date. Day 1..31 and month 1..12 come from their lists (0 when none
    // is chosen; Planning refuses that).
    int DayStart = 0, MonthStart = 0;
    // 16 bits: the typed year rounded half to even and saturated, as the year box always stored
    // it (Planning refuses years outside 1900..2100).
    std::int16_t YearStart = 0;
    int DayEnd = 0, MonthEnd = 0;
    std::int16_t YearEnd = 0;   // 16 bits, rounded half to even and saturated, as YearStart
    float StartDayNumber = 0;   // DayNumber() of the first date (2000-01-01 is 53997)
    float EndDayNumber = 0;     // the same for the last date
    bool DisplayHome = false;   // the Home row's display box is checked
    bool DisplayDX = false;     // the DX row's display box is checked
    bool BothStations = false;  // both display boxes are checked
    DistanceUnit Units = DistanceUnit::Kilometres;  // miles from list position 1 on, else km
    std::string UnitsLabel;                         // "KM" or "MI", as the reports print it
    StationSite Home;
    StationSite DX;
    std::optional<CelestialObject> Object;  // nothing when no object is chosen
    std::string CelestialName;              // the object list's displayed text
    std::string ObjectName;                 // the custom object name box
    float ObjectRA = 0;                     // radians, only for an object other than the Moon
    float ObjectDec = 0;                    // radians, north positive, as ObjectRA
    std::string ObjectCaption;              // "23 H 21 M, +58.6°", empty for the Sun
    // The object list shows the text "Sun" (and an object other than the Moon is chosen): the
    // position is the Sun's, computed for each instant, not ObjectRA/ObjectDec.
    bool SunSelected = false;
    float NoiseTemperature = 0;  // kelvin
    // Minutes between report lines. 16 bits: the typed text rounded half to even and saturated,
    // as the box always stored it (Planning refuses anything outside 1..1440).
    std::int16_t IncrementMinutes = 0;
    // Lines per report page, 0 = no paging. 16 bits, rounded half to even and saturated, as
    // IncrementMinutes (Planning refuses anything outside 0..32767).
    std::int16_t OutputLines = 0;
    std::string Band;                  // MHz as shown: "50" ... "1296" ... "10368"
    double BandMHz = 0;                // the band read once (its leading number), MHz
    int Region = 0;                    // IARU region 1..3 from the Home longitude
    float TimeDif = 0;                 // hours, computer clock minus UTC
    std::string TextEditor;            // program that opens a text report (a fallback when empty)
    std::string AdobeReader;           // program that opens a PDF (a fallback when empty)
    float AzMin = 0, AzMax = 0;        // degrees: easternmost and westernmost azimuth wanted
    float AzMinRad = 0, AzMaxRad = 0;  // the same in radians
    // The time window as typed, HHMM read once (Singles), for the test of each instant: a
    // minimum above the maximum is a window across midnight.
    float GmtWindowLow = 0, GmtWindowHigh = 2400;
    float GmtMin = 0;  // HHMM, start of the time window (0 for the whole day)
    // HHMM, end of the time window (2400 for the whole day). 16 bits: the typed text rounded
    // half to even and saturated, as the box always stored it.
    std::int16_t GmtMax = 0;
    float MaxDegradation = 0;  // dB, 0 = no limit
    double DxDistance = 0;     // kilometres or miles (as Units), 0.1 resolution

    // The Moon is chosen: parallax, distance, degradation and the Moon report.
    bool IsMoon() const { return Object == CelestialObject::Moon; }
    // An object other than the Moon is chosen (the Sun included): placed without parallax and
    // written by the fixed-object report.
    bool IsFixedObject() const { return Object.has_value() && !IsMoon(); }
};

// A DX row's station exactly as GatherRunParameters reads it into RunParameters::DX (callsign,
// locator, notes, signed degrees and radians in double, elevation limits); no range checks.
StationSite GatherDxSite(const StationInputs& row);

// Reads the window snapshot into the parameters of a run. A number outside its range is refused
// first (InputRangeRefusal), with a message that names the box.
std::variant<RunParameters, RunMessage> GatherRunParameters(const WindowInputs& inputs);

}  // namespace velmorant
