// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include "ui/model/rotator/hamlib_fault.h"

// One TCP connection to a Hamlib daemon (rotctld, rigctld) for a real-time display: kept open
// and tried again a while after a failure, every command given kHamlibAnswerTimeoutMs for its
// answer. Everything is driven by Qt's event loop: no call waits on the network, so the window's
// labels keep their second. The client that owns it speaks the daemon's protocol.

namespace velmorant {

// The fault of a socket that failed to connect or to read.
HamlibFault SocketFault(const QAbstractSocket& socket);

class HamlibConnection : public QObject {
    Q_OBJECT

  public:
    // retryMs: how long after a failure the next attempt starts, milliseconds.
    explicit HamlibConnection(int retryMs, QObject* parent = nullptr);
    // Closes the connection without a word to the owner, which may be gone already.
    ~HamlibConnection() override;

    // Keeps one connection to host:port from now on, until Close; false when it is already
    // kept to that address (nothing changes). Another address closes the old connection first.
    bool Open(const std::string& host, int port);
    // No more retries: `farewell` (lines) is written when connected, before the connection
    // closes.
    void Close(const std::string& farewell);

    // Connected and not failed since.
    bool Connected() const { return connected_; }
    // How many connections have been made.
    int Connections() const { return connections_; }
    // No connection, not even one closing: whatever Close had to send has gone out.
    bool Idle() const { return socket_.state() == QAbstractSocket::UnconnectedState; }
    const std::string& Host() const { return host_; }
    int Port() const { return port_; }

    // Writes a command line; its answer is due within the timeout.
    void Write(const std::string& line);
    // The owner took the bytes that arrived: `completed` answers are complete and `unanswered`
    // commands still wait. The clock runs for the oldest command still unanswered: it starts
    // again only when an answer is complete, so that a daemon trickling bytes that never end a
    // line is given up.
    void Answered(std::size_t completed, std::size_t unanswered);
    // The conversation failed: the connection is dropped, and tried again later.
    void Fail(const HamlibFault& fault);

    // The owner's part; any may be left empty.
    std::function<void()> Resetting;  // a new connection is being made: forget the conversation
    std::function<void()> Opened;     // the connection is up
    std::function<void(std::string_view bytes)> Received;
    std::function<void(const HamlibFault& fault)> Failed;  // after a failure, before the retry

  private:
    void Connect();
    void SocketError();

    QTcpSocket socket_;
    QTimer retry_;   // the next connection attempt after a failure
    QTimer answer_;  // the oldest unanswered command (or the connection) gives up
    std::string host_;
    int port_ = 0;
    bool wanted_ = false;     // Open without Close: keep connecting
    bool connected_ = false;  // connected and not failed since
    int connections_ = 0;
};

}  // namespace velmorant
