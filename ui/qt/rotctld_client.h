// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include "ui/model/rotator_status.h"
#include "ui/model/rotctld_protocol.h"
#include "ui/model/window_ports.h"

// The link to rotctld over TCP for a real-time display: one connection, kept open and tried again
// every 10 s after a failure; moves sent as they come, the position asked every 3 s, every
// command given 5 s for its answer. Everything is driven by Qt's event loop: no call waits on
// the network, so the window's labels keep their second.

namespace velmorant {

class RotctldClient : public QObject, public RotatorLink {
    Q_OBJECT

  public:
    explicit RotctldClient(QObject* parent = nullptr);
    // Closes the connection without a word to the window, which may be gone already.
    ~RotctldClient() override;

    void Open(const std::string& host, int port) override;
    bool SendMove(const RotatorAim& aim) override;
    int Connections() const override { return connections_; }
    void Close() override;

    // Receives what the window shows of the rotator whenever it changes; an empty text when the
    // link is closed.
    std::function<void(const RotatorDisplay&)> Show;

    // Moves written to rotctld since the program started (for the operator's log and the tests).
    int MovesSent() const { return movesSent_; }
    // The last position rotctld reported.
    std::optional<RotatorAim> LastPosition() const { return lastPosition_; }

  private:
    void Connect();
    void Connected();
    void ReadAnswers();
    void Ask(RotctldCommand command, RotatorAim aim = {});
    void Fail(HamlibFault fault);
    void SocketError(QAbstractSocket::SocketError error);
    void Display(const RotatorDisplay& display);

    QTcpSocket socket_;
    QTimer retry_;   // the next connection attempt after a failure
    QTimer poll_;    // `p` every few seconds
    QTimer answer_;  // the oldest unanswered command (or the connection) gives up
    RotctldConversation conversation_;
    std::string host_;
    int port_ = 0;
    bool wanted_ = false;     // Open without Close: keep connecting
    bool connected_ = false;  // connected and not failed since
    int connections_ = 0;
    int movesSent_ = 0;
    // A move rotctld refused stays on show until a later move is accepted.
    std::optional<HamlibFault> refusedMove_;
    std::optional<RotatorAim> lastPosition_;
};

}  // namespace velmorant
