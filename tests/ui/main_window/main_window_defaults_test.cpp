// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"
#include "ui/model/defaults/defaults_file.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/main_window/main_window_model.h"

namespace velmorant {
namespace {

using testing_support::kInitialFile;
using testing_support::WindowTest;

constexpr std::string_view kMissingText =
    "The file is not where expected.  Make sure all the VELMORANT files are in the same "
    "location as VELMORANT.EXE!";

constexpr std::string_view kStationFile =
    "1,\"DL1ABC\",\"JN58td\",\"48\",\"8\",\"45\",\"N\",\"11\",\"37\",\"30\",\"E\",\"-2\",\"90\"\r\n"
    "0,\"W1XYZ\",\"FN31pq\",\"41\",\"41\",\"15\",\"N\",\"72\",\"42\",\"30\",\"W\",\"5\",\"80\"\r\n"
    "0,\"(Enter Other Here)\",\"\",\"\",\"\",1\r\n"
    "\"10\",1,63,\"144\",\" 1\",-5.5,\"C:\\Tools\\ed.exe\",50,1,\"C:\\pdf.exe\",90,270.5,"
    "\"0600\",\"1800\"\r\n";

// The initial file with one line replaced (1-based).
std::string WithLine(int number, std::string_view line) {
    std::string text(kInitialFile);
    std::size_t start = 0;
    for (int i = 1; i < number; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    const std::size_t end = text.find("\r\n", start);
    return text.replace(start, end - start, line);
}

std::string Line(const std::string& text, int number) {
    std::size_t start = 0;
    for (int i = 1; i < number; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    return text.substr(start, text.find("\r\n", start) - start);
}

TEST_F(WindowTest, TheInitialWindowIsSavedAsTheFourExampleLines) {
    storage.text = "old";
    window.cmdSET_Click();
    EXPECT_EQ(storage.text, kInitialFile);
    EXPECT_EQ(window.SavedObjectName, "(Enter Other Here)");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowTest, StartUpPutsTheSavedValuesIntoTheControls) {
    StartWith(kStationFile);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window.txtCallsignHome.Text, "DL1ABC");
    EXPECT_EQ(window.txtLocatorHome.Text, "JN58td");
    EXPECT_EQ(window.txtLatMinHome.Text, "8");
    EXPECT_EQ(window.cboLatDirHome.SelectedIndex, 0);
    EXPECT_EQ(window.cboLonDirHome.Text, "E");
    EXPECT_EQ(window.cboLonDirDX.SelectedIndex, 1);
    EXPECT_FALSE(window.chkDisplayDX.Checked);
    EXPECT_EQ(window.txtAboveDX.Text, "5");
    EXPECT_EQ(window.cboCelestial.Text, "Moon");
    EXPECT_FALSE(window.txtCelestialRAhours.Visible);
    EXPECT_EQ(window.cboOperation.SelectedIndex, 1);
    EXPECT_EQ(window.txtIncrementMinutes.Text, "10");
    EXPECT_EQ(window.cboEsc.Text, "N");
    EXPECT_EQ(window.txtOutputLines.Text, "63");
    EXPECT_EQ(window.cboBand.SelectedIndex, 1);
    EXPECT_EQ(window.cboRegion.SelectedIndex, 0);
    EXPECT_EQ(window.txtTimeDif.Text, "-5.5");
    EXPECT_EQ(window.txtTextEditor.Text, "C:\\Tools\\ed.exe");
    EXPECT_EQ(window.txtNoise.Text, "50");
    EXPECT_EQ(window.cboUnits.Text, "mi");
    EXPECT_EQ(window.txtAZMIN.Text, "90");
    EXPECT_EQ(window.txtAZMAX.Text, "270.5");
    EXPECT_EQ(window.txtGMTMAX.Text, "1800");
    EXPECT_TRUE(window.lblAzRange.Visible);
    EXPECT_TRUE(window.txtAZMAX.Visible);
    EXPECT_FALSE(window.txtGMTMIN.Visible);
    EXPECT_EQ(window.AzMin, 90.0f);
    EXPECT_EQ(window.AzMax, 270.5f);
    EXPECT_TRUE(window.RealTimeFresh);
    EXPECT_FALSE(window.EndRequested());
}

TEST_F(WindowTest, SavedTextsSurviveASaveAndALoad) {
    StartWith(kInitialFile);
    ASSERT_TRUE(window.TypeText("txtCallsignHome", "W1AW, portable").Ok);
    ASSERT_TRUE(window.TypeText("txtTextEditor", "C:\\My Tools, 2\\ed.exe").Ok);
    ASSERT_TRUE(window.ApplySetting("cboRegion", " 2").Ok);
    ASSERT_TRUE(window.TypeText("txtAZMIN", "12.3").Ok);
    ASSERT_TRUE(window.TypeText("txtNoise", "33.3").Ok);
    ASSERT_TRUE(window.TypeText("txtTimeDif", "0.1").Ok);
    window.cmdSET_Click();
    const std::string saved = storage.text;

    testing_support::FakePresenter otherMessages;
    MainWindowModel other(clock, storage, otherMessages);
    other.Form_Load();
    EXPECT_EQ(other.txtCallsignHome.Text, "W1AW, portable");
    EXPECT_EQ(other.txtTextEditor.Text, "C:\\My Tools, 2\\ed.exe");
    EXPECT_EQ(other.cboRegion.Text, " 2");
    EXPECT_EQ(other.cboRegion.SelectedIndex, 1);
    EXPECT_EQ(other.txtAZMIN.Text, "12.3");
    EXPECT_EQ(other.txtNoise.Text, "33.3");
    EXPECT_EQ(other.txtTimeDif.Text, "0.1");
    other.cmdSET_Click();
    EXPECT_EQ(storage.text, saved);
}

TEST_F(WindowTest, NumbersAreSavedAsNumbersAndNonNumbersAsZero) {
    ASSERT_TRUE(window.TypeText("txtOutputLines", "22.5").Ok);
    ASSERT_TRUE(window.TypeText("txtAZMIN", "east").Ok);
    ASSERT_TRUE(window.TypeText("txtAZMAX", "200.25").Ok);
    ASSERT_TRUE(window.TypeText("txtTimeDif", "-5.5").Ok);
    ASSERT_TRUE(window.TypeText("txtNoise", "12.25 K").Ok);
    window.cmdSET_Click();
    EXPECT_EQ(Line(storage.text, 4),
              "\"15\",2,22,\"50\",\"\",-5.5,\"%Systemroot%\\notepad.exe\",12.25,-1,"
              "\"C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe\",0,200.25,"
              "\"0000\",\"2400\"");
    for (const char* lines : {"abc", "40000", ""}) {
        ASSERT_TRUE(window.TypeText("txtOutputLines", lines).Ok);
        window.cmdSET_Click();
        EXPECT_EQ(ParseDefaults(storage.text).Record.OutputLines, 0) << lines;
    }
}

TEST_F(WindowTest, AQuoteIsSavedAsAnApostrophe) {
    ASSERT_TRUE(window.TypeText("txtCallsignDX", "W1\"Q\"").Ok);
    window.cmdSET_Click();
    EXPECT_EQ(Line(storage.text, 2).substr(0, 10), "1,\"W1'Q'\",");
    EXPECT_EQ(window.txtCallsignDX.Text, "W1\"Q\"");
}

struct EscCase {
    const char* Shown;
    int Saved;
    const char* Restored;
};

class EscFlag : public WindowTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscFlag, IsSavedAsOneForNAndTwoOtherwise) {
    ASSERT_TRUE(window.TypeText("cboEsc", GetParam().Shown).Ok);
    window.cmdSET_Click();
    EXPECT_EQ(ParseDefaults(storage.text).Record.EscFlag, GetParam().Saved);
    window.cmdRESTART_Click();
    EXPECT_EQ(window.cboEsc.Text, GetParam().Restored);
}

INSTANTIATE_TEST_SUITE_P(Texts, EscFlag,
                         ::testing::Values(EscCase{"Y", 2, "Y"}, EscCase{"", 2, "Y"},
                                           EscCase{"n", 2, "Y"}, EscCase{"N", 1, "N"}));

// --- The bands ---

std::string ReadWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each microwave band goes into VELMORANT.DAT on disk with SET DEFAULTS and comes back, chosen
// in the list, with RESTART.
TEST(MicrowaveBands, SurviveSetDefaultsAndRestart) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("velmorant-bands-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "VELMORANT.DAT", std::ios::binary) << kInitialFile;
    testing_support::FakeClock clock;
    FileDefaultsStorage storage(folder);
    testing_support::FakePresenter messages;
    MainWindowModel window(clock, storage, messages);
    window.Form_Load();

    const std::pair<int, std::string> bands[] = {
        {5, "2304"}, {6, "3400"}, {7, "5760"}, {8, "10368"}};
    for (const auto& [index, text] : bands) {
        ASSERT_TRUE(window.ChooseItem("cboBand", index).Ok);
        ASSERT_EQ(window.cboBand.Text, text);
        window.cmdSET_Click();
        const std::string saved = ReadWhole(folder / "VELMORANT.DAT");
        EXPECT_EQ(Line(saved, 4).rfind("\"15\",2,22,\"" + text + "\",", 0), 0u) << Line(saved, 4);
        ASSERT_TRUE(window.ChooseItem("cboBand", 0).Ok);
        window.cmdRESTART_Click();
        EXPECT_EQ(window.cboBand.Text, text);
        EXPECT_EQ(window.cboBand.SelectedIndex, index) << text;
    }
    EXPECT_TRUE(messages.shown.empty());
    std::filesystem::remove_all(folder);
}

// --- The saved object ---

TEST_F(WindowTest, ASavedCustomObjectShowsItsNameAndCoordinates) {
    StartWith(WithLine(3, "8,\"M87\",\"12\",\"30\",\"+12.4\",0"));
    EXPECT_EQ(window.cboCelestial.SelectedIndex, 8);
    EXPECT_EQ(window.cboCelestial.Text, "(Other)");
    EXPECT_TRUE(window.txtEnterObject.Visible);
    EXPECT_EQ(window.txtEnterObject.Text, "M87");
    EXPECT_EQ(window.SavedObjectName, "M87");
    EXPECT_TRUE(window.txtCelestialRAhours.Visible);
    EXPECT_TRUE(window.lblObjectRA.Visible);
    EXPECT_EQ(window.txtCelestialRAhours.Text, "12");
    EXPECT_EQ(window.txtCelestialRAminutes.Text, "30");
    EXPECT_EQ(window.txtCelestialDec.Text, "+12.4");
}

TEST_F(WindowTest, ASavedFixedObjectKeepsItsSavedCoordinatesAndHidesTheName) {
    StartWith(WithLine(3, "6,\"M87\",\"9\",\"31\",\"+41\",0"));
    EXPECT_EQ(window.cboCelestial.Text, "Cold Sky North");
    EXPECT_FALSE(window.txtEnterObject.Visible);
    EXPECT_TRUE(window.txtCelestialDec.Visible);
    EXPECT_TRUE(window.lblObjectDegrees.Visible);
    EXPECT_EQ(window.txtCelestialRAminutes.Text, "31");
    EXPECT_EQ(window.txtCelestialDec.Text, "+41");
}

TEST_F(WindowTest, ASavedMoonHidesNameAndCoordinates) {
    StartWith(WithLine(3, "0,\"M87\",\"12\",\"30\",\"+12.4\",0"));
    EXPECT_EQ(window.cboCelestial.Text, "Moon");
    EXPECT_FALSE(window.txtEnterObject.Visible);
    EXPECT_FALSE(window.txtCelestialRAhours.Visible);
    EXPECT_FALSE(window.lblObjectHours.Visible);
    EXPECT_EQ(window.SavedObjectName, "M87");
    EXPECT_GE(runStops, 1) << "the object handler ran, and it stops any run";
}

TEST_F(WindowTest, AnEmptySavedNameGivesThePromptOnRestartOnly) {
    StartWith(WithLine(3, "8,\"\",\"1\",\"2\",\"3\",0"));
    EXPECT_EQ(window.SavedObjectName, "(Enter Name Here)");
    EXPECT_EQ(window.txtEnterObject.Text, "(Enter Other Here)");
    window.cmdRESTART_Click();
    EXPECT_EQ(window.txtEnterObject.Text, "(Enter Name Here)");
    EXPECT_TRUE(window.txtEnterObject.Visible);
    EXPECT_EQ(window.txtCelestialRAhours.Text, "1");
}

// --- Damaged and missing files ---

TEST_F(WindowTest, AShortFileKeepsTheInitialContentsAndNamesTheLines) {
    std::string text(kStationFile);
    StartWith(text.substr(0, text.find("0,\"(Enter")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Title, "File Damaged");
    EXPECT_NE(messages.shown[0].Text.find("VELMORANT.DAT"), std::string::npos);
    EXPECT_NE(messages.shown[0].Text.find("lines 3 and 4"), std::string::npos);
    EXPECT_FALSE(window.EndRequested());
    EXPECT_EQ(window.txtCallsignHome.Text, "DL1ABC");  // line 1 was read
    EXPECT_EQ(window.txtCallsignDX.Text, "W1XYZ");
    EXPECT_EQ(window.txtIncrementMinutes.Text, "15");  // line 4 was not
    EXPECT_EQ(window.cboEsc.Text, "");
    EXPECT_EQ(window.txtNoise.Text, "");
    EXPECT_EQ(window.txtAZMAX.Text, "360");
    EXPECT_EQ(window.cboCelestial.SelectedIndex, -1);
    EXPECT_FALSE(window.txtCelestialRAhours.Visible);
}

TEST_F(WindowTest, AFieldThatCannotBeReadKeepsItsInitialContentsAlsoOnRestart) {
    StartWith(
        WithLine(4, "\"10\",1,abc,\"144\",\" 1\",0,\"ed\",0,0,\"pdf\",0,360,\"0000\",\"2400\""));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].Text.find("line 4"), std::string::npos);
    EXPECT_EQ(window.txtOutputLines.Text, "22");
    EXPECT_EQ(window.cboBand.Text, "144");  // the rest of the line is used

    ASSERT_TRUE(window.TypeText("txtOutputLines", "40").Ok);
    window.cmdRESTART_Click();
    EXPECT_EQ(window.txtOutputLines.Text, "22");
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(WindowTest, AnObjectIndexOutsideTheListIsReported) {
    StartWith(WithLine(3, "12,\"M87\",\"1\",\"2\",\"3\",0"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].Text.find("line 3"), std::string::npos);
    EXPECT_EQ(window.cboCelestial.SelectedIndex, -1);
    EXPECT_EQ(window.cboOperation.SelectedIndex, 0);
    EXPECT_FALSE(window.txtCelestialDec.Visible);
}

TEST_F(WindowTest, AMissingFileAtStartUpEndsTheProgram) {
    storage.exists = false;
    window.Form_Load();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Text, kMissingText);
    EXPECT_EQ(messages.shown[0].Title, "File Not Found");
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(window.EndRequested());
    EXPECT_EQ(window.txtYearStart.Text, "");
}

TEST_F(WindowTest, AMissingFileOnRestartOrSaveEndsTheProgram) {
    window.Form_Load();
    storage.exists = false;
    window.cmdRESTART_Click();
    EXPECT_EQ(endRequests, 1);
    window.cmdSET_Click();
    EXPECT_EQ(endRequests, 2);
    EXPECT_EQ(storage.writes, 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].Text, kMissingText);
}

TEST_F(WindowTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    storage.refuseWrites = true;
    storage.text = "old";
    window.cmdSET_Click();
    EXPECT_EQ(storage.text, "old");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].Text.find("VELMORANT.DAT"), std::string::npos);
    EXPECT_FALSE(window.EndRequested());
}

// --- While a run is in progress ---

TEST_F(WindowTest, SetAndRestartDoNothingDuringARun) {
    window.Form_Load();
    ASSERT_TRUE(window.TypeText("txtCallsignHome", "K1JT").Ok);
    PretendRunning();
    window.Show(window.txtNotesHome, true);
    storage.text = kStationFile;
    window.cmdSET_Click();
    window.cmdRESTART_Click();
    EXPECT_EQ(storage.text, kStationFile);
    EXPECT_EQ(storage.writes, 0);
    EXPECT_EQ(window.txtCallsignHome.Text, "K1JT");
    EXPECT_TRUE(window.txtNotesHome.Visible);
    EXPECT_TRUE(window.RunInProgress());
}

TEST_F(WindowTest, RestartResetsTheStatusAndTheNotes) {
    std::string focus;
    window.Hooks.MoveFocus = [&](std::string_view name) { focus = name; };
    window.Form_Load();
    window.Show(window.txtNotesDX, true);
    window.Show(window.txtDateCalc, true);
    ASSERT_TRUE(window.TypeText("txtDateCalc", "Searching").Ok);
    ASSERT_TRUE(window.TypeText("txtSearch", "1").Ok);
    ASSERT_TRUE(window.TypeText("txtMaxDegradation", "3").Ok);
    storage.text = kStationFile;
    window.cmdRESTART_Click();
    EXPECT_FALSE(window.txtNotesDX.Visible);
    EXPECT_FALSE(window.txtDateCalc.Visible);
    EXPECT_EQ(window.txtDateCalc.Text, "");
    EXPECT_EQ(window.txtSearch.Text, "");
    EXPECT_EQ(window.txtMaxDegradation.Text, "3") << "not saved, so not restored";
    EXPECT_EQ(window.txtCallsignHome.Text, "DL1ABC");
    EXPECT_EQ(focus, "cboMonthStart");
}

}  // namespace
}  // namespace velmorant
