// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/report_destination.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace velmorant {

ReportSink* FileReportDestination::Open() {
    sink_ = std::make_unique<ReportFileSink>(file_);
    if (!sink_->IsOpen()) {
        openFailure_ = sink_->Keep();
        sink_.reset();
        return nullptr;
    }
    openFailure_ = WriteResult{};
    return sink_.get();
}

WriteResult FileReportDestination::Keep() {
    if (sink_ == nullptr) {
        return openFailure_;  // nothing begun: nothing to put in place
    }
    const WriteResult result = sink_->Keep();
    sink_.reset();
    return result;
}

void FileReportDestination::Discard() {
    if (sink_ != nullptr) {
        sink_->Discard();
        sink_.reset();
    }
}

std::string FileReportDestination::Name() const {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(file_, error);
    return error ? file_.string() : full.lexically_normal().string();
}

ReportSink* StandardOutputDestination::Open() {
    sink_ = std::make_unique<StreamReportSink>(stdout);
    return sink_.get();
}

WriteResult StandardOutputDestination::Keep() {
    const bool written = sink_ == nullptr || sink_->Close();
    const int error = errno;
    sink_.reset();
    if (written) {
        return {};
    }
    return WriteResult{
        WriteResult::Kind::Failed,
        std::error_code(error != 0 ? error : EIO, std::generic_category()).message()};
}

void StandardOutputDestination::Discard() {
    Keep();
}

}  // namespace velmorant
