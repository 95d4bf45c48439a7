// SPDX-License-Identifier: GPL-3.0-or-later
// The window: start-up to a shown window with the default files, and a planning RUN of one
// week at 15 minutes pressed in the window. Runs on the offscreen platform.

#include <filesystem>

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"
#include "run/run_parameters.h"
#include "run/sky_temperature_file.h"
#include "ui/qt/main_window/window_application.h"

namespace fs = std::filesystem;

namespace velmorant::bench {
namespace {

// A folder holding the files the program ships with.
struct DataFolder {
    QTemporaryDir Dir;
    fs::path Path{Dir.path().toStdString()};
    DataFolder() {
        for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT", "CALL3.TXT"}) {
            fs::copy_file(fs::path(VELMORANT_DATA) / name, Path / name);
        }
    }
};

// Launches nothing: the editor a RUN opens is not part of the measurement.
LaunchActions NoLaunch() {
    LaunchActions actions;
    actions.StartProcess = [](const QString&, const QStringList&, const QString&) { return true; };
    actions.OpenWithDesktop = [](const QUrl&) { return true; };
    return actions;
}

void BM_StartUpToShownWindow(benchmark::State& state) {
    DataFolder data;
    for (auto _ : state) {
        WindowApplication window(data.Path, NoLaunch());
        window.Start();
        window.View().show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.View().isVisible());
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

void BM_RunOneWeekAt15MinutesFromTheWindow(benchmark::State& state) {
    DataFolder data;
    WindowApplication window(data.Path, NoLaunch());
    window.Start();
    window.View().show();
    MainWindowModel& model = window.Model();
    model.TypeText("txtYearStart", "2026");
    model.ChooseItem("cboMonthStart", 11);
    model.ChooseItem("cboDayStart", 0);
    model.TypeText("txtYearEnd", "2026");
    model.ChooseItem("cboMonthEnd", 11);
    model.ChooseItem("cboDayEnd", 6);
    model.ChooseItem("cboOperation", 0);
    for (auto _ : state) {
        model.Click("cmdRUN");
    }
    state.counters["report_kB"] =
        static_cast<double>(fs::file_size(data.Path / "VELMORANT.TXT")) / 1000.0;
}
BENCHMARK(BM_RunOneWeekAt15MinutesFromTheWindow)->Unit(benchmark::kMillisecond);

// The once-a-minute map update with its drawing: the dots computed and painted over the map.
void BM_MapUpdateWithDrawing(benchmark::State& state) {
    DataFolder data;
    fs::copy_file(fs::path(VELMORANT_DATA) / "WORLDMAP.PNG", data.Path / "WORLDMAP.PNG");
    WindowApplication window(data.Path, NoLaunch());
    window.Start();
    const RealTimePassResult pass = RealTimePass(
        std::get<RunParameters>(GatherRunParameters(window.Model().Inputs())),
        std::get<SkyTemperatureTable>(LoadSkyTemperatures(data.Path / "QVSKYTEMP.DAT")),
        LocalDateTime{2026, 12, 10, 12, 0, 0});
    const RunParameters params =
        std::get<RunParameters>(GatherRunParameters(window.Model().Inputs()));
    double previousDec = 0;
    for (auto _ : state) {
        const MapUpdateFrame update = MapUpdate(params, pass, previousDec);
        window.RealTime().ShowMapUpdate(update);
        benchmark::DoNotOptimize(update.BelowHorizon.size());
    }
}
BENCHMARK(BM_MapUpdateWithDrawing)->Unit(benchmark::kMillisecond);

// The work of a real-time display over one minute: the first pass with its map update (as every
// minute has one) and 59 further one-second passes, each repainting the labels. The sleeping in
// between costs nothing, so this is the processor time of an idle display per minute.
void BM_RealTimeDisplayMinute(benchmark::State& state) {
    DataFolder data;
    fs::copy_file(fs::path(VELMORANT_DATA) / "WORLDMAP.PNG", data.Path / "WORLDMAP.PNG");
    WindowApplication window(data.Path, NoLaunch());
    window.Start();
    window.View().show();
    MainWindowModel& model = window.Model();
    model.ChooseItem("cboOperation", 1);
    for (auto _ : state) {
        model.Click("cmdStop");
        model.Click("cmdRUN");  // a fresh display: the pass and the map update
        QCoreApplication::processEvents();
        for (int second = 1; second < 60; ++second) {
            model.tmrWatch_Timer();
            QCoreApplication::processEvents();
        }
    }
}
BENCHMARK(BM_RealTimeDisplayMinute)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmorant::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
