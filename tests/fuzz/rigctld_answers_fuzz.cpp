// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes from the network where rigctld's answers are expected: the first bytes choose the
// commands sent, the rest arrives in pieces of any size. The conversation never answers more
// commands than were sent, a frequency is one a radio can report and only a question's, a PTT
// state only the PTT question's, a garbled line is printable, every report has its words, and
// after a garbled line nothing more is taken until a reset.

#include <cmath>

#include "core/common/utf8.h"
#include "tests/fuzz/fuzz_input.h"
#include "ui/model/radio/radio_status.h"
#include "ui/model/radio/rigctld_protocol.h"
#include "ui/model/rotator/hamlib_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    RigctldConversation talk;
    const int commands = input.Byte() % 8;
    for (int i = 0; i < commands; ++i) {
        const std::string line =
            talk.Ask({static_cast<RigctldCommand>(input.Byte() % 6), input.Float()});
        FUZZ_REQUIRE(!line.empty() && line.back() == '\n');
    }
    std::size_t answered = 0;
    bool lost = false;
    while (!input.Rest().empty()) {
        const std::size_t piece = 1 + input.Byte() % 16;
        const std::string_view bytes = input.Rest().substr(0, piece);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            input.Byte();
        }
        for (const RigctldAnswer& answer : talk.Take(bytes)) {
            FUZZ_REQUIRE(!lost);
            if (answer.Garbled) {
                lost = true;
                FUZZ_REQUIRE(IsValidUtf8(answer.Line));
                FUZZ_REQUIRE(CharacterCount(answer.Line) <= 4 * kLongestShownAnswer + 3);
                for (const char c : answer.Line) {
                    const auto byte = static_cast<unsigned char>(c);
                    FUZZ_REQUIRE(byte >= 0x20 && byte != 0x7F && c != '<' && c != '&');
                }
                continue;
            }
            ++answered;
            FUZZ_REQUIRE(!HamlibErrorWords(answer.Report).empty());
            if (answer.FrequencyHz) {
                FUZZ_REQUIRE(answer.Command == RigctldCommand::GetFrequency ||
                             answer.Command == RigctldCommand::GetSplitFrequency);
                FUZZ_REQUIRE(std::isfinite(*answer.FrequencyHz) && *answer.FrequencyHz >= 0 &&
                             *answer.FrequencyHz <= kHighestRadioFrequencyHz);
                // The window's label shows it whole, never in exponent form.
                RadioReport report;
                report.VfoHz = report.SplitHz = *answer.FrequencyHz;
                const std::string shown =
                    RadioReportDisplay(report, RadioSplit::Radio, "h", 1).Text;
                FUZZ_REQUIRE(shown.size() < 48 && shown.find('e') == std::string::npos);
            }
            if (answer.Transmitting) {
                FUZZ_REQUIRE(answer.Command == RigctldCommand::GetPtt);
            }
        }
    }
    FUZZ_REQUIRE(answered <= static_cast<std::size_t>(commands));
    FUZZ_REQUIRE(answered + talk.Unanswered() == static_cast<std::size_t>(commands));
    return 0;
}
