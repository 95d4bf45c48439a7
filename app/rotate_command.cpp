// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rotate_command.h"

#include <chrono>
#include <cmath>
#include <iostream>
#include <limits>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QTcpSocket>

#include "core/decimal.h"
#include "ui/model/rotator_settings.h"
#include "ui/model/rotator_status.h"
#include "ui/model/rotctld_protocol.h"

namespace velmorant {

namespace {

using Clock = std::chrono::steady_clock;

RotatorFault SocketFault(const QTcpSocket& socket) {
    switch (socket.error()) {
        case QAbstractSocket::ConnectionRefusedError:
            return {RotatorFaultKind::Refused, 0, {}};
        case QAbstractSocket::HostNotFoundError:
            return {RotatorFaultKind::HostNotFound, 0, {}};
        case QAbstractSocket::SocketTimeoutError:
            return {RotatorFaultKind::NoAnswer, 0, {}};
        case QAbstractSocket::RemoteHostClosedError:
            return {RotatorFaultKind::ConnectionLost, 0, {}};
        default:
            return {RotatorFaultKind::Network, 0, socket.errorString().toStdString()};
    }
}

// Sends one command and reads until its answer is complete or the time is up.
std::variant<RotctldAnswer, RotatorFault> Exchange(QTcpSocket& socket,
                                                   RotctldConversation& conversation,
                                                   RotctldCommand command, RotatorAim aim,
                                                   int timeoutMs) {
    const std::string line = conversation.Ask(command, aim);
    socket.write(line.data(), static_cast<qint64>(line.size()));
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return RotatorFault{RotatorFaultKind::NoAnswer, 0, {}};
        }
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(left.count()))) {
            return socket.error() == QAbstractSocket::SocketTimeoutError
                       ? RotatorFault{RotatorFaultKind::NoAnswer, 0, {}}
                       : SocketFault(socket);
        }
        const QByteArray bytes = socket.readAll();
        for (RotctldAnswer& answer :
             conversation.Take(std::string_view(bytes.constData(), bytes.size()))) {
            if (answer.Garbled) {
                return RotatorFault{RotatorFaultKind::Garbled, 0, answer.Line};
            }
            if (answer.Report < 0) {
                return RotatorFault{RotatorFaultKind::Report, answer.Report, {}};
            }
            return answer;
        }
    }
}

std::optional<double> Degrees(const std::string& text) {
    return StrictDecimal(text);
}

int Usage(const std::string& problem) {
    std::cerr << "velmorant rotate: " << problem << "\n\n" << RotateUsage();
    return 2;
}

}  // namespace

RotateOnceResult RotateOnce(const std::string& host, int port, RotatorAim aim, int timeoutMs) {
    const auto problem = [&](const RotatorFault& fault) {
        return RotateOnceResult{std::nullopt, RotatorFaultSentence(fault, host, port)};
    };
    // Qt's sockets want an application object; a headless command has none of its own.
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "velmorant";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTcpSocket socket;
    socket.connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
    if (!socket.waitForConnected(timeoutMs)) {
        return problem(SocketFault(socket));
    }
    RotctldConversation conversation;
    auto moved = Exchange(socket, conversation, RotctldCommand::SetPosition, aim, timeoutMs);
    if (const auto* fault = std::get_if<RotatorFault>(&moved)) {
        return problem(*fault);
    }
    auto asked = Exchange(socket, conversation, RotctldCommand::GetPosition, {}, timeoutMs);
    if (const auto* fault = std::get_if<RotatorFault>(&asked)) {
        return problem(*fault);
    }
    socket.disconnectFromHost();
    return RotateOnceResult{std::get<RotctldAnswer>(asked).Position, {}};
}

const char* RotateUsage() {
    return "velmorant rotate --rotator HOST:PORT --az DEGREES --el DEGREES\n"
           "  Sends the rotator behind rotctld at HOST:PORT to this azimuth and elevation\n"
           "  (azimuth wrapped into 0-360, elevation clamped into 0-90), waits for its answer\n"
           "  and prints the position rotctld reports: \"ROT az el\". Exit status 2 with the\n"
           "  reason when rotctld cannot be reached, does not answer within 5 s or refuses.\n";
}

int RunRotateCommand(std::span<const std::string> args) {
    std::optional<RotatorAddress> address;
    std::optional<double> azimuth;
    std::optional<double> elevation;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            return Usage(args[i] + " needs a value");
        }
        const std::string& value = args[i + 1];
        if (args[i] == "--rotator") {
            address = ParseRotatorAddress(value);
            if (!address) {
                return Usage("--rotator " + value + ": not HOST:PORT with a port from 1 to 65535");
            }
        } else if (args[i] == "--az" || args[i] == "--el") {
            const auto degrees = Degrees(value);
            if (!degrees) {
                return Usage(args[i] + " " + value + ": not a number of degrees");
            }
            (args[i] == "--az" ? azimuth : elevation) = degrees;
        } else {
            return Usage("unknown option " + args[i]);
        }
    }
    if (!address || !azimuth || !elevation) {
        return Usage("--rotator, --az and --el are needed");
    }
    // The one move the operator asked for goes out whatever the elevation floor: any number is
    // wrapped and clamped as the usage says (-91 goes to 0, 100 to 90).
    RotatorSettings limits;
    limits.ElevationFloorDeg = -std::numeric_limits<double>::infinity();
    const auto aim = CommandedAim(limits, RotatorAim{*azimuth, *elevation});
    if (!aim) {
        return Usage("the position is not a number");
    }
    const RotateOnceResult result =
        RotateOnce(address->Host, address->Port, *aim, kRotctldAnswerTimeoutMs);
    if (!result.Position) {
        std::cerr << "velmorant rotate: " << result.Problem << '\n';
        return 2;
    }
    std::cout << RotatorPositionDisplay(*result.Position, address->Host, address->Port).Text
              << '\n';
    return 0;
}

}  // namespace velmorant
