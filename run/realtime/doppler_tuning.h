// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Where the radio listens and sends so that the Moon's Doppler shift is taken out: the operator
// names the frequency on the Moon path (the sky frequency) and a way of sharing the shift between
// receiving and sending; a transverter between radio and antenna moves both by its offset.

namespace velmorant {

enum class DopplerTuningMode {
    Off,            // the radio is not tuned
    OwnEcho,        // receive F + E, send F: the own echo is heard on F
    FullDx,         // receive F + D, send F - D: the DX hears F, and is heard on F
    ConstantOnMoon  // receive F + E/2, send F - E/2: every station so tuned meets at F on the Moon
};

// The radio's frequencies, hertz (after the transverter offset).
struct RadioFrequencies {
    double ReceiveHz = 0;
    double TransmitHz = 0;
};

// The radio's frequencies for the sky frequency skyFrequencyHz (hertz, the frequency on the Moon
// path) in `mode`. echoDopplerHz is the own echo's shift (Home -> Moon -> Home) and dxDopplerHz
// that of the path Home -> Moon -> DX (by reciprocity also DX -> Moon -> Home), both in hertz at
// the sky frequency itself, positive when the received frequency is the higher (MoonDoppler's
// sign). A transverter converts the radio's frequency up to the sky's: radio frequency = sky
// frequency - transverterOffsetHz (0 without one; 10224 MHz for 10368 MHz on a 144 MHz radio).
// None for Off.
std::optional<RadioFrequencies> DopplerTunedFrequencies(DopplerTuningMode mode,
                                                        double skyFrequencyHz, double echoDopplerHz,
                                                        double dxDopplerHz,
                                                        double transverterOffsetHz);

// The sky frequency (hertz) at which `mode` puts the radio's receive frequency on radioReceiveHz
// (hertz, as the radio reports it), or its transmit frequency on radioTransmitHz: an operator
// who turns the dial moves the sky frequency, and tracking goes on from there. The shifts are
// those of DopplerTunedFrequencies; with Off the radio's frequency plus the offset.
double SkyFrequencyForReceive(DopplerTuningMode mode, double radioReceiveHz, double echoDopplerHz,
                              double dxDopplerHz, double transverterOffsetHz);
double SkyFrequencyForTransmit(DopplerTuningMode mode, double radioTransmitHz, double echoDopplerHz,
                               double dxDopplerHz, double transverterOffsetHz);

}  // namespace velmorant
