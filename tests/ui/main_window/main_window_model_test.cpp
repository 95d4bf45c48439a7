// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/main_window/main_window_model.h"

#include <algorithm>
#include <set>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace velmorant {
namespace {

using testing_support::WindowTest;

// --- Controls and lookup ---

TEST(MainWindowControlsTable, NamesEveryControlOnceAndFindsIt) {
    std::set<std::string_view> names;
    for (const ControlEntry& entry : ControlTable()) {
        EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
        EXPECT_EQ(FindControlEntry(entry.Name), &entry);
    }
    EXPECT_EQ(names.size(), 114u);  // the window's 113 and WINDOWS
    for (const char* name : {"txtCallsignHome", "cboCelestial", "chkDisplayHome", "cmdRUN",
                             "cmdStop", "lblAzRange", "txtSearch", "txtReplace", "txtDelete",
                             "txtCancel", "lblDXSTN", "cmdLocatorDXCalc", "lbBand"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    EXPECT_EQ(FindControlEntry("txtNoSuchBox"), nullptr);
}

TEST_F(WindowTest, FindControlGivesTheMemberItself) {
    const ControlView view = window.FindControl("txtAZMAX");
    ASSERT_TRUE(std::holds_alternative<const TextBox*>(view));
    EXPECT_EQ(std::get<const TextBox*>(view), &window.txtAZMAX);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(window.FindControl("txtazmax")));
}

struct InitialText {
    const char* Control;
    const char* Text;  // text or caption
    bool Visible;
};

class InitialContents : public WindowTest, public ::testing::WithParamInterface<InitialText> {};

TEST_P(InitialContents, MatchTheWindowAtStart) {
    const InitialText& expected = GetParam();
    const ControlView view = window.FindControl(expected.Control);
    ASSERT_FALSE(std::holds_alternative<std::monostate>(view)) << expected.Control;
    std::string text;
    bool visible = false;
    std::visit(
        [&](auto control) {
            using Control = std::remove_cv_t<std::remove_pointer_t<decltype(control)>>;
            if constexpr (std::is_same_v<Control, TextBox> || std::is_same_v<Control, ComboBox>) {
                text = control->Text;
            } else if constexpr (std::is_same_v<Control, Label> ||
                                 std::is_same_v<Control, Button>) {
                text = control->Caption;
            }
            if constexpr (!std::is_same_v<Control, std::monostate>) {
                visible = control->Visible;
            }
        },
        view);
    EXPECT_EQ(text, expected.Text) << expected.Control;
    EXPECT_EQ(visible, expected.Visible) << expected.Control;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, InitialContents,
    ::testing::Values(
        InitialText{"txtLonDegHome", "00", true}, InitialText{"txtLonDegDX", "000", true},
        InitialText{"txtAboveDX", "-2", true}, InitialText{"txtBelowHome", "90", true},
        InitialText{"txtDateCalc", "", false}, InitialText{"lblAzRange", " Azimuth   Range", false},
        InitialText{"txtAZMAX", "360", false}, InitialText{"txtGMTMIN", "0000", false},
        InitialText{"txtGMTMAX", "2400", false},
        InitialText{"txtEnterObject", "(Enter Other Here)", false},
        InitialText{"lblObjectRA", "Right Ascension", false}, InitialText{"cboCelestial", "", true},
        InitialText{"txtIncrementMinutes", "15", true}, InitialText{"txtMaxDegradation", "0", true},
        InitialText{"lblTimeDif", "Computer Clock  Hours minus UTC", true},
        InitialText{"txtOutputLines", "22", true}, InitialText{"cboBand", "50", true},
        InitialText{"txtTextEditor", "%Systemroot%\\notepad.exe", true},
        InitialText{"txtAdobeReader", "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe",
                    false},
        InitialText{"cmdRUN", "RUN", true}, InitialText{"cmdStop", "STOP", false},
        InitialText{"cmdSET", "SET DEFAULTS", true}, InitialText{"txtNotesDX", "", false},
        InitialText{"txtSearch", "", false}));

TEST_F(WindowTest, ListsHoldTheirItems) {
    EXPECT_EQ(window.cboMonthStart.Items.size(), 12u);
    EXPECT_EQ(window.cboMonthEnd.Items.back(), "Dec");
    ASSERT_EQ(window.cboDayEnd.Items.size(), 31u);
    EXPECT_EQ(window.cboDayStart.Items[0], " 1");
    EXPECT_EQ(window.cboDayStart.Items[9], "10");
    EXPECT_EQ(
        window.cboCelestial.Items,
        (std::vector<std::string>{"Moon", "Sun", "Cassiopeia A", "Cygnus A", "Sagittarius",
                                  "Taurus A", "Cold Sky North", "Cold Sky South", "(Other)"}));
    EXPECT_EQ(window.cboRegion.Items, (std::vector<std::string>{" 1", " 2", " 3"}));
    EXPECT_EQ(window.cboBand.SelectedIndex, 0);
    EXPECT_EQ(window.cboOperation.SelectedIndex, -1);
    EXPECT_TRUE(window.chkDisplayHome.Checked);
    EXPECT_TRUE(window.chkDisplayDX.Checked);
}

// --- Azimuth limits ---

struct TypedAzimuth {
    const char* Control;
    const char* Typed;
    const char* Shown;
};

class AzimuthLimits : public WindowTest, public ::testing::WithParamInterface<TypedAzimuth> {};

TEST_P(AzimuthLimits, OutOfRangeTextIsReplacedAtOnce) {
    ASSERT_TRUE(window.TypeText(GetParam().Control, GetParam().Typed).Ok);
    const ControlView view = window.FindControl(GetParam().Control);
    EXPECT_EQ(std::get<const TextBox*>(view)->Text, GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, AzimuthLimits,
                         ::testing::Values(TypedAzimuth{"txtAZMAX", "400", "360"},
                                           TypedAzimuth{"txtAZMAX", "360.5", "360"},
                                           TypedAzimuth{"txtAZMAX", "1e999", "360"},
                                           TypedAzimuth{"txtAZMAX", "-1", "360"},
                                           TypedAzimuth{"txtAZMIN", "-5", "0"},
                                           TypedAzimuth{"txtAZMIN", "361", "0"},
                                           TypedAzimuth{"txtAZMIN", "360", "360"},
                                           TypedAzimuth{"txtAZMIN", "abc", "abc"},
                                           TypedAzimuth{"txtAZMAX", "  9 0x", "  9 0x"}));

// --- Display boxes and toggles ---

TEST_F(WindowTest, UncheckingHomeHidesTheWholeRangeRowAndCheckingBringsBackAzimuth) {
    window.Form_Load();
    window.lblAzRange_Click();
    ASSERT_TRUE(window.txtGMTMIN.Visible);

    ASSERT_TRUE(window.SetChecked("chkDisplayHome", false).Ok);
    for (const bool visible :
         {window.lblAzRange.Visible, window.txtAZMIN.Visible, window.txtAZMAX.Visible,
          window.txtGMTMIN.Visible, window.txtGMTMAX.Visible}) {
        EXPECT_FALSE(visible);
    }

    window.txtAZMIN.Text = "10";
    window.txtAZMAX.Text = "200.5";
    const int clearsBefore = mapClears;
    ASSERT_TRUE(window.SetChecked("chkDisplayHome", true).Ok);
    EXPECT_EQ(window.lblAzRange.Caption, "  GMT      Range");
    EXPECT_TRUE(window.lblAzRange.Visible);
    EXPECT_TRUE(window.txtAZMIN.Visible);
    EXPECT_TRUE(window.txtAZMAX.Visible);
    EXPECT_FALSE(window.txtGMTMIN.Visible);
    EXPECT_EQ(window.AzMin, 10.0f);
    EXPECT_EQ(window.AzMax, 200.5f);
    EXPECT_EQ(mapClears, clearsBefore + 1);
}

TEST_F(WindowTest, DxBoxOnlyClearsTheMap) {
    ASSERT_TRUE(window.SetChecked("chkDisplayDX", false).Ok);
    EXPECT_EQ(mapClears, 1);
    EXPECT_FALSE(window.chkDisplayDX.Checked);
    ASSERT_TRUE(window.SetChecked("chkDisplayDX", false).Ok);
    EXPECT_EQ(mapClears, 1) << "no click when the state stays";
}

TEST_F(WindowTest, TogglesSwitchWhichBoxIsShownAndKeepTexts) {
    window.lblTextEditor_Click();
    EXPECT_EQ(window.lblTextEditor.Caption, "Adobe Rdr");
    EXPECT_FALSE(window.txtTextEditor.Visible);
    EXPECT_TRUE(window.txtAdobeReader.Visible);
    window.lblTextEditor_Click();
    EXPECT_EQ(window.lblTextEditor.Caption, "Text Editor");
    EXPECT_TRUE(window.txtTextEditor.Visible);
    EXPECT_FALSE(window.txtAdobeReader.Visible);
    EXPECT_EQ(window.txtTextEditor.Text, "%Systemroot%\\notepad.exe");

    window.Form_Load();
    ASSERT_TRUE(window.Click("lblAzRange").Ok);
    EXPECT_EQ(window.lblAzRange.Caption, "  GMT      Range");
    EXPECT_FALSE(window.txtAZMIN.Visible);
    EXPECT_TRUE(window.txtGMTMAX.Visible);
    ASSERT_TRUE(window.Click("lblAzRange").Ok);
    EXPECT_EQ(window.lblAzRange.Caption, " Azimuth   Range");
    EXPECT_TRUE(window.txtAZMAX.Visible);
    EXPECT_FALSE(window.txtGMTMIN.Visible);
}

// --- STOP ---

TEST_F(WindowTest, StopRestoresTheIdleWindowAndEndsTheRun) {
    PretendRunning();
    window.Show(window.txtDateCalc, true);
    window.cmdStop_Click();
    EXPECT_FALSE(window.RealTimeMode);
    EXPECT_TRUE(window.RealTimeFresh);
    EXPECT_TRUE(window.cmdRUN.Visible);
    EXPECT_FALSE(window.cmdStop.Visible);
    EXPECT_FALSE(window.txtDateCalc.Visible);
    EXPECT_EQ(window.cmdRUN.Caption, "RUN");
    EXPECT_EQ(runStops, 1);
}

TEST_F(WindowTest, EditingTheClockOffsetStopsARun) {
    PretendRunning();
    ASSERT_TRUE(window.TypeText("txtTimeDif", "2").Ok);
    EXPECT_FALSE(window.RunInProgress());
    EXPECT_EQ(runStops, 1);
}

// --- Settings by name ---

TEST_F(WindowTest, SettingsActAsTheOperatorWould) {
    Set("txtAZMAX", "400");
    EXPECT_EQ(window.txtAZMAX.Text, "360");

    Set("cboCelestial", "Cassiopeia A");
    EXPECT_EQ(window.cboCelestial.SelectedIndex, 2);
    EXPECT_EQ(window.txtCelestialRAhours.Text, "23") << "the list's handler ran";

    Set("cboBand", "1296");
    EXPECT_EQ(window.cboBand.SelectedIndex, 4);
    Set("cboBand", "10368");
    EXPECT_EQ(window.cboBand.SelectedIndex, 8);
    Set("cboBand", "24048");  // not in the list: typed
    EXPECT_EQ(window.cboBand.SelectedIndex, -1);
    EXPECT_EQ(window.cboBand.Text, "24048");

    Set("cboRegion", "2");  // the items read " 2"
    EXPECT_EQ(window.cboRegion.SelectedIndex, -1);
    EXPECT_EQ(window.cboRegion.Text, "2");

    window.Form_Load();
    Set("chkDisplayHome", "0");
    EXPECT_FALSE(window.chkDisplayHome.Checked);
    EXPECT_FALSE(window.lblAzRange.Visible) << "the box's handler ran";
    Set("chkDisplayHome", "1");
    EXPECT_TRUE(window.txtAZMIN.Visible);
}

TEST_F(WindowTest, BadSettingsAreRefusedWithAReason) {
    struct Bad {
        const char* Control;
        const char* Text;
    };
    for (const Bad& bad : {Bad{"txtNoSuchBox", "1"}, Bad{"chkDisplayDX", "yes"},
                           Bad{"chkDisplayDX", ""}, Bad{"lblTitle", "x"}, Bad{"cmdRUN", "x"}}) {
        const ActionResult result = window.ApplySetting(bad.Control, bad.Text);
        EXPECT_FALSE(result.Ok) << bad.Control << "=" << bad.Text;
        EXPECT_NE(result.Error.find(bad.Control), std::string::npos) << result.Error;
    }
    EXPECT_TRUE(window.chkDisplayDX.Checked);
    EXPECT_FALSE(window.ChooseItem("cboUnits", 2).Ok);
    EXPECT_FALSE(window.Click("lblTitle").Ok);
}

TEST_F(WindowTest, TypingIntoAListLeavesNoItemChosen) {
    ASSERT_TRUE(window.ChooseItem("cboUnits", 1).Ok);
    ASSERT_TRUE(window.TypeText("cboUnits", "km").Ok);
    EXPECT_EQ(window.cboUnits.SelectedIndex, -1);
    EXPECT_EQ(window.cboUnits.Text, "km");
}

// --- What the view and the run see ---

TEST_F(WindowTest, ChangesAreReportedByControlName) {
    ASSERT_TRUE(window.TypeText("txtAZMAX", "400").Ok);
    EXPECT_NE(std::find(changed.begin(), changed.end(), "txtAZMAX"), changed.end());
    changed.clear();
    window.lblTextEditor_Click();
    EXPECT_EQ(changed,
              (std::vector<std::string>{"lblTextEditor", "txtTextEditor", "txtAdobeReader"}));
    changed.clear();
    ASSERT_TRUE(window.TypeText("txtNoise", "").Ok);
    EXPECT_TRUE(changed.empty()) << "nothing changed, nothing reported";
}

TEST_F(WindowTest, InputsCarryTheControlsAsShown) {
    Set("cboOperation", "Real-Time");
    Set("txtCallsignDX", "W1ABC");
    Set("cboLatDirDX", "S");
    Set("chkDisplayHome", "0");
    Set("cboCelestial", "(Other)");
    Set("txtEnterObject", "M31");
    Set("txtGMTMIN", "1800");
    Set("txtMaxDegradation", "3");
    Set("txtLonDegHome", "10");
    const WindowInputs in = window.Inputs();
    EXPECT_EQ(in.OperationIndex, 1);
    EXPECT_EQ(in.DX.Callsign, "W1ABC");
    EXPECT_EQ(in.DX.LatDir, "S");
    EXPECT_FALSE(in.Home.DisplayChecked);
    EXPECT_TRUE(in.DX.DisplayChecked);
    EXPECT_EQ(in.CelestialIndex, 8);
    EXPECT_EQ(in.CelestialText, "(Other)");
    EXPECT_EQ(in.EnterObject, "M31");
    EXPECT_EQ(in.GmtMin, "1800");
    EXPECT_EQ(in.MaxDegradation, "3");
    EXPECT_EQ(in.Home.LonDeg, "10");
    EXPECT_EQ(in.DX.LonDeg, "000");
    EXPECT_EQ(in.Band, "50");
    EXPECT_EQ(in.Region, "");
    EXPECT_EQ(in.MonthStartIndex, -1);
    EXPECT_EQ(in.AzMax, "360");
}

}  // namespace
}  // namespace velmorant
