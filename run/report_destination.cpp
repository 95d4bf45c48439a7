#include "run/report_destination.h"

namespace velmorant {

ReportSink* FileReportDestination::Open() {
    sink_ = CreateReportFile(file_);
    return sink_.get();
}

bool FileReportDestination::Close() {
    const bool written = sink_ == nullptr || sink_->Close();
    sink_.reset();
    return written;
}

ReportSink* StandardOutputDestination::Open() {
    sink_ = std::make_unique<StreamReportSink>(stdout);
    return sink_.get();
}

bool StandardOutputDestination::Close() {
    const bool written = sink_ == nullptr || sink_->Close();
    sink_.reset();
    return written;
}

}  // namespace velmorant
