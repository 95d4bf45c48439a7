// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/radio/rigctld_client.h"

namespace velmorant {

namespace {

bool IsQuestion(RigctldCommand command) {
    return command == RigctldCommand::GetFrequency ||
           command == RigctldCommand::GetSplitFrequency || command == RigctldCommand::GetPtt;
}

}  // namespace

RigctldClient::RigctldClient(QObject* parent)
    : QObject(parent), connection_(kRigctldRetryMs, this) {
    connection_.Resetting = [this] {
        conversation_.Reset();
        reports_.clear();
        refusals_ = 0;
    };
    connection_.Opened = [this] { refusedTuning_.reset(); };
    connection_.Received = [this](std::string_view bytes) { ReadAnswers(bytes); };
    connection_.Failed = [this](const HamlibFault& fault) {
        Display(RadioFaultDisplay(fault, connection_.Host(), connection_.Port()));
    };
}

RigctldClient::~RigctldClient() {
    Show = nullptr;
}

void RigctldClient::Open(const std::string& host, int port) {
    if (connection_.Open(host, port)) {
        Display(RadioWaitingDisplay(host, port));
    }
}

bool RigctldClient::AskReport(RadioSplit split, std::function<void(const RadioReport&)> answered) {
    if (!connection_.Connected()) {
        return false;
    }
    const std::vector<RigctldRequest> questions = ReadBackRequests(split);
    reports_.push_back(PendingReport{split, std::move(answered), questions.size(), {}, false});
    for (const RigctldRequest& question : questions) {
        connection_.Write(conversation_.Ask(question));
    }
    return true;
}

bool RigctldClient::Send(const std::vector<RigctldRequest>& requests) {
    if (!connection_.Connected()) {
        return false;
    }
    for (const RigctldRequest& request : requests) {
        connection_.Write(conversation_.Ask(request));
    }
    return true;
}

void RigctldClient::ReadAnswers(std::string_view bytes) {
    const std::vector<RigctldAnswer> answers = conversation_.Take(bytes);
    for (const RigctldAnswer& answer : answers) {
        if (answer.Garbled) {
            connection_.Fail(HamlibFault{HamlibFaultKind::Garbled, 0, answer.Line});
            return;
        }
        const std::optional<HamlibFault> fault =
            answer.Report < 0 ? std::optional<HamlibFault>(
                                    HamlibFault{HamlibFaultKind::Report, answer.Report, {}})
                              : std::nullopt;
        if (!IsQuestion(answer.Command)) {
            if (fault) {
                ++refusals_;
                refusedTuning_ = fault;
                Display(RadioFaultDisplay(*fault, connection_.Host(), connection_.Port()));
            } else if (answer.Command != RigctldCommand::SetSplitOn) {
                refusedTuning_.reset();
            }
            continue;
        }
        if (reports_.empty()) {
            continue;
        }
        PendingReport& pending = reports_.front();
        if (fault && answer.Command == RigctldCommand::GetPtt) {
            // Many set-ups key the radio by other means (VOX, a serial line rigctld does not
            // own) and answer "RPRT -11": the radio counts as receiving.
            pending.Report.Transmitting = false;
        } else if (fault) {
            pending.Failed = true;
            Display(RadioFaultDisplay(*fault, connection_.Host(), connection_.Port()));
        } else if (answer.Command == RigctldCommand::GetFrequency) {
            pending.Report.VfoHz = answer.FrequencyHz.value_or(0);
            pending.Report.SplitHz = pending.Report.VfoHz;
        } else if (answer.Command == RigctldCommand::GetSplitFrequency) {
            pending.Report.SplitHz = answer.FrequencyHz.value_or(0);
        } else {
            pending.Report.Transmitting = answer.Transmitting.value_or(false);
        }
        if (--pending.Waiting > 0) {
            continue;
        }
        PendingReport done = std::move(pending);
        reports_.pop_front();
        if (done.Failed) {
            continue;
        }
        done.Report.Refusals = refusals_;
        lastReport_ = done.Report;
        if (!refusedTuning_) {
            Display(RadioReportDisplay(done.Report, done.Split, connection_.Host(),
                                       connection_.Port()));
        }
        if (done.Answered) {
            // The radio's control may send a tuning from here, onto this same conversation.
            done.Answered(done.Report);
        }
    }
    connection_.Answered(answers.size(), conversation_.Unanswered());
}

void RigctldClient::Close(const std::vector<RigctldRequest>& last) {
    std::string farewell;
    if (connection_.Connected()) {
        for (const RigctldRequest& request : last) {
            farewell += conversation_.Ask(request);
        }
    }
    connection_.Close(farewell);
    refusedTuning_.reset();
    Display(DeviceDisplay{});
}

void RigctldClient::Display(const DeviceDisplay& display) {
    if (Show) {
        Show(display);
    }
}

}  // namespace velmorant
