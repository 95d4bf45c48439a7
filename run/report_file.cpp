#include "run/report_file.h"

namespace velmorant {

StreamReportSink::~StreamReportSink() {
    Close();
}

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
    if (stream_ != stdout && std::fclose(stream_) != 0) {
        failed_ = true;
    }
    stream_ = nullptr;
    return !failed_;
}

std::unique_ptr<StreamReportSink> CreateReportFile(const std::filesystem::path& file) {
    std::FILE* stream = std::fopen(file.string().c_str(), "wb");
    if (stream == nullptr) {
        return nullptr;
    }
    // A year at one-minute steps is some 40 MB of report: write it in large blocks.
    std::setvbuf(stream, nullptr, _IOFBF, 1 << 20);
    return std::make_unique<StreamReportSink>(stream);
}

}  // namespace velmorant
