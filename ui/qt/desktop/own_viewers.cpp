// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/own_viewers.h"

#include <system_error>

namespace velmorant {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void Present(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

OwnViewers::OwnViewers(std::vector<std::filesystem::path> manualFolders)
    : manualFolders_(std::move(manualFolders)) {}

OwnViewers::~OwnViewers() = default;

bool OwnViewers::ShowReport(const std::filesystem::path& report, std::string_view note) {
    if (!report_) {
        report_ = std::make_unique<ReportViewer>();
    }
    if (!report_->Open(Q(report), Q(note))) {
        return false;
    }
    Present(*report_);
    return true;
}

bool OwnViewers::ShowManual(std::string_view note) {
    for (const std::filesystem::path& folder : manualFolders_) {
        const std::filesystem::path manual = folder / kManualTextFileName;
        std::error_code error;
        if (!std::filesystem::is_regular_file(manual, error)) {
            continue;
        }
        if (!help_) {
            help_ = std::make_unique<HelpViewer>();
        }
        if (help_->Open(Q(manual), Q(note))) {
            Present(*help_);
            return true;
        }
    }
    return false;
}

void OwnViewers::CloseAll() {
    if (report_) {
        report_->close();
    }
    if (help_) {
        help_->close();
    }
}

}  // namespace velmorant
