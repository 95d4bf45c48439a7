// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>
#include <QTimer>

#include "ui/model/main_window/window_ports.h"
#include "ui/model/rotator/rotator_status.h"
#include "ui/model/rotator/rotctld_protocol.h"
#include "ui/qt/rotator/hamlib_connection.h"

// The link to rotctld for a real-time display: one connection (HamlibConnection), tried again
// every 10 s after a failure; moves sent as they come, the position asked every 3 s.

namespace velmorant {

class RotctldClient : public QObject, public RotatorLink {
    Q_OBJECT

  public:
    explicit RotctldClient(QObject* parent = nullptr);
    // Closes the connection without a word to the window, which may be gone already.
    ~RotctldClient() override;

    void Open(const std::string& host, int port) override;
    bool SendMove(const RotatorAim& aim) override;
    int Connections() const override { return connection_.Connections(); }
    void Close() override;

    // Receives what the window shows of the rotator whenever it changes; an empty text when the
    // link is closed.
    std::function<void(const DeviceDisplay&)> Show;

    // Closed, with the stop Close had to send gone out.
    bool Idle() const { return connection_.Idle(); }

    // Moves written to rotctld since the program started (for the operator's log and the tests).
    int MovesSent() const { return movesSent_; }
    // The last position rotctld reported.
    std::optional<RotatorAim> LastPosition() const { return lastPosition_; }

  private:
    void ReadAnswers(std::string_view bytes);
    void Ask(RotctldCommand command, RotatorAim aim = {});
    void Display(const DeviceDisplay& display);

    HamlibConnection connection_;
    QTimer poll_;  // `p` every few seconds
    RotctldConversation conversation_;
    int movesSent_ = 0;
    // A move rotctld refused stays on show until a later move is accepted.
    std::optional<HamlibFault> refusedMove_;
    std::optional<RotatorAim> lastPosition_;
};

}  // namespace velmorant
