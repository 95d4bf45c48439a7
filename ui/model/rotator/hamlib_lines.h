// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What Hamlib's daemons (rotctld, rigctld) have in common on the wire, in their default
// protocol: one answer item a line, lines ending in '\n' (a '\r' before it is tolerated), a set
// command answered "RPRT n" (0 done, a negative Hamlib error code otherwise), and how a line that
// does not fit is shown to the operator.

namespace velmorant {

// Lines longer than this (bytes) are not a Hamlib daemon's: the conversation is lost.
inline constexpr std::size_t kLongestHamlibLine = 256;

// The bytes of a connection cut into lines, however they arrive.
class HamlibLineReader {
  public:
    // The lines these bytes complete, without their '\n'. When the bytes after the last line end
    // grow past kLongestHamlibLine they are dropped and Overlong returns them.
    std::vector<std::string> Take(std::string_view bytes);

    // The overlong tail dropped by the last Take, as PrintableAnswer shows it; none otherwise.
    const std::optional<std::string>& Overlong() const { return overlong_; }

    // A new connection, or a conversation given up: nothing is half read.
    void Clear();

  private:
    std::string partial_;  // bytes after the last line end
    std::optional<std::string> overlong_;
};

// The answers these bytes complete for a conversation (rotctld's, rigctld's): each line goes to
// takeLine (line -> optional Answer), which sets `lost` on a line that fits no answer; an
// overlong line is a garbled answer too. Once lost, nothing more is taken until the
// conversation resets `lost` and the reader.
template <typename Answer, typename TakeLine>
std::vector<Answer> TakeHamlibAnswers(HamlibLineReader& lines, bool& lost, std::string_view bytes,
                                      TakeLine takeLine) {
    std::vector<Answer> answers;
    if (lost) {
        return answers;
    }
    for (const std::string& line : lines.Take(bytes)) {
        if (auto answer = takeLine(line)) {
            answers.push_back(std::move(*answer));
            if (lost) {
                lines.Clear();
                return answers;
            }
        }
    }
    if (lines.Overlong()) {
        Answer garbled;
        garbled.Garbled = true;
        garbled.Line = *lines.Overlong();
        answers.push_back(std::move(garbled));
        lost = true;
    }
    return answers;
}

// The line without the '\r' some daemons put before the '\n'.
std::string_view WithoutCarriageReturn(std::string_view line);

// "RPRT n": n; none for any other line.
std::optional<int> ParseHamlibReport(std::string_view line);

// Characters of a garbled answer shown to the operator, before "...".
inline constexpr std::size_t kLongestShownAnswer = 40;

// A line from the daemon as it may be shown on a terminal or in a tooltip: control characters,
// bytes that are not UTF-8 and < > & " as \xNN; at most kLongestShownAnswer characters, then
// "...".
std::string PrintableAnswer(std::string_view line);

// A Hamlib error code in a few words ("invalid parameter" for -1); "error" for codes it does not
// know.
std::string HamlibErrorWords(int report);

}  // namespace velmorant
