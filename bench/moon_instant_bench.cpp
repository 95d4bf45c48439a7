// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one Moon instant with both stations and every per-instant value the report prints,
// and of the same instants of a planning run computed by the engine alone (the baseline the
// planning run is measured against).

#include <benchmark/benchmark.h>

#include "bench/bench_fixtures.h"
#include "core/common/constants.h"
#include "core/series/activity_window.h"
#include "core/series/horizon.h"
#include "core/series/moon.h"
#include "core/series/polarization.h"
#include "core/series/station_geometry.h"
#include "core/series/sun.h"

namespace velmorant::bench {
namespace {

struct EngineState {
    RunParameters Params = MoonYear(1);
    SkyTemperatureTable Table = SkyTable();
    MoonDistanceState Distance;
    StationView Home;
    StationView Dx;
};

// Everything the run computes for one Moon instant; returns a value so nothing is optimised away.
double MoonInstant(EngineState& s, float dayNumber, float dayFraction, double sunAt0h) {
    const RunParameters& p = s.Params;
    const MoonEquatorial moon = MoonPosition(dayNumber, dayFraction);
    const double sunRa = SampledSunRightAscension(sunAt0h, dayFraction);
    const double sidereal = SiderealTime(dayNumber, dayFraction);
    const double gha = GreenwichHourAngle(sidereal, moon.RightAscension);
    HorizonPosition(s.Home, {p.Home.LatitudeRad, p.Home.LongitudeRad},
                    {moon.RightAscension, moon.Declination}, gha, s.Distance.DistanceKm);
    s.Home.PolarizationAngle =
        PolarizationAngle(s.Home.AzimuthSingle, s.Home.ElevationSingle, p.Home.LatitudeRad);
    HorizonPosition(s.Dx, {p.DX.LatitudeRad, p.DX.LongitudeRad},
                    {moon.RightAscension, moon.Declination}, gha, s.Distance.DistanceKm);
    s.Dx.PolarizationAngle =
        PolarizationAngle(s.Dx.AzimuthSingle, s.Dx.ElevationSingle, p.DX.LatitudeRad);
    const float offset = PolarizationOffset(s.Home.PolarizationAngle, s.Dx.PolarizationAngle);
    const DegradationResult degradation =
        PathDegradation(s.Table, s.Distance, dayFraction,
                        moon.RightAscension / TwoPi * 24.0 + 0.000347222, 144, 50);
    const char letter = ActivityWindowLetter(1, gha, moon.Declination);
    const auto mark = LunarPhaseMark(moon.RightAscension, sunRa);
    const TopocentricResult topo =
        TopocentricEquatorial(p.Home.LatitudeRad, moon.RightAscension, gha - p.Home.LongitudeRad,
                              moon.Declination, s.Distance.DistanceKm, sidereal);
    return offset + degradation.Degradation + letter + static_cast<double>(mark.size()) +
           topo.Declination;
}

void BM_MoonInstantBothStations(benchmark::State& state) {
    EngineState s;
    const float day = s.Params.StartDayNumber;
    MoonNoonDistance(s.Distance, day);
    const double sunAt0h = SunPosition(day, 0).RightAscension;
    float fraction = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonInstant(s, day, fraction, sunAt0h));
        fraction = fraction >= 1.0f ? 0.0f : fraction + 1.0f / 1440.0f;
    }
}
BENCHMARK(BM_MoonInstantBothStations);

// The engine alone over the instants of a planning run: `days` dates of 1441 instants each.
void BM_EngineOnlyMoonDays(benchmark::State& state) {
    const int days = static_cast<int>(state.range(0));
    for (auto _ : state) {
        EngineState s;
        double sum = 0;
        for (int d = 0; d < days; ++d) {
            const float day = s.Params.StartDayNumber + static_cast<float>(d);
            MoonNoonDistance(s.Distance, day);
            const double sunAt0h = SunPosition(day, 0).RightAscension;
            for (int minute = 0; minute <= 1440; ++minute) {
                sum += MoonInstant(s, day, static_cast<float>(minute / 1440.0), sunAt0h);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["instants"] = days * 1441.0;
}
BENCHMARK(BM_EngineOnlyMoonDays)->Arg(365)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmorant::bench
