// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/wsjtx/wsjtx_listener.h"

#include <QHostAddress>
#include <QNetworkDatagram>

namespace velmorant {

namespace {

// The largest datagram read whole; WSJT-X's Status is a few hundred bytes.
constexpr qint64 kLargestDatagram = 65536;

}  // namespace

WsjtxListener::WsjtxListener(QObject* parent) : QObject(parent) {
    connect(&socket_, &QUdpSocket::readyRead, this, &WsjtxListener::Read);
}

std::string WsjtxListener::Open(const std::string& address, int port) {
    Close();
    const QHostAddress host(QString::fromStdString(address));
    const std::string where = "UDP " + address + ":" + std::to_string(port);
    if (host.isNull()) {
        return where + ": not an IP address";
    }
    const bool group = host.isMulticast();
    // A group is received on every interface; a plain address only there.
    const QHostAddress bound = group ? QHostAddress(QHostAddress::AnyIPv4) : host;
    if (!socket_.bind(bound, static_cast<quint16>(port),
                      QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        const std::string reason = socket_.errorString().toStdString();
        Close();
        return where + ": " + reason;
    }
    if (group && !socket_.joinMulticastGroup(host)) {
        const std::string reason = socket_.errorString().toStdString();
        Close();
        return where + ": cannot join the group: " + reason;
    }
    return {};
}

void WsjtxListener::Close() {
    socket_.close();
}

void WsjtxListener::Read() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram(kLargestDatagram);
        const auto message = ReadWsjtxDatagram(datagram.data());
        if (!message) {
            ++refused_;
        } else if (const auto* status = std::get_if<WsjtxStatus>(&*message)) {
            if (StatusReceived) {
                StatusReceived(*status);
            }
        } else if (const auto* heartbeat = std::get_if<WsjtxHeartbeat>(&*message)) {
            if (HeartbeatReceived) {
                HeartbeatReceived(*heartbeat);
            }
        }
    }
}

}  // namespace velmorant
