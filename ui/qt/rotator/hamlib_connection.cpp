// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/rotator/hamlib_connection.h"

namespace velmorant {

HamlibFault SocketFault(const QAbstractSocket& socket) {
    switch (socket.error()) {
        case QAbstractSocket::ConnectionRefusedError:
            return {HamlibFaultKind::Refused, 0, {}};
        case QAbstractSocket::HostNotFoundError:
            return {HamlibFaultKind::HostNotFound, 0, {}};
        case QAbstractSocket::SocketTimeoutError:
            return {HamlibFaultKind::NoAnswer, 0, {}};
        case QAbstractSocket::RemoteHostClosedError:
            return {HamlibFaultKind::ConnectionLost, 0, {}};
        default:
            return {HamlibFaultKind::Network, 0, socket.errorString().toStdString()};
    }
}

HamlibConnection::HamlibConnection(int retryMs, QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    retry_.setInterval(retryMs);
    answer_.setSingleShot(true);
    answer_.setInterval(kHamlibAnswerTimeoutMs);
    connect(&retry_, &QTimer::timeout, this, &HamlibConnection::Connect);
    connect(&answer_, &QTimer::timeout, this, [this] {
        Fail(HamlibFault{HamlibFaultKind::NoAnswer, 0, {}});
    });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        answer_.stop();
        connected_ = true;
        ++connections_;
        if (Opened) {
            Opened();
        }
    });
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = socket_.readAll();
        if (Received) {
            Received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
    });
    connect(&socket_, &QTcpSocket::errorOccurred, this, &HamlibConnection::SocketError);
    connect(&socket_, &QTcpSocket::disconnected, this, [this] {
        if (connected_) {
            Fail(HamlibFault{HamlibFaultKind::ConnectionLost, 0, {}});
        }
    });
}

HamlibConnection::~HamlibConnection() {
    Resetting = nullptr;
    Opened = nullptr;
    Received = nullptr;
    Failed = nullptr;
    wanted_ = false;
    connected_ = false;
    socket_.disconnect(this);
    socket_.abort();
}

bool HamlibConnection::Open(const std::string& host, int port) {
    if (wanted_ && host == host_ && port == port_) {
        return false;
    }
    if (wanted_) {
        Close({});
    }
    host_ = host;
    port_ = port;
    wanted_ = true;
    Connect();
    return true;
}

void HamlibConnection::Connect() {
    if (!wanted_) {
        return;
    }
    connected_ = false;
    if (Resetting) {
        Resetting();
    }
    socket_.abort();
    // A host that takes the connection but never answers, or never completes it, is given up
    // after the answer timeout like an unanswered command.
    answer_.start();
    socket_.connectToHost(QString::fromStdString(host_), static_cast<quint16>(port_));
}

void HamlibConnection::Write(const std::string& line) {
    socket_.write(line.data(), static_cast<qint64>(line.size()));
    if (!answer_.isActive()) {
        answer_.start();
    }
}

void HamlibConnection::Answered(std::size_t completed, std::size_t unanswered) {
    if (unanswered == 0) {
        answer_.stop();
    } else if (completed > 0) {
        answer_.start();
    }
}

void HamlibConnection::SocketError() {
    if (wanted_) {
        Fail(SocketFault(socket_));
    }
}

void HamlibConnection::Fail(const HamlibFault& fault) {
    connected_ = false;
    answer_.stop();
    if (Resetting) {
        Resetting();
    }
    socket_.abort();
    if (!wanted_) {
        return;
    }
    if (Failed) {
        Failed(fault);
    }
    retry_.start();
}

void HamlibConnection::Close(const std::string& farewell) {
    const bool farewellDue = connected_ && !farewell.empty();
    wanted_ = false;
    connected_ = false;
    retry_.stop();
    answer_.stop();
    if (farewellDue) {
        // The lines go out before the connection closes.
        socket_.write(farewell.data(), static_cast<qint64>(farewell.size()));
        socket_.disconnectFromHost();
    } else {
        socket_.abort();
    }
    if (Resetting) {
        Resetting();
    }
}

}  // namespace velmorant
