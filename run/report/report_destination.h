// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "run/report/report_file.h"
#include "stations/write_result.h"

namespace velmorant {

// Where a planning run writes its report: opened after the run's checks pass, then kept when the
// run completes or is stopped, or discarded when the run is abandoned.
class ReportDestination {
  public:
    virtual ~ReportDestination() = default;
    // Begins a new report; null when it cannot be begun (Keep() then says why). The earlier
    // report is not touched yet.
    virtual ReportSink* Open() = 0;
    // Makes the report written since Open the report; why not, when that failed.
    virtual WriteResult Keep() = 0;
    // Drops the report written since Open: the earlier report stays as it was.
    virtual void Discard() = 0;
    // The name the operator knows it by, for messages.
    virtual std::string Name() const = 0;
};

// The report file (normally VELMORANT.TXT in the program's folder). The new report is written
// beside it under a temporary name and renamed over it by Keep (see FileReplacement), so that a
// refused or failed run leaves the earlier report byte for byte and two runs at once in one
// folder each leave a whole report (the later one wins).
class FileReportDestination : public ReportDestination {
  public:
    explicit FileReportDestination(std::filesystem::path file) : file_(std::move(file)) {}
    ReportSink* Open() override;
    WriteResult Keep() override;
    void Discard() override;
    // The full path, so that the operator can find the file a message names.
    std::string Name() const override;

  private:
    std::filesystem::path file_;
    std::unique_ptr<ReportFileSink> sink_;
    WriteResult openFailure_;
};

// Standard output, for the headless command. Discard cannot take back what was written.
class StandardOutputDestination : public ReportDestination {
  public:
    ReportSink* Open() override;
    WriteResult Keep() override;
    void Discard() override;
    std::string Name() const override { return "standard output"; }

  private:
    std::unique_ptr<StreamReportSink> sink_;
};

}  // namespace velmorant
