// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include <QCoreApplication>
#include <QTcpSocket>

#include "ui/model/rotator/hamlib_fault.h"
#include "ui/qt/rotator/hamlib_connection.h"

// A headless command's conversation with a Hamlib daemon (rotctld, rigctld), waiting for each
// answer: the window never waits on the network, a command that does one thing may. The
// conversation (RotctldConversation, RigctldConversation) decides what every line means.

namespace velmorant {

// Qt's sockets want an application object; a headless command has none of its own. One is made
// when there is none, and lives as long as the pointer.
std::unique_ptr<QCoreApplication> HeadlessApplication();

// Connects within timeoutMs milliseconds; the fault otherwise.
std::optional<HamlibFault> ConnectWithin(QTcpSocket& socket, const std::string& host, int port,
                                         int timeoutMs);

// Sends one request and reads until the conversation completes its answer or timeoutMs
// milliseconds have passed. A garbled line or an "RPRT n" with n < 0 is a fault.
template <typename Conversation, typename Request>
auto Exchange(QTcpSocket& socket, Conversation& conversation, const Request& request, int timeoutMs)
    -> std::variant<typename decltype(conversation.Take(std::string_view()))::value_type,
                    HamlibFault> {
    using Clock = std::chrono::steady_clock;
    const std::string line = conversation.Ask(request);
    socket.write(line.data(), static_cast<qint64>(line.size()));
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return HamlibFault{HamlibFaultKind::NoAnswer, 0, {}};
        }
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(left.count()))) {
            return socket.error() == QAbstractSocket::SocketTimeoutError
                       ? HamlibFault{HamlibFaultKind::NoAnswer, 0, {}}
                       : SocketFault(socket);
        }
        const QByteArray bytes = socket.readAll();
        for (auto& answer : conversation.Take(std::string_view(bytes.constData(), bytes.size()))) {
            if (answer.Garbled) {
                return HamlibFault{HamlibFaultKind::Garbled, 0, answer.Line};
            }
            if (answer.Report < 0) {
                return HamlibFault{HamlibFaultKind::Report, answer.Report, {}};
            }
            return answer;
        }
    }
}

}  // namespace velmorant
