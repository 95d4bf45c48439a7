// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include <QObject>

#include "ui/model/radio/radio_link.h"
#include "ui/model/radio/radio_status.h"
#include "ui/qt/rotator/hamlib_connection.h"

// The link to rigctld for a real-time display or the headless tracker: one connection
// (HamlibConnection), tried again every 10 s after a failure; tunings sent and the radio's
// frequencies asked as the radio's control says.

namespace velmorant {

class RigctldClient : public QObject, public RadioLink {
    Q_OBJECT

  public:
    explicit RigctldClient(QObject* parent = nullptr);
    // Closes the connection without a word to the window, which may be gone already.
    ~RigctldClient() override;

    void Open(const std::string& host, int port) override;
    int Connections() const override { return connection_.Connections(); }
    bool AskReport(RadioSplit split, std::function<void(const RadioReport&)> answered) override;
    bool Send(const std::vector<RigctldRequest>& requests) override;
    void Close(const std::vector<RigctldRequest>& last) override;

    // Receives what the window shows of the radio whenever it changes; an empty text when the
    // link is closed.
    std::function<void(const DeviceDisplay&)> Show;

    // Closed, with whatever Close had to send gone out.
    bool Idle() const { return connection_.Idle(); }

    // What the radio reported last.
    std::optional<RadioReport> LastReport() const { return lastReport_; }

  private:
    // A report being read: its questions' answers fill it in the order they were asked.
    struct PendingReport {
        RadioSplit Split = RadioSplit::Radio;
        std::function<void(const RadioReport&)> Answered;
        std::size_t Waiting = 0;  // answers still to come
        RadioReport Report;
        bool Failed = false;  // a question was answered with an error
    };
    void ReadAnswers(std::string_view bytes);
    void Display(const DeviceDisplay& display);

    HamlibConnection connection_;
    RigctldConversation conversation_;
    std::deque<PendingReport> reports_;
    int refusals_ = 0;
    // A tuning rigctld refused stays on show until a later one is accepted.
    std::optional<HamlibFault> refusedTuning_;
    std::optional<RadioReport> lastReport_;
};

}  // namespace velmorant
