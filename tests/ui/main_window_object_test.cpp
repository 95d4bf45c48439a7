#include <gtest/gtest.h>

#include "ui/model/main_window_model.h"
#include "ui/model/object_presets.h"
#include "window_fixture.h"

namespace velmorant {
namespace {

using testing_support::WindowTest;

struct FixedObject {
    const char* item;
    const char* hours;
    const char* minutes;
    const char* declination;
};

class FixedObjects : public WindowTest, public ::testing::WithParamInterface<FixedObject> {};

TEST_P(FixedObjects, FillAndShowTheCoordinateBoxes) {
    window.txtCelestialRAhours.text = "old";
    ASSERT_TRUE(window.ApplySetting("cboCelestial", GetParam().item).ok);
    EXPECT_EQ(window.txtCelestialRAhours.text, GetParam().hours);
    EXPECT_EQ(window.txtCelestialRAminutes.text, GetParam().minutes);
    EXPECT_EQ(window.txtCelestialDec.text, GetParam().declination);
    for (const bool visible :
         {window.txtCelestialRAhours.visible, window.txtCelestialRAminutes.visible,
          window.txtCelestialDec.visible, window.lblObjectRA.visible, window.lblObjectHours.visible,
          window.lblObjectMin.visible, window.lblObjectDeclination.visible,
          window.lblObjectDegrees.visible}) {
        EXPECT_TRUE(visible);
    }
    EXPECT_FALSE(window.txtEnterObject.visible);
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
    EXPECT_EQ(FindObjectPreset("(Other)")->kind, ObjectKind::Custom);
    EXPECT_EQ(FindObjectPreset("Sun")->kind, ObjectKind::Computed);
}

TEST_F(WindowTest, TheSunHidesTheBoxesButKeepsTheirTexts) {
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 5).ok);  // Taurus A
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 1).ok);  // Sun
    EXPECT_FALSE(window.txtCelestialRAhours.visible);
    EXPECT_FALSE(window.lblObjectDegrees.visible);
    EXPECT_EQ(window.txtCelestialRAhours.text, "5");
    EXPECT_EQ(window.txtCelestialRAminutes.text, "32");
    EXPECT_EQ(window.txtCelestialDec.text, "+22");
}

TEST_F(WindowTest, OtherShowsTheSavedNameOrThePrompt) {
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 3).ok);
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).ok);
    EXPECT_TRUE(window.txtEnterObject.visible);
    EXPECT_EQ(window.txtEnterObject.text, "(Enter Name Here)");
    EXPECT_EQ(window.txtCelestialRAhours.text, "");
    EXPECT_EQ(window.txtCelestialDec.text, "");
    EXPECT_TRUE(window.txtCelestialDec.visible);

    window.SavedObjectName = "M87";
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).ok);
    EXPECT_EQ(window.txtEnterObject.text, "M87");
}

TEST_F(WindowTest, TheSavedNameSurvivesTyping) {
    window.SavedObjectName = "M87";
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).ok);
    ASSERT_TRUE(window.TypeText("txtEnterObject", "Virgo A").ok);
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 0).ok);
    EXPECT_FALSE(window.txtEnterObject.visible);
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 8).ok);
    EXPECT_EQ(window.txtEnterObject.text, "M87");
    EXPECT_EQ(window.SavedObjectName, "M87");
}

TEST_F(WindowTest, ChoosingAnObjectStopsARun) {
    PretendRunning();
    ASSERT_TRUE(window.ChooseItem("cboCelestial", 0).ok);
    EXPECT_FALSE(window.RunInProgress());
    EXPECT_FALSE(window.RealTimeMode);
    EXPECT_EQ(window.cmdRUN.caption, "RUN");
    EXPECT_EQ(runStops, 1);
}

TEST_F(WindowTest, RealTimeWithoutAnObjectAsksForOne) {
    StartWith(testing_support::kInitialFile);
    ASSERT_EQ(window.cboCelestial.selectedIndex, -1);
    Set("cboOperation", "Real-Time");
    Set("txtNoise", "50");
    window.cmdRUN_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Input Required");
    EXPECT_EQ(messages.shown[0].text,
              "Please select a Celestial Object for Tracking from the Object list.");
    EXPECT_FALSE(window.RunInProgress());
    EXPECT_EQ(window.cmdRUN.caption, "RUN");
}

TEST_F(WindowTest, ATypedObjectNameRunsNoHandler) {
    ASSERT_TRUE(window.ApplySetting("cboCelestial", "cassiopeia a").ok);
    EXPECT_EQ(window.cboCelestial.selectedIndex, -1);
    EXPECT_FALSE(window.txtCelestialRAhours.visible);
    EXPECT_EQ(mapClears, 0);
}

}  // namespace
}  // namespace velmorant
