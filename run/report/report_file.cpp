// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/report_file.h"

namespace velmorant {

namespace {

// A year at one-minute steps is some 40 MB of report: write it in large blocks.
constexpr std::size_t kReportBuffer = std::size_t{1} << 20;

}  // namespace

void StreamReportSink::WriteLine(std::string_view line) {
    if (stream_ == nullptr) {
        return;
    }
    if (std::fwrite(line.data(), 1, line.size(), stream_) != line.size() ||
        std::fputs("\r\n", stream_) == EOF) {
        failed_ = true;
    }
}

bool StreamReportSink::Close() {
    if (stream_ == nullptr) {
        return !failed_;
    }
    if (std::fflush(stream_) != 0) {
        failed_ = true;
    }
    stream_ = nullptr;
    return !failed_;
}

ReportFileSink::ReportFileSink(const std::filesystem::path& file) : file_(file, kReportBuffer) {}

}  // namespace velmorant
