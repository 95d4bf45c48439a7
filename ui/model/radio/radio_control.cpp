// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/radio/radio_control.h"

#include <cmath>

#include "core/ephemeris/doppler.h"
#include "ui/model/rotator/rotator_control.h"

namespace velmorant {

std::optional<double> RadioControl::SkyFrequencyHz() const {
    return skyHz_;
}

void RadioControl::Pass(const RadioSettings& settings, const RealTimePassResult& pass,
                        RadioLink& link) {
    if (!settings.Enabled || settings.Mode == DopplerTuningMode::Off) {
        // Turned off in the dialog during the display.
        Stop(link);
        return;
    }
    link.Open(settings.Host, settings.Port);
    if (!open_ || link.Connections() != connections_) {
        plan_.Forget();
        connections_ = link.Connections();
        refusals_ = 0;
        tuningsSent_ = 0;
    }
    if (!open_ || settings.SkyFrequencyHz != settingsSkyHz_) {
        skyHz_ = settings.SkyFrequencyHz;
        settingsSkyHz_ = settings.SkyFrequencyHz;
    }
    open_ = true;
    settings_ = settings;
    if (!pass.Moon || (settings.Mode == DopplerTuningMode::FullDx && !pass.Frame.ShowDX)) {
        // Only the Moon's shift is known, and the DX path's only with a DX station.
        due_.reset();
        return;
    }
    due_ = Due{pass.Doppler.HomeRangeRateMps, pass.Doppler.DXRangeRateMps, PassSecond(pass)};
    const long long tuningsAtAsk = tuningsSent_;
    link.AskReport(settings.Split, [this, tuningsAtAsk, &link](const RadioReport& report) {
        Reported(report, tuningsAtAsk, link);
    });
}

void RadioControl::Reported(const RadioReport& report, long long tuningsAtAsk, RadioLink& link) {
    if (!open_ || !due_) {
        return;
    }
    const RadioSplit split = settings_.Split;
    const double stepHz = settings_.StepHz;
    const DopplerTuningMode mode = settings_.Mode;
    const double offsetHz = settings_.TransverterOffsetHz;
    // The shifts scale with the carrier: the pass's range rates give them at the sky frequency
    // (a turn of the dial moves it by far too little to change them).
    const MoonDopplerResult shifts =
        MoonDopplerAtCarrier(due_->HomeRangeRateMps, due_->DxRangeRateMps, *skyHz_);
    const auto last = plan_.LastSent();
    if (report.Refusals != refusals_) {
        // rigctld refused a frequency: the radio is not where it was sent, through no turn of the
        // dial; the next tuning goes out whatever was sent before.
        refusals_ = report.Refusals;
        plan_.Forget();
    } else if (last && tuningsAtAsk == tuningsSent_) {
        if (std::abs(report.VfoHz - last->ReceiveHz) > stepHz) {
            skyHz_ =
                SkyFrequencyForReceive(mode, report.VfoHz, shifts.EchoHz, shifts.DXHz, offsetHz);
            ++operatorTunings_;
        } else if (split == RadioSplit::Radio &&
                   std::abs(report.SplitHz - last->TransmitHz) > stepHz) {
            skyHz_ =
                SkyFrequencyForTransmit(mode, report.SplitHz, shifts.EchoHz, shifts.DXHz, offsetHz);
            ++operatorTunings_;
        }
    }
    const RadioFrequencies wanted =
        *DopplerTunedFrequencies(mode, *skyHz_, shifts.EchoHz, shifts.DXHz, offsetHz);
    if (split == RadioSplit::None && report.Transmitting) {
        // One VFO: many radios cannot retune while they transmit, and the receive frequency
        // is not the one to transmit on.
        return;
    }
    const RadioFrequencies vfo =
        split == RadioSplit::None ? RadioFrequencies{wanted.ReceiveHz, wanted.ReceiveHz} : wanted;
    if (const auto tuning = plan_.Due(vfo, split, stepHz, due_->UtcSecond)) {
        if (link.Send(TuningRequests(*tuning, split))) {
            plan_.Sent(*tuning, due_->UtcSecond);
            ++tuningsSent_;
        }
    }
}

void RadioControl::Stop(RadioLink& link) {
    if (open_) {
        // The radio stays where the operator can find the DX: on the sky frequency, without
        // a correction.
        const double radioHz = *skyHz_ - settings_.TransverterOffsetHz;
        link.Close(TuningRequests(RadioFrequencies{radioHz, radioHz}, settings_.Split));
    }
    open_ = false;
    plan_.Forget();
    due_.reset();
}

}  // namespace velmorant
