// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes from the network where rotctld's answers are expected: the first bytes choose the
// commands sent, the rest arrives in pieces of any size. The conversation never answers more
// commands than were sent, every position is a pair of finite numbers, and after a garbled line
// nothing more is taken until a reset.

#include <cmath>

#include "tests/fuzz/fuzz_input.h"
#include "ui/model/rotctld_protocol.h"

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
                continue;
            }
            ++answered;
            if (answer.Position) {
                FUZZ_REQUIRE(answer.Command == RotctldCommand::GetPosition);
                FUZZ_REQUIRE(std::isfinite(answer.Position->AzimuthDeg));
                FUZZ_REQUIRE(std::isfinite(answer.Position->ElevationDeg));
            }
        }
    }
    FUZZ_REQUIRE(answered <= static_cast<std::size_t>(commands));
    FUZZ_REQUIRE(answered + talk.Unanswered() == static_cast<std::size_t>(commands));
    return 0;
}
