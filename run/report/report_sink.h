// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velmorant {

// Where a planning report goes, one physical line at a time (without its line end).
class ReportSink {
  public:
    virtual ~ReportSink() = default;
    virtual void WriteLine(std::string_view line) = 0;
};

}  // namespace velmorant
