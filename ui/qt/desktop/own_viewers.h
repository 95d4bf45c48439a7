// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/model/main_window/window_ports.h"
#include "ui/qt/desktop/help_viewer.h"
#include "ui/qt/desktop/report_viewer.h"

// The program's own windows for the report and the manual (DocumentViewer), made the first time
// they are needed and reused afterwards.

namespace velmorant {

// The manual's Markdown text, installed beside QVHELP.PDF (which is made from it) together with
// its pictures in screenshots/.
inline constexpr std::string_view kManualTextFileName = "QVHELP.MD";

class OwnViewers : public DocumentViewer {
  public:
    // `manualFolders`: where QVHELP.MD may lie, in order of preference (the working folder, then
    // the installed data folders).
    explicit OwnViewers(std::vector<std::filesystem::path> manualFolders);
    ~OwnViewers() override;

    bool ShowReport(const std::filesystem::path& report, std::string_view note) override;
    bool ShowManual(std::string_view note) override;

    // The windows, once made (null before).
    ReportViewer* Report() { return report_.get(); }
    HelpViewer* Help() { return help_.get(); }
    // Closes both windows (the main window is closing).
    void CloseAll();

  private:
    std::vector<std::filesystem::path> manualFolders_;
    std::unique_ptr<ReportViewer> report_;
    std::unique_ptr<HelpViewer> help_;
};

}  // namespace velmorant
