// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/doppler_tuning.h"

namespace velmorant {

std::optional<RadioFrequencies> DopplerTunedFrequencies(DopplerTuningMode mode,
                                                        double skyFrequencyHz, double echoDopplerHz,
                                                        double dxDopplerHz,
                                                        double transverterOffsetHz) {
    // The correction received signals carry, and the one applied to what is sent so that it
    // arrives as planned; both on the sky frequency.
    double receiveShiftHz = 0;
    double transmitShiftHz = 0;
    switch (mode) {
        case DopplerTuningMode::Off:
            return std::nullopt;
        case DopplerTuningMode::OwnEcho:
            receiveShiftHz = echoDopplerHz;
            break;
        case DopplerTuningMode::FullDx:
            receiveShiftHz = dxDopplerHz;
            transmitShiftHz = -dxDopplerHz;
            break;
        case DopplerTuningMode::ConstantOnMoon:
            receiveShiftHz = echoDopplerHz / 2;
            transmitShiftHz = -echoDopplerHz / 2;
            break;
    }
    const double radioHz = skyFrequencyHz - transverterOffsetHz;
    return RadioFrequencies{radioHz + receiveShiftHz, radioHz + transmitShiftHz};
}

namespace {

// The frequencies of a sky frequency of 0 without a transverter: the shifts alone, hertz.
RadioFrequencies ShiftsOf(DopplerTuningMode mode, double echoDopplerHz, double dxDopplerHz) {
    return DopplerTunedFrequencies(mode, 0, echoDopplerHz, dxDopplerHz, 0)
        .value_or(RadioFrequencies{});
}

}  // namespace

double SkyFrequencyForReceive(DopplerTuningMode mode, double radioReceiveHz, double echoDopplerHz,
                              double dxDopplerHz, double transverterOffsetHz) {
    return radioReceiveHz + transverterOffsetHz -
           ShiftsOf(mode, echoDopplerHz, dxDopplerHz).ReceiveHz;
}

double SkyFrequencyForTransmit(DopplerTuningMode mode, double radioTransmitHz, double echoDopplerHz,
                               double dxDopplerHz, double transverterOffsetHz) {
    return radioTransmitHz + transverterOffsetHz -
           ShiftsOf(mode, echoDopplerHz, dxDopplerHz).TransmitHz;
}

}  // namespace velmorant
