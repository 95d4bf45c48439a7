#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

#include "run/report_sink.h"

namespace velmorant {

inline constexpr const char* kReportFileName = "VELMORANT.TXT";

// A report written to a file (or to standard output), each line ended by CR LF.
class StreamReportSink : public ReportSink {
  public:
    // Takes ownership of the stream unless it is stdout.
    explicit StreamReportSink(std::FILE* stream) : stream_(stream) {}
    ~StreamReportSink() override;
    StreamReportSink(const StreamReportSink&) = delete;
    StreamReportSink& operator=(const StreamReportSink&) = delete;

    void WriteLine(std::string_view line) override;
    // Flushes and closes; false when anything could not be written.
    bool Close();

  private:
    std::FILE* stream_;
    bool failed_ = false;
};

// Creates (or replaces) the report file; null when it cannot be created.
std::unique_ptr<StreamReportSink> CreateReportFile(const std::filesystem::path& file);

}  // namespace velmorant
