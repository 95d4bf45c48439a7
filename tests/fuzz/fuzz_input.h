// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

// What the fuzz targets share: a check that holds in every build type, and a reader that cuts
// the fuzzer's bytes into the few values a target needs.

// Stops the run with the failed condition named; libFuzzer then keeps the input.
#define FUZZ_REQUIRE(condition)                                                                \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace velmorant::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // One byte, 0 when the input is used up.
    std::uint8_t Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const auto value = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }

    // Four bytes taken as the bits of a float: every value, infinities and NaNs included.
    float Float() {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            bits = bits << 8 | Byte();
        }
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // The text up to the next LF (which is dropped), or all that is left.
    std::string_view Line() {
        const std::size_t end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }

    std::string_view Rest() const { return rest_; }

  private:
    std::string_view rest_;
};

}  // namespace velmorant::fuzz
