// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tracker/follow_station.h"

#include <chrono>
#include <iostream>
#include <string>

#include <QEventLoop>
#include <QTimer>

#include "app/tracker/hamlib_exchange.h"
#include "app/tracker/stop_signals.h"
#include "ui/model/radio/radio_control.h"
#include "ui/model/rotator/rotator_control.h"
#include "ui/model/wsjtx/wsjtx_activity.h"
#include "ui/qt/radio/rigctld_client.h"
#include "ui/qt/rotator/rotctld_client.h"
#include "ui/qt/wsjtx/wsjtx_listener.h"

namespace velmorant {

namespace {

// How often the loop looks at the clock and at the signals, milliseconds: a new second is taken
// within this, and so is a stop.
constexpr int kLookMs = 50;
// How long the devices' last commands (the rotator's stop, the radio's frequencies) may take to
// go out after a stop, milliseconds.
constexpr int kFarewellMs = 2000;

// A device's link display as the tracker tells it: each fault once, as it begins, on standard
// error; the retries say nothing new.
std::function<void(const DeviceDisplay&)> FaultsOnce() {
    return [lastProblem = std::string()](const DeviceDisplay& display) mutable {
        const std::string problem = display.Problem ? display.Detail : std::string();
        if (!problem.empty() && problem != lastProblem) {
            std::cerr << "velmorant track: " << problem << '\n';
        }
        lastProblem = problem;
    };
}

}  // namespace

int FollowStation(std::optional<std::time_t> firstSecond, const FollowedDevices& devices,
                  const std::function<std::optional<RealTimePassResult>(std::time_t)>& passAt,
                  const std::function<void(const WsjtxStatus&)>& statusArrived,
                  const std::function<void(const FollowedSecond&)>& show) {
    const auto application = HeadlessApplication();
    StopSignals stopSignals;
    WsjtxActivity activity;
    WsjtxListener listener;
    if (devices.Wsjtx) {
        const std::string problem = listener.Open(devices.Wsjtx->Address, devices.Wsjtx->Port);
        if (!problem.empty()) {
            std::cerr << "velmorant track: WSJT-X: " << problem << '\n';
            return 2;
        }
        listener.StatusReceived = [&](const WsjtxStatus& status) {
            activity.Arrived(status.Transmitting, status.TrPeriodSeconds);
            statusArrived(status);
        };
    }
    RotctldClient rotator;
    rotator.Show = FaultsOnce();
    RotatorControl rotatorControl;
    RigctldClient radio;
    radio.Show = FaultsOnce();
    RadioControl radioControl;

    const auto began = std::chrono::steady_clock::now();
    std::optional<std::time_t> shown;
    int status = 0;
    QEventLoop loop;
    QTimer look;
    look.setInterval(kLookMs);
    const auto stop = [&] {
        look.stop();
        listener.Close();
        rotatorControl.Stop(rotator);
        radioControl.Stop(radio);
        loop.quit();
    };
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (stopSignals.Raised()) {
            return stop();
        }
        const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::steady_clock::now() - began);
        const std::time_t second = firstSecond
                                       ? *firstSecond + static_cast<std::time_t>(elapsed.count())
                                       : std::time(nullptr);
        if (shown == second) {
            return;
        }
        shown = second;
        const auto pass = passAt(second);
        if (!pass) {
            status = 2;
            return stop();
        }
        // WSJT-X's word since the last second, before the rotator's rule reads it.
        if (devices.Wsjtx) {
            activity.Commit(static_cast<double>(PassSecond(*pass)));
        }
        if (devices.Rotator) {
            rotatorControl.Pass(*devices.Rotator, *pass, rotator,
                                devices.Wsjtx ? &activity : nullptr);
        }
        if (devices.Radio) {
            radioControl.Pass(*devices.Radio, *pass, radio);
        }
        show(FollowedSecond{*pass, radio.LastReport(), radioControl.SkyFrequencyHz(),
                            rotator.LastPosition()});
    });
    look.start();
    loop.exec();
    // The last commands go out before the program ends; a link never opened is idle at once.
    const auto stopped = std::chrono::steady_clock::now();
    while (!(rotator.Idle() && radio.Idle()) &&
           std::chrono::steady_clock::now() - stopped < std::chrono::milliseconds(kFarewellMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kLookMs);
    }
    return status;
}

}  // namespace velmorant
