#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "run/report_file.h"

namespace velmorant {

// Where a planning run creates its report: opened after the run's checks pass, closed when the
// run ends (or is stopped).
class ReportDestination {
  public:
    virtual ~ReportDestination() = default;
    // Creates or replaces the report; null when it cannot be created.
    virtual ReportSink* Open() = 0;
    // Closes the report; false when it could not be written completely.
    virtual bool Close() = 0;
    // The name the operator knows it by, for messages.
    virtual std::string Name() const = 0;
};

// The report file (normally VELMORANT.TXT in the program's folder).
class FileReportDestination : public ReportDestination {
  public:
    explicit FileReportDestination(std::filesystem::path file) : file_(std::move(file)) {}
    ReportSink* Open() override;
    bool Close() override;
    std::string Name() const override { return file_.string(); }

  private:
    std::filesystem::path file_;
    std::unique_ptr<StreamReportSink> sink_;
};

// Standard output, for the headless command.
class StandardOutputDestination : public ReportDestination {
  public:
    ReportSink* Open() override;
    bool Close() override;
    std::string Name() const override { return "standard output"; }

  private:
    std::unique_ptr<StreamReportSink> sink_;
};

}  // namespace velmorant
