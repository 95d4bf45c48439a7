// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/main_window/object_presets.h"

namespace velmorant {
namespace {

using testing_support::WindowTest;

struct FixedObject {
    const char* Item;
    const char* Hours;
    const char* Minutes;
    const char* Declination;
};

class FixedObjects : public WindowTest, public ::testing::WithParamInterface<FixedObject> {};

TEST_P(FixedObjects, FillAndShowTheCoordinateBoxes) {
    window.txtCelestialRAhours.Text = "old";
    ASSERT_TRUE(window.ApplySetting("cboCelestial", GetParam().Item).Ok);
    EXPECT_EQ(window.txtCelestialRAhours.Text, GetParam().Hours);
    EXPECT_EQ(window.txtCelestialRAminutes.Text, GetParam().Minutes);
    EXPECT_EQ(window.txtCelestialDec.Text, GetParam().Declination);
    for (const bool visible :
         {window.txtCelestialRAhours.Visible, window.txtCelestialRAminutes.Visible,
          window.txtCelestialDec.Visible, window.lblObjectRA.Visible, window.lblObjectHours.Visible,
          window.lblObjectMin.Visible, window.lblObjectDeclination.Visible,
          window.lblObjectDegrees.Visible}) {
        EXPECT_TRUE(visible);
    }
    EXPECT_FALSE(window.txtEnterObject.Visible);
    EXPECT_EQ(mapClears, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, FixedObjects,
                         ::testing::Values(FixedObject{"Cassiopeia A", "23", "21", "+58.6"},
                                           FixedObject{"Cygnus A", "19", "58", "+40.6"},
                                           FixedObject{"Sagittarius", "17", "46", "-29"},
                                           FixedObject{"Taurus A", "5", "32", "+22"},
                                           FixedObject{"Cold Sky North", "9", "30", "+40"},
                                           FixedObject{"Cold Sky South", "5", "30", "-40"}));

TEST(ObjectPresets, AreFoundByTheirExactText) {
    EXPECT_NE(FindObjectPreset("Taurus A"), nullptr);
    EXPECT_EQ(FindObjectPreset("taurus a"), nullptr);
    EXPECT_EQ(FindObjectPreset("Taurus A "), nullptr);
    EXPECT_EQ(FindObjectPreset("(Other)")->Kind, ObjectKind::Custom);
    EXPECT_EQ(FindObjectPreset("Sun")->Kind, ObjectKind::Computed);
}

TEST_F(WindowTest, TheSunHidesTheBoxesButKeepsTheirTexts) {
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 5).Ok);  // Taurus A
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 1).Ok);  // Sun
    EXPECT_FALSE(window.txtCelestialRAhours.Visible);
    EXPECT_FALSE(window.lblObjectDegrees.Visible);
    EXPECT_EQ(window.txtCelestialRAhours.Text, "5");
    EXPECT_EQ(window.txtCelestialRAminutes.Text, "32");
    EXPECT_EQ(window.txtCelestialDec.Text, "+22");
}

TEST_F(WindowTest, OtherShowsTheSavedNameOrThePrompt) {
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 3).Ok);
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).Ok);
    EXPECT_TRUE(window.txtEnterObject.Visible);
    EXPECT_EQ(window.txtEnterObject.Text, "(Enter Name Here)");
    EXPECT_EQ(window.txtCelestialRAhours.Text, "");
    EXPECT_EQ(window.txtCelestialDec.Text, "");
    EXPECT_TRUE(window.txtCelestialDec.Visible);

    window.SavedObjectName = "M87";
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).Ok);
    EXPECT_EQ(window.txtEnterObject.Text, "M87");
}

TEST_F(WindowTest, TheSavedNameSurvivesTyping) {
    window.SavedObjectName = "M87";
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).Ok);
    ASSERT_TRUE(window.TypeText("txtEnterObject", "Virgo A").Ok);
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 0).Ok);
    EXPECT_FALSE(window.txtEnterObject.Visible);
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).Ok);
    EXPECT_EQ(window.txtEnterObject.Text, "M87");
    EXPECT_EQ(window.SavedObjectName, "M87");
}

TEST_F(WindowTest, ChoosingAnObjectStopsARun) {
    PretendRunning();
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 0).Ok);
    EXPECT_FALSE(window.RunInProgress());
    EXPECT_FALSE(window.RealTimeMode);
    EXPECT_EQ(window.cmdRUN.Caption, "RUN");
    EXPECT_EQ(runStops, 1);
}

TEST_F(WindowTest, RealTimeWithoutAnObjectAsksForOne) {
    StartWith(testing_support::kInitialFile);
    ASSERT_EQ(window.cboCelestial.SelectedIndex, -1);
    Set("cboOperation", "Real-Time");
    Set("txtNoise", "50");
    window.cmdRUN_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Title, "Input Required");
    EXPECT_EQ(messages.shown[0].Text,
              "Please select a Celestial Object for Tracking from the Object list.");
    EXPECT_FALSE(window.RunInProgress());
    EXPECT_EQ(window.cmdRUN.Caption, "RUN");
}

TEST_F(WindowTest, ATypedObjectNameRunsNoHandler) {
    ASSERT_TRUE(window.ApplySetting("cboCelestial", "cassiopeia a").Ok);
    EXPECT_EQ(window.cboCelestial.SelectedIndex, -1);
    EXPECT_FALSE(window.txtCelestialRAhours.Visible);
    EXPECT_EQ(mapClears, 0);
}

}  // namespace
}  // namespace velmorant
