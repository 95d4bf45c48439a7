// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "run/report/report_sink.h"
#include "stations/file_replacement.h"
#include "stations/write_result.h"

namespace velmorant {

inline constexpr const char* kReportFileName = "VELMORANT.TXT";

// A report written to standard output, each line ended by CR LF.
class StreamReportSink : public ReportSink {
  public:
    // The stream stays open and is not owned (standard output).
    explicit StreamReportSink(std::FILE* stream) : stream_(stream) {}
    ~StreamReportSink() override { Close(); }
    StreamReportSink(const StreamReportSink&) = delete;
    StreamReportSink& operator=(const StreamReportSink&) = delete;

    void WriteLine(std::string_view line) override;
    // Flushes; false when anything could not be written.
    bool Close();

  private:
    std::FILE* stream_;
    bool failed_ = false;
};

// A report file, each line ended by CR LF, written beside the report it replaces and put in its
// place only by Keep: until then (and for good after Discard) the earlier report stays as it was.
class ReportFileSink : public ReportSink {
  public:
    // Begins the new report; IsOpen() is false when it cannot be begun, and Keep() says why.
    explicit ReportFileSink(const std::filesystem::path& file);

    bool IsOpen() const { return file_.IsOpen(); }
    void WriteLine(std::string_view line) override {
        file_.Write(line);
        file_.Write("\r\n");
    }
    // Puts the report in place of the earlier one; why not, when that failed (the earlier one is
    // then left whole).
    WriteResult Keep() { return file_.Commit(); }
    // Drops the new report.
    void Discard() { file_.Abandon(); }

  private:
    FileReplacement file_;
};

}  // namespace velmorant
