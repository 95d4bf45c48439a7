// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/rotctld_client.h"

namespace velmorant {

RotctldClient::RotctldClient(QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRotctldRetryMs);
    poll_.setInterval(kRotctldPollMs);
    answer_.setSingleShot(true);
    answer_.setInterval(kHamlibAnswerTimeoutMs);
    connect(&retry_, &QTimer::timeout, this, &RotctldClient::Connect);
    connect(&poll_, &QTimer::timeout, this, [this] {
        // One question at a time: a daemon that is slow to answer is not flooded.
        if (conversation_.Unanswered() == 0) {
            Ask(RotctldCommand::GetPosition);
        }
    });
    connect(&answer_, &QTimer::timeout, this, [this] {
        Fail(HamlibFault{HamlibFaultKind::NoAnswer, 0, {}});
    });
    connect(&socket_, &QTcpSocket::connected, this, &RotctldClient::Connected);
    connect(&socket_, &QTcpSocket::readyRead, this, &RotctldClient::ReadAnswers);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &RotctldClient::SocketError);
    connect(&socket_, &QTcpSocket::disconnected, this, [this] {
        if (connected_) {
            Fail(HamlibFault{HamlibFaultKind::ConnectionLost, 0, {}});
        }
    });
}

RotctldClient::~RotctldClient() {
    Show = nullptr;
    wanted_ = false;
    connected_ = false;
    socket_.disconnect(this);
    socket_.abort();
}

void RotctldClient::Open(const std::string& host, int port) {
    if (wanted_ && host == host_ && port == port_) {
        return;
    }
    if (wanted_) {
        Close();
    }
    host_ = host;
    port_ = port;
    wanted_ = true;
    Display(RotatorWaitingDisplay(host_, port_));
    Connect();
}

void RotctldClient::Connect() {
    if (!wanted_) {
        return;
    }
    connected_ = false;
    conversation_.Reset();
    socket_.abort();
    // A host that takes the connection but never answers, or never completes it, is given up
    // after the answer timeout like an unanswered command.
    answer_.start();
    socket_.connectToHost(QString::fromStdString(host_), static_cast<quint16>(port_));
}

void RotctldClient::Connected() {
    answer_.stop();
    connected_ = true;
    ++connections_;
    refusedMove_.reset();
    poll_.start();
    Ask(RotctldCommand::GetPosition);
}

bool RotctldClient::SendMove(const RotatorAim& aim) {
    if (!connected_) {
        return false;
    }
    Ask(RotctldCommand::SetPosition, aim);
    ++movesSent_;
    return true;
}

void RotctldClient::Ask(RotctldCommand command, RotatorAim aim) {
    const std::string line = conversation_.Ask(command, aim);
    socket_.write(line.data(), static_cast<qint64>(line.size()));
    if (!answer_.isActive()) {
        answer_.start();
    }
}

void RotctldClient::ReadAnswers() {
    const QByteArray bytes = socket_.readAll();
    const std::vector<RotctldAnswer> answers =
        conversation_.Take(std::string_view(bytes.constData(), bytes.size()));
    for (const RotctldAnswer& answer : answers) {
        if (answer.Garbled) {
            Fail(HamlibFault{HamlibFaultKind::Garbled, 0, answer.Line});
            return;
        }
        if (answer.Report < 0) {
            const HamlibFault fault{HamlibFaultKind::Report, answer.Report, {}};
            if (answer.Command == RotctldCommand::SetPosition) {
                refusedMove_ = fault;
            }
            Display(RotatorFaultDisplay(fault, host_, port_));
        } else if (answer.Command == RotctldCommand::SetPosition) {
            refusedMove_.reset();
        }
        if (answer.Position) {
            lastPosition_ = answer.Position;
            if (!refusedMove_) {
                Display(RotatorPositionDisplay(*answer.Position, host_, port_));
            }
        }
    }
    // The clock runs for the oldest command still unanswered: it starts again only when an
    // answer is complete, so that a daemon trickling bytes that never end a line is given up.
    if (conversation_.Unanswered() == 0) {
        answer_.stop();
    } else if (!answers.empty()) {
        answer_.start();
    }
}

void RotctldClient::SocketError(QAbstractSocket::SocketError error) {
    if (!wanted_) {
        return;
    }
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            Fail(HamlibFault{HamlibFaultKind::Refused, 0, {}});
            return;
        case QAbstractSocket::HostNotFoundError:
            Fail(HamlibFault{HamlibFaultKind::HostNotFound, 0, {}});
            return;
        case QAbstractSocket::RemoteHostClosedError:
            Fail(HamlibFault{HamlibFaultKind::ConnectionLost, 0, {}});
            return;
        default:
            Fail(HamlibFault{HamlibFaultKind::Network, 0, socket_.errorString().toStdString()});
    }
}

void RotctldClient::Fail(HamlibFault fault) {
    connected_ = false;
    poll_.stop();
    answer_.stop();
    conversation_.Reset();
    socket_.abort();
    if (!wanted_) {
        return;
    }
    Display(RotatorFaultDisplay(fault, host_, port_));
    retry_.start();
}

void RotctldClient::Close() {
    const bool stop = connected_;
    wanted_ = false;
    connected_ = false;
    retry_.stop();
    poll_.stop();
    answer_.stop();
    if (stop) {
        // STOP halts the rotator wherever it is; the line goes out before the connection closes.
        const std::string line = conversation_.Ask(RotctldCommand::Stop);
        socket_.write(line.data(), static_cast<qint64>(line.size()));
        socket_.disconnectFromHost();
    } else {
        socket_.abort();
    }
    conversation_.Reset();
    refusedMove_.reset();
    Display(RotatorDisplay{});
}

void RotctldClient::Display(const RotatorDisplay& display) {
    if (Show) {
        Show(display);
    }
}

}  // namespace velmorant
