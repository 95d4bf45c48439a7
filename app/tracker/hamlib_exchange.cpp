// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tracker/hamlib_exchange.h"

namespace velmorant {

std::unique_ptr<QCoreApplication> HeadlessApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 1;
    static char name[] = "velmorant";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::optional<HamlibFault> ConnectWithin(QTcpSocket& socket, const std::string& host, int port,
                                         int timeoutMs) {
    socket.connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
    if (!socket.waitForConnected(timeoutMs)) {
        return SocketFault(socket);
    }
    return std::nullopt;
}

}  // namespace velmorant
