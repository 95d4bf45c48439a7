// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/follow_radio.h"

#include <chrono>
#include <iostream>

#include <QEventLoop>
#include <QTimer>

#include "app/hamlib_exchange.h"
#include "app/stop_signals.h"
#include "ui/model/radio_control.h"
#include "ui/qt/rigctld_client.h"

namespace velmorant {

namespace {

// How often the loop looks at the clock and at the signals, milliseconds: a new second is taken
// within this, and so is a stop.
constexpr int kLookMs = 50;
// How long the radio's last frequencies may take to go out after a stop, milliseconds.
constexpr int kFarewellMs = 2000;

}  // namespace

int FollowRadio(std::optional<std::time_t> firstSecond, const RadioSettings& radio,
                const std::function<std::optional<RealTimePassResult>(std::time_t)>& passAt,
                const std::function<void(const FollowedSecond&)>& show) {
    const auto application = HeadlessApplication();
    StopSignals stopSignals;
    RigctldClient client;
    std::string lastProblem;
    client.Show = [&lastProblem](const DeviceDisplay& display) {
        // Each fault once, as it begins: the retries say nothing new.
        const std::string problem = display.Problem ? display.Detail : std::string();
        if (!problem.empty() && problem != lastProblem) {
            std::cerr << "velmorant track: " << problem << '\n';
        }
        lastProblem = problem;
    };
    RadioControl control;
    const auto began = std::chrono::steady_clock::now();
    std::optional<std::time_t> shown;
    int status = 0;
    QEventLoop loop;
    QTimer look;
    look.setInterval(kLookMs);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (stopSignals.Raised()) {
            look.stop();
            control.Stop(client);
            return loop.quit();
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
            look.stop();
            control.Stop(client);
            return loop.quit();
        }
        control.Pass(radio, *pass, client);
        show(FollowedSecond{*pass, client.LastReport(), control.SkyFrequencyHz()});
    });
    look.start();
    loop.exec();
    // The last frequencies go out before the program ends.
    const auto stopped = std::chrono::steady_clock::now();
    while (!client.Idle() &&
           std::chrono::steady_clock::now() - stopped < std::chrono::milliseconds(kFarewellMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kLookMs);
    }
    return status;
}

}  // namespace velmorant
