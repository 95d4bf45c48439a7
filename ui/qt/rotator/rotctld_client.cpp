// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/rotator/rotctld_client.h"

namespace velmorant {

RotctldClient::RotctldClient(QObject* parent)
    : QObject(parent), connection_(kRotctldRetryMs, this) {
    poll_.setInterval(kRotctldPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] {
        // One question at a time: a daemon that is slow to answer is not flooded.
        if (conversation_.Unanswered() == 0) {
            Ask(RotctldCommand::GetPosition);
        }
    });
    connection_.Resetting = [this] {
        poll_.stop();
        conversation_.Reset();
    };
    connection_.Opened = [this] {
        refusedMove_.reset();
        poll_.start();
        Ask(RotctldCommand::GetPosition);
    };
    connection_.Received = [this](std::string_view bytes) { ReadAnswers(bytes); };
    connection_.Failed = [this](const HamlibFault& fault) {
        Display(RotatorFaultDisplay(fault, connection_.Host(), connection_.Port()));
    };
}

RotctldClient::~RotctldClient() {
    Show = nullptr;
}

void RotctldClient::Open(const std::string& host, int port) {
    if (connection_.Open(host, port)) {
        Display(RotatorWaitingDisplay(host, port));
    }
}

bool RotctldClient::SendMove(const RotatorAim& aim) {
    if (!connection_.Connected()) {
        return false;
    }
    Ask(RotctldCommand::SetPosition, aim);
    ++movesSent_;
    return true;
}

void RotctldClient::Ask(RotctldCommand command, RotatorAim aim) {
    connection_.Write(conversation_.Ask(command, aim));
}

void RotctldClient::ReadAnswers(std::string_view bytes) {
    const std::vector<RotctldAnswer> answers = conversation_.Take(bytes);
    for (const RotctldAnswer& answer : answers) {
        if (answer.Garbled) {
            connection_.Fail(HamlibFault{HamlibFaultKind::Garbled, 0, answer.Line});
            return;
        }
        if (answer.Report < 0) {
            const HamlibFault fault{HamlibFaultKind::Report, answer.Report, {}};
            if (answer.Command == RotctldCommand::SetPosition) {
                refusedMove_ = fault;
            }
            Display(RotatorFaultDisplay(fault, connection_.Host(), connection_.Port()));
        } else if (answer.Command == RotctldCommand::SetPosition) {
            refusedMove_.reset();
        }
        if (answer.Position) {
            lastPosition_ = answer.Position;
            if (!refusedMove_) {
                Display(RotatorPositionDisplay(*answer.Position, connection_.Host(),
                                               connection_.Port()));
            }
        }
    }
    connection_.Answered(answers.size(), conversation_.Unanswered());
}

void RotctldClient::Close() {
    // STOP halts the rotator wherever it is.
    std::string farewell;
    if (connection_.Connected()) {
        farewell = conversation_.Ask(RotctldCommand::Stop);
    }
    connection_.Close(farewell);
    refusedMove_.reset();
    Display(DeviceDisplay{});
}

void RotctldClient::Display(const DeviceDisplay& display) {
    if (Show) {
        Show(display);
    }
}

}  // namespace velmorant
