// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/model/radio/radio_tuning.h"
#include "ui/model/radio/rigctld_protocol.h"

// A radio reached through rigctld (the Qt client, or a test's recorder). Nothing here waits on
// the network: answers and faults reach the window through the link itself, and the radio's
// frequencies come back to whoever asked for them.

namespace velmorant {

// What the radio reports when asked.
struct RadioReport {
    // `f`: the current VFO, where the radio receives (and with one VFO also transmits), hertz.
    double VfoHz = 0;
    // `i` with the radio's own split: the VFO it transmits on, hertz; VfoHz otherwise.
    double SplitHz = 0;
    // `t` with one VFO: whether the radio transmits now; false with the radio's own split, and
    // when rigctld cannot tell (its PTT is keyed by other means).
    bool Transmitting = false;
    // How many frequencies rigctld refused since the connection was made ("RPRT n" after `F` or
    // `I`): a tuning that did not take is not the operator's turn of the dial.
    int Refusals = 0;
};

class RadioLink {
  public:
    virtual ~RadioLink() = default;
    // Keeps one connection to rigctld at host:port from now on, trying again after a failure,
    // until Close; returns at once. Another address closes the old connection first.
    virtual void Open(const std::string& host, int port) = 0;
    // How many connections have been made: a new one means rigctld may have restarted and the
    // radio been retuned.
    virtual int Connections() const = 0;
    // Asks for the radio's frequencies now (ReadBackRequests for `split`); false when there is no
    // connection. `answered` is called once every answer is in, not at all after a fault, an
    // error answer or Close.
    virtual bool AskReport(RadioSplit split, std::function<void(const RadioReport&)> answered) = 0;
    // Sends these commands now; false when there is no connection.
    virtual bool Send(const std::vector<RigctldRequest>& requests) = 0;
    // STOP: these commands go out when connected (the frequencies the radio is left on), then the
    // connection closes and no retries follow.
    virtual void Close(const std::vector<RigctldRequest>& last) = 0;
};

}  // namespace velmorant
