// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard automation of the station boxes: lookup and calculation by ESC, browsing with
// the brackets, the case of typed letters and the length limits.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace velmorant::testing_support {
namespace {

using KeyHandler = void (MainWindowModel::*)(int&);

constexpr int kBackspace = 8;
constexpr int kAppended = 10;
constexpr int kEsc = 27;
constexpr int kEAcute = 0xE9;  // é
const std::string kCapitalEAcute = "\xC3\x89";

// One station's boxes and handlers.
struct Station {
    const char* Name;
    KeyHandler CallsignKey;
    KeyHandler LocatorKey;
    TextBox MainWindowModel::*Callsign;
    TextBox MainWindowModel::*Locator;
    TextBox MainWindowModel::*LatDeg;
};

const Station kStations[] = {
    {"txtCallsignHome", &MainWindowModel::txtCallsignHome_KeyPress,
     &MainWindowModel::txtLocatorHome_KeyPress, &MainWindowModel::txtCallsignHome,
     &MainWindowModel::txtLocatorHome, &MainWindowModel::txtLatDegHome},
    {"txtCallsignDX", &MainWindowModel::txtCallsignDX_KeyPress,
     &MainWindowModel::txtLocatorDX_KeyPress, &MainWindowModel::txtCallsignDX,
     &MainWindowModel::txtLocatorDX, &MainWindowModel::txtLatDegDX},
};

class KeysTest : public WindowTest {
  protected:
    KeysTest() {
        list.text = kList;
        window.Stations.List = &list;
        window.Hooks.MoveFocus = [this](std::string_view name) { focus.emplace_back(name); };
        window.PutComboText(window.cboEsc, "Y");
    }

    // The key as the box receives it after the handler.
    int Press(KeyHandler handler, int key) {
        (window.*handler)(key);
        return key;
    }

    // Each character typed in turn; the keys the box receives.
    std::vector<int> Type(KeyHandler handler, std::string_view keys) {
        std::vector<int> passed;
        for (const char c : keys) {
            passed.push_back(Press(handler, static_cast<unsigned char>(c)));
        }
        return passed;
    }

    TextBox& Box(TextBox MainWindowModel::*member) { return window.*member; }

    FakeStorage list;
    std::vector<std::string> focus;
};

TEST_F(KeysTest, WithoutYEveryKeyReachesTheBoxUnchanged) {
    for (const char* setting : {"N", "", "y", "Y ", "YES"}) {
        for (const Station& station : kStations) {
            window.PutComboText(window.cboEsc, setting);
            window.PutText(Box(station.Callsign), "ABCDEFGHIJKL");
            window.PutText(Box(station.Locator), "jn58td");
            window.PutText(window.txtDateCalc, "Exact Match Found - Record # 18");
            window.PutText(window.txtSearch, "x");
            for (const int key : {kEsc, int{'['}, int{']'}, kBackspace, int{'a'}, kEAcute}) {
                EXPECT_EQ(Press(station.CallsignKey, key), key) << setting << " " << key;
                EXPECT_EQ(Press(station.LocatorKey, key), key) << setting << " " << key;
            }
            EXPECT_EQ(Box(station.Callsign).Text, "ABCDEFGHIJKL");
            EXPECT_EQ(Box(station.Locator).Text, "jn58td");
            EXPECT_EQ(Box(station.LatDeg).Text, "00") << "no calculation";
            EXPECT_EQ(window.txtSearch.Text, "x");
        }
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(focus.empty());
}

struct CallsignCase {
    const char* Before;
    int Key;
    int Passed;  // the key the box receives
    std::string After;
};

TEST_F(KeysTest, CallsignKeysAreAppendedInCapitalsOrPassedOrDiscarded) {
    const CallsignCase cases[] = {
        {"dl", 'a', kAppended, "dlA"},
        {"DL1", '5', kAppended, "DL15"},
        {"DL", '/', kAppended, "DL/"},
        {"DL", '*', kAppended, "DL*"},
        {"DL", '`', kAppended, "DL`"},  // the last code kept as it is
        {"DL", '_', kAppended, "DL_"},
        {"DL", '~', kAppended, "^"},  // above 'z': the box is emptied first
        {"DL", ' ', ' ', "DL"},       // left to the box, inserted at the caret
        {"DL", '-', '-', "DL"},
        {"DL", '.', '.', "DL"},
        {"DL1ABC", kBackspace, kBackspace, ""},
        {"DL1ABC", '[', 0, "DL1ABC"},  // no lookup yet: nothing to browse
        {"DL1ABC", ']', 0, "DL1ABC"},
        {"ABCDEFGHIJKL", 'M', 0, "ABCDEFGHIJKL"},
        {"ABCDEFGHIJKL", ' ', 0, "ABCDEFGHIJKL"},
        {"ABCDEFGHIJKL", kEsc, 0, "ABCDEFGHIJKL"},  // no lookup either
        {"ABCDEFGHIJKL", kBackspace, kBackspace, ""},
        {"\xC3\x89"
         "BCDEFGHIJK",
         'm', kAppended,
         "\xC3\x89"
         "BCDEFGHIJKM"},  // 11 characters in 12 bytes
        {"DL1ABC", kEAcute, kAppended, kCapitalEAcute},
        {"ABCDEFGHIJKL", kEAcute, kAppended, kCapitalEAcute},
        {"DL", 0x20AC, kAppended, "\xE2\x82\x8C"},       // U+208C, three bytes
        {"DL", 0x1F600, kAppended, "\xF0\x9F\x97\xA0"},  // U+1F5E0, four bytes
        {"DL", 0xE000, kAppended, "\xEF\xBF\xBD"},       // a surrogate: the replacement
    };
    for (const Station& station : kStations) {
        for (const CallsignCase& c : cases) {
            focus.clear();
            window.PutText(Box(station.Callsign), c.Before);
            window.PutText(window.txtSearch, "x");
            EXPECT_EQ(Press(station.CallsignKey, c.Key), c.Passed) << c.Before << " " << c.Key;
            EXPECT_EQ(Box(station.Callsign).Text, c.After) << c.Before << " " << c.Key;
            EXPECT_EQ(window.txtSearch.Text, "");
            EXPECT_EQ(focus, std::vector<std::string>{station.Name});
        }
    }
    EXPECT_TRUE(messages.shown.empty()) << "no key looked anything up";
}

TEST_F(KeysTest, EscLooksTheCallsignUp) {
    for (const Station& station : kStations) {
        window.PutText(Box(station.Callsign), "");
        EXPECT_EQ(Type(station.CallsignKey, "dl1abc"), std::vector<int>(6, kAppended));
        EXPECT_EQ(Press(station.CallsignKey, kEsc), kEsc);
        EXPECT_EQ(Box(station.Callsign).Text, "DL1ABC");
        EXPECT_EQ(Box(station.Locator).Text, "JN58td");
        EXPECT_EQ(Box(station.LatDeg).Text, "48");
        EXPECT_EQ(window.txtDateCalc.Text, "Exact Match Found - Record # 18");
        EXPECT_EQ(focus.back(), station.Name);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KeysTest, BracketsBrowseAfterAnExactLookup) {
    struct Step {
        int Key;
        const char* Callsign;
        const char* Status;
    };
    const Step steps[] = {
        {kEsc, "G4XYZ", "Exact Match Found - Record # 19"},
        {']', "K1ABC", "Exact Browsed Callsign is at Record # 20"},
        {']', "W1XYZ", "Exact Browsed Callsign is at Record # 21"},
        {'[', "K1ABC", "Exact Browsed Callsign is at Record # 20"},
    };
    for (const Station& station : kStations) {
        window.PutText(Box(station.Callsign), "G4XYZ");
        for (const Step& step : steps) {
            EXPECT_EQ(Press(station.CallsignKey, step.Key), step.Key == kEsc ? kEsc : 0);
            EXPECT_EQ(Box(station.Callsign).Text, step.Callsign);
            EXPECT_EQ(window.txtDateCalc.Text, step.Status);
            EXPECT_EQ(window.txtSearch.Text, "") << "the browse request is used up";
            EXPECT_EQ(focus.back(), station.Name);
        }
        EXPECT_EQ(Box(station.Locator).Text, "FN42mm");
    }
    EXPECT_TRUE(messages.shown.empty());

    // A status that is not an exact find does not browse.
    window.PutText(window.txtDateCalc, "Searching");
    EXPECT_EQ(Press(&MainWindowModel::txtCallsignHome_KeyPress, ']'), 0);
    EXPECT_EQ(window.txtCallsignHome.Text, "K1ABC");
    EXPECT_EQ(window.txtDateCalc.Text, "Searching");
}

TEST_F(KeysTest, TypingALocatorGivesFieldCapitalsAndSubsquareLowerCase) {
    for (const Station& station : kStations) {
        EXPECT_EQ(Type(station.LocatorKey, "jn58td"), std::vector<int>(6, kAppended));
        EXPECT_EQ(Box(station.Locator).Text, "JN58td");
        window.PutText(Box(station.Locator), "");
        EXPECT_EQ(Type(station.LocatorKey, "JN58TDx"),
                  (std::vector<int>{kAppended, kAppended, kAppended, kAppended, kAppended,
                                    kAppended, 0}));
        EXPECT_EQ(Box(station.Locator).Text, "JN58td");
    }
    EXPECT_TRUE(focus.empty()) << "the locator boxes keep the focus where it is";
}

struct LocatorCase {
    const char* Before;
    int Key;
    int Passed;
    std::string After;
};

TEST_F(KeysTest, LocatorKeysFollowTheCaseOfTheirPlace) {
    const LocatorCase cases[] = {
        {"JN5", 'T', kAppended, "JN5T"},  // a capital stays capital before the subsquare
        {"JN58", 'T', kAppended, "JN58t"},
        {"JN58", 't', kAppended, "JN58t"},
        {"JN", '5', kAppended, "JN5"},
        {"JN", '.', kAppended, "JN."},
        {"JN", ' ', ' ', "JN"},
        {"JN", '-', '-', "JN"},
        {"JN58td", 'x', 0, "JN58td"},
        {"JN58td", kBackspace, kBackspace, ""},
        {"JN58td", kEAcute, kAppended, kCapitalEAcute},
    };
    for (const Station& station : kStations) {
        for (const LocatorCase& c : cases) {
            window.PutText(Box(station.Locator), c.Before);
            EXPECT_EQ(Press(station.LocatorKey, c.Key), c.Passed) << c.Before << " " << c.Key;
            EXPECT_EQ(Box(station.Locator).Text, c.After) << c.Before << " " << c.Key;
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KeysTest, EscInALocatorBoxCalculatesEvenWhenItIsFull) {
    struct Case {
        const char* Before;
        int Passed;
        const char* After;
        const char* LatDeg;
    };
    const Case cases[] = {
        {"JN58td", 0, "JN58td", "48"},
        {"fn42", 0, "FN42mm", "42"},  // completed to six characters, so ESC is discarded
    };
    for (const Station& station : kStations) {
        for (const Case& c : cases) {
            window.PutText(Box(station.Locator), c.Before);
            EXPECT_EQ(Press(station.LocatorKey, kEsc), c.Passed) << c.Before;
            EXPECT_EQ(Box(station.Locator).Text, c.After);
            EXPECT_EQ(Box(station.LatDeg).Text, c.LatDeg);
        }
    }
    EXPECT_TRUE(messages.shown.empty());

    // A refused locator stays short, so ESC reaches the box.
    window.PutText(window.txtLocatorHome, "JN5");
    EXPECT_EQ(Press(&MainWindowModel::txtLocatorHome_KeyPress, kEsc), kEsc);
    EXPECT_EQ(window.txtLocatorHome.Text, "JN5");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Title, "Input Required");
}

TEST_F(KeysTest, EveryChangeIsReportedToTheView) {
    changed.clear();
    Type(&MainWindowModel::txtLocatorDX_KeyPress, "io");
    Press(&MainWindowModel::txtCallsignHome_KeyPress, 'k');
    EXPECT_EQ(changed,
              (std::vector<std::string>{"txtLocatorDX", "txtLocatorDX", "txtCallsignHome"}));
}

}  // namespace
}  // namespace velmorant::testing_support
