// SPDX-License-Identifier: GPL-3.0-or-later
// VELMORANT.DAT as the operator's disk may hold it. Whatever the text, reading keeps what it
// can, and what the program then writes back reads again undamaged and writes back the same.

#include "tests/fuzz/fuzz_input.h"
#include "ui/model/defaults/defaults_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ParsedDefaults parsed = ParseDefaults(text);
    for (std::size_t i = 0; i < parsed.DamagedLines.size(); ++i) {
        FUZZ_REQUIRE(parsed.DamagedLines[i] >= 1 && parsed.DamagedLines[i] <= 4);
        FUZZ_REQUIRE(i == 0 || parsed.DamagedLines[i - 1] < parsed.DamagedLines[i]);
    }

    const std::string written = FormatDefaults(parsed.Record);
    const ParsedDefaults reread = ParseDefaults(written);
    FUZZ_REQUIRE(reread.DamagedLines.empty());
    FUZZ_REQUIRE(FormatDefaults(reread.Record) == written);
    return 0;
}
