// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/rotate_command.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <vector>

#include <QTcpSocket>

#include "app/tracker/hamlib_exchange.h"
#include "core/common/decimal.h"
#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/rotator/rotator_status.h"
#include "ui/model/rotator/rotctld_protocol.h"

namespace velmorant {

namespace {

std::optional<double> Degrees(const std::string& text) {
    return StrictDecimal(text);
}

int Usage(const std::string& problem) {
    std::cerr << "velmorant rotate: " << problem << "\n\n" << RotateUsage();
    return 2;
}

}  // namespace

RotateOnceResult RotateOnce(const std::string& host, int port, RotatorAim aim, int timeoutMs) {
    const auto problem = [&](const HamlibFault& fault) {
        return RotateOnceResult{std::nullopt, RotatorFaultSentence(fault, host, port)};
    };
    const auto application = HeadlessApplication();
    QTcpSocket socket;
    if (const auto fault = ConnectWithin(socket, host, port, timeoutMs)) {
        return problem(*fault);
    }
    RotctldConversation conversation;
    auto moved =
        Exchange(socket, conversation, RotctldRequest{RotctldCommand::SetPosition, aim}, timeoutMs);
    if (const auto* fault = std::get_if<HamlibFault>(&moved)) {
        return problem(*fault);
    }
    auto asked =
        Exchange(socket, conversation, RotctldRequest{RotctldCommand::GetPosition, {}}, timeoutMs);
    if (const auto* fault = std::get_if<HamlibFault>(&asked)) {
        return problem(*fault);
    }
    socket.disconnectFromHost();
    return RotateOnceResult{std::get<RotctldAnswer>(asked).Position, {}};
}

const char* RotateUsage() {
    return "usage: velmorant rotate --rotator HOST:PORT --az DEGREES --el DEGREES\n"
           "\n"
           "Sends the rotator behind rotctld at HOST:PORT to this azimuth and elevation\n"
           "(azimuth wrapped into 0-360, elevation clamped into 0-90), waits for its answer\n"
           "and prints the position rotctld reports: \"ROT az el\". Exit status 2 with the\n"
           "reason when rotctld cannot be reached, does not answer within 5 s or refuses.\n";
}

int RunRotateCommand(const CommandLine& line) {
    std::optional<HamlibAddress> address;
    std::optional<double> azimuth;
    std::optional<double> elevation;
    for (const auto& [option, value] : line.Options) {
        if (option == "--rotator") {
            address = ParseHamlibAddress(value);
            if (!address) {
                return Usage("--rotator " + value + ": not HOST:PORT with a port from 1 to 65535");
            }
        } else if (option == "--az" || option == "--el") {
            const auto degrees = Degrees(value);
            if (!degrees) {
                return Usage(option + " " + value + ": not a number of degrees");
            }
            (option == "--az" ? azimuth : elevation) = degrees;
        } else {
            return Usage("unknown option " + option);
        }
    }
    if (auto problem = UnexpectedArgument(line)) {
        return Usage(*problem);
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
        RotateOnce(address->Host, address->Port, *aim, kHamlibAnswerTimeoutMs);
    if (!result.Position) {
        std::cerr << "velmorant rotate: " << result.Problem << '\n';
        return 2;
    }
    std::cout << RotatorPositionDisplay(*result.Position, address->Host, address->Port).Text
              << '\n';
    return 0;
}

}  // namespace velmorant
