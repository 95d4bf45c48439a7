// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QUdpSocket>

#include "ui/qt/wsjtx/wsjtx_messages.h"

// Listens for WSJT-X's datagrams on its UDP server address: bound so that other listeners (a
// logger, an alert program) may share the port, and joined to the group when the address is a
// multicast one, which is how WSJT-X serves several listeners at once. Driven by Qt's event
// loop; nothing waits.

namespace velmorant {

class WsjtxListener : public QObject {
    Q_OBJECT

  public:
    explicit WsjtxListener(QObject* parent = nullptr);

    // Listens at address:port from now on (another address first closes the old one). An empty
    // text when listening, otherwise the reason ("UDP 127.0.0.1:2237: address in use ...").
    std::string Open(const std::string& address, int port);
    void Close();

    // A Status or a Heartbeat as it arrives; datagrams that are not WSJT-X's, and its other
    // messages, are passed over.
    std::function<void(const WsjtxStatus&)> StatusReceived;
    std::function<void(const WsjtxHeartbeat&)> HeartbeatReceived;

    // Datagrams read that were not WSJT-X's, for the tests and the operator's log.
    int Refused() const { return refused_; }

  private:
    void Read();

    QUdpSocket socket_;
    int refused_ = 0;
};

}  // namespace velmorant
