// SPDX-License-Identifier: GPL-3.0-or-later
// HELP, EXIT, the closing of the window and the one-second timer.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace velmorant::testing_support {
namespace {

constexpr std::string_view kMissingText =
    "The file is not where expected.  Make sure all the VELMORANT files are in the same "
    "location as VELMORANT.EXE!";

class HelpTest : public WindowTest {
  protected:
    HelpTest() {
        window.Help.FileExists = [this](const std::string& name) {
            asked.push_back(name);
            return manualPresent;
        };
        window.Help.OpenWithProgram = [this](const std::string& program, const std::string& file) {
            launched.push_back({program, file});
            return readerOpens;
        };
    }

    bool manualPresent = true;
    bool readerOpens = true;
    std::vector<std::string> asked;
    std::vector<std::pair<std::string, std::string>> launched;
};

TEST_F(HelpTest, HelpOpensTheManualWithTheReaderAndKeepsTheWindowUsable) {
    ASSERT_TRUE(window.Click("cmdHELP").Ok);
    window.PutText(window.txtAdobeReader, "/usr/bin/evince");
    window.cmdHELP_Click();
    using Launch = std::pair<std::string, std::string>;
    EXPECT_EQ(launched,
              (std::vector<Launch>{
                  {"C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe", "QVHELP.PDF"},
                  {"/usr/bin/evince", "QVHELP.PDF"}}))
        << "the reader path as it stands, blanks included; each HELP starts a reader";
    EXPECT_EQ(asked, (std::vector<std::string>{"QVHELP.PDF", "QVHELP.PDF"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(window.EndRequested());
    EXPECT_EQ(endRequests, 0);
}

TEST_F(HelpTest, AMissingManualEndsTheProgramAfterTheMessage) {
    manualPresent = false;
    window.cmdHELP_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Text, kMissingText);
    EXPECT_EQ(messages.shown[0].Title, "File Not Found");
    EXPECT_TRUE(window.EndRequested());
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(launched.empty());
}

TEST_F(HelpTest, WithoutAnExistenceTestTheManualCountsAsMissing) {
    window.Help.FileExists = nullptr;
    window.OpenHelpManual();
    EXPECT_TRUE(window.EndRequested());
    EXPECT_TRUE(launched.empty());
}

// The program's own help viewer, answering as told.
class RecordingViewer : public DocumentViewer {
  public:
    bool ShowReport(const std::filesystem::path&, std::string_view) override { return false; }
    bool ShowManual(std::string_view note) override {
        notes.emplace_back(note);
        return shows;
    }
    bool shows = true;
    std::vector<std::string> notes;
};

TEST_F(HelpTest, AReaderThatCannotOpenTheManualGivesWayToTheOwnViewerThenToAMessage) {
    RecordingViewer viewer;
    window.Help.Viewer = &viewer;
    window.Help.Folder = "/opt/velmorant";
    window.PutText(window.txtAdobeReader, "/nowhere/reader");
    readerOpens = false;
    // The manual's full path as the system writes it (on Windows with a drive and backslashes).
    const std::string manual =
        (std::filesystem::absolute("/opt/velmorant") / "QVHELP.PDF").string();

    window.cmdHELP_Click();
    ASSERT_EQ(viewer.notes.size(), 1u);
    EXPECT_NE(viewer.notes[0].find(manual), std::string::npos) << viewer.notes[0];
    EXPECT_NE(viewer.notes[0].find("\"/nowhere/reader\""), std::string::npos);
    EXPECT_NE(viewer.notes[0].find("\"Adobe Rdr\""), std::string::npos)
        << "says where the reader's path is set";
    EXPECT_TRUE(messages.shown.empty());

    viewer.shows = false;
    window.cmdHELP_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Title, "Program Not Started");
    EXPECT_NE(messages.shown[0].Text.find(manual), std::string::npos) << messages.shown[0].Text;
    EXPECT_NE(messages.shown[0].Text.find("\"Text Editor\""), std::string::npos);
    EXPECT_FALSE(window.EndRequested());
}

TEST_F(WindowTest, ExitEndsTheProgramAtOnceEvenDuringARun) {
    PretendRunning();
    ASSERT_TRUE(window.Click("cmdEXIT").Ok);
    EXPECT_TRUE(window.EndRequested());
    EXPECT_EQ(endRequests, 1);
    EXPECT_EQ(runStops, 0) << "closing files is the end's own business";
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(storage.writes, 0);
}

TEST_F(WindowTest, ClosingTheWindowClosesTheOtherWindows) {
    int closes = 0;
    window.Hooks.CloseOtherWindows = [&] { ++closes; };
    window.Form_QueryUnload();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(endRequests, 0) << "the window's own closing ends the program";
    window.Hooks.CloseOtherWindows = nullptr;
    window.Form_QueryUnload();  // a host without other windows
}

TEST_F(WindowTest, TheTimerIsIdleOutsideRealTime) {
    window.Form_Load();
    changed.clear();
    runStops = 0;  // loading the clock offset stopped the (absent) run
    for (int tick = 0; tick < 3; ++tick) {
        window.tmrWatch_Timer();
    }
    EXPECT_TRUE(changed.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(runStops, 0);
    EXPECT_FALSE(window.RealTimeMode);
}

TEST_F(WindowTest, TheTimerRunsRunWhileRealTimeIsActive) {
    for (const char* operation : {"Real-Time", "Planning"}) {
        window.Form_Load();
        Set("cboOperation", operation);
        window.RealTimeMode = true;
        changed.clear();
        window.tmrWatch_Timer();
        EXPECT_NE(std::find(changed.begin(), changed.end(), "cmdRUN"), changed.end())
            << operation << ": RUN showed that it ran";
    }
    // RUN re-reads the list: a switch to Planning ends the real-time display.
    EXPECT_FALSE(window.RealTimeMode);
}

}  // namespace
}  // namespace velmorant::testing_support
