// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes from the network where rotctld's answers are expected: the first bytes choose the
// commands sent, the rest arrives in pieces of any size. The conversation never answers more
// commands than were sent, every position is one a rotator can report, a garbled line is
// printable (valid UTF-8, no control character, no markup, short), every report has its words,
// and after a garbled line nothing more is taken until a reset.

#include <cmath>

#include "core/common/utf8.h"
#include "tests/fuzz/fuzz_input.h"
#include "ui/model/rotator/rotator_status.h"
#include "ui/model/rotator/rotctld_protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    RotctldConversation talk;
    const int commands = input.Byte() % 8;
    for (int i = 0; i < commands; ++i) {
        talk.Ask(static_cast<RotctldCommand>(input.Byte() % 3), {input.Float(), input.Float()});
    }
    std::size_t answered = 0;
    bool lost = false;
    while (!input.Rest().empty()) {
        const std::size_t piece = 1 + input.Byte() % 16;
        const std::string_view bytes = input.Rest().substr(0, piece);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            input.Byte();
        }
        for (const RotctldAnswer& answer : talk.Take(bytes)) {
            FUZZ_REQUIRE(!lost);
            if (answer.Garbled) {
                lost = true;
                FUZZ_REQUIRE(IsValidUtf8(answer.Line));
                // At most kLongestShownAnswer characters or \xNN escapes of four, and "...".
                FUZZ_REQUIRE(CharacterCount(answer.Line) <= 4 * kLongestShownAnswer + 3);
                for (const char c : answer.Line) {
                    const auto byte = static_cast<unsigned char>(c);
                    FUZZ_REQUIRE(byte >= 0x20 && byte != 0x7F && c != '<' && c != '&');
                }
                continue;
            }
            ++answered;
            FUZZ_REQUIRE(!HamlibErrorWords(answer.Report).empty());
            if (answer.Position) {
                FUZZ_REQUIRE(answer.Command == RotctldCommand::GetPosition);
                FUZZ_REQUIRE(IsRotatorPosition(*answer.Position));
                // "ROT az el" with one decimal each: never cut, never a stand-in.
                const std::string shown = RotatorPositionDisplay(*answer.Position, "h", 1).Text;
                FUZZ_REQUIRE(shown.size() < 20);
            }
        }
    }
    FUZZ_REQUIRE(answered <= static_cast<std::size_t>(commands));
    FUZZ_REQUIRE(answered + talk.Unanswered() == static_cast<std::size_t>(commands));
    return 0;
}
