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

}  // namespace velmorant
