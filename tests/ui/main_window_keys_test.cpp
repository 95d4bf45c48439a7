// The keyboard automation of the station boxes: lookup and calculation by ESC, browsing with
// the brackets, the case of typed letters and the length limits.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window_fixture.h"

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
    const char* name;
    KeyHandler callsignKey;
    KeyHandler locatorKey;
    TextBox MainWindowModel::*callsign;
    TextBox MainWindowModel::*locator;
    TextBox MainWindowModel::*latDeg;
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
            window.PutText(Box(station.callsign), "ABCDEFGHIJKL");
            window.PutText(Box(station.locator), "jn58td");
            window.PutText(window.txtDateCalc, "Exact Match Found - Record # 18");
            window.PutText(window.txtSearch, "x");
            for (const int key : {kEsc, int{'['}, int{']'}, kBackspace, int{'a'}, kEAcute}) {
                EXPECT_EQ(Press(station.callsignKey, key), key) << setting << " " << key;
                EXPECT_EQ(Press(station.locatorKey, key), key) << setting << " " << key;
            }
            EXPECT_EQ(Box(station.callsign).text, "ABCDEFGHIJKL");
            EXPECT_EQ(Box(station.locator).text, "jn58td");
            EXPECT_EQ(Box(station.latDeg).text, "00") << "no calculation";
            EXPECT_EQ(window.txtSearch.text, "x");
        }
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(focus.empty());
}

struct CallsignCase {
    const char* before;
    int key;
    int passed;  // the key the box receives
    std::string after;
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
            window.PutText(Box(station.callsign), c.before);
            window.PutText(window.txtSearch, "x");
            EXPECT_EQ(Press(station.callsignKey, c.key), c.passed) << c.before << " " << c.key;
            EXPECT_EQ(Box(station.callsign).text, c.after) << c.before << " " << c.key;
            EXPECT_EQ(window.txtSearch.text, "");
            EXPECT_EQ(focus, std::vector<std::string>{station.name});
        }
    }
    EXPECT_TRUE(messages.shown.empty()) << "no key looked anything up";
}

TEST_F(KeysTest, EscLooksTheCallsignUp) {
    for (const Station& station : kStations) {
        window.PutText(Box(station.callsign), "");
        EXPECT_EQ(Type(station.callsignKey, "dl1abc"), std::vector<int>(6, kAppended));
        EXPECT_EQ(Press(station.callsignKey, kEsc), kEsc);
        EXPECT_EQ(Box(station.callsign).text, "DL1ABC");
        EXPECT_EQ(Box(station.locator).text, "JN58td");
        EXPECT_EQ(Box(station.latDeg).text, "48");
        EXPECT_EQ(window.txtDateCalc.text, "Exact Match Found - Record # 18");
        EXPECT_EQ(focus.back(), station.name);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KeysTest, BracketsBrowseAfterAnExactLookup) {
    struct Step {
        int key;
        const char* callsign;
        const char* status;
    };
    const Step steps[] = {
        {kEsc, "G4XYZ", "Exact Match Found - Record # 19"},
        {']', "K1ABC", "Exact Browsed Callsign is at Record # 20"},
        {']', "W1XYZ", "Exact Browsed Callsign is at Record # 21"},
        {'[', "K1ABC", "Exact Browsed Callsign is at Record # 20"},
    };
    for (const Station& station : kStations) {
        window.PutText(Box(station.callsign), "G4XYZ");
        for (const Step& step : steps) {
            EXPECT_EQ(Press(station.callsignKey, step.key), step.key == kEsc ? kEsc : 0);
            EXPECT_EQ(Box(station.callsign).text, step.callsign);
            EXPECT_EQ(window.txtDateCalc.text, step.status);
            EXPECT_EQ(window.txtSearch.text, "") << "the browse request is used up";
            EXPECT_EQ(focus.back(), station.name);
        }
        EXPECT_EQ(Box(station.locator).text, "FN42mm");
    }
    EXPECT_TRUE(messages.shown.empty());

    // A status that is not an exact find does not browse.
    window.PutText(window.txtDateCalc, "Searching");
    EXPECT_EQ(Press(&MainWindowModel::txtCallsignHome_KeyPress, ']'), 0);
    EXPECT_EQ(window.txtCallsignHome.text, "K1ABC");
    EXPECT_EQ(window.txtDateCalc.text, "Searching");
}

TEST_F(KeysTest, TypingALocatorGivesFieldCapitalsAndSubsquareLowerCase) {
    for (const Station& station : kStations) {
        EXPECT_EQ(Type(station.locatorKey, "jn58td"), std::vector<int>(6, kAppended));
        EXPECT_EQ(Box(station.locator).text, "JN58td");
        window.PutText(Box(station.locator), "");
        EXPECT_EQ(Type(station.locatorKey, "JN58TDx"),
                  (std::vector<int>{kAppended, kAppended, kAppended, kAppended, kAppended,
                                    kAppended, 0}));
        EXPECT_EQ(Box(station.locator).text, "JN58td");
    }
    EXPECT_TRUE(focus.empty()) << "the locator boxes keep the focus where it is";
}

struct LocatorCase {
    const char* before;
    int key;
    int passed;
    std::string after;
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
            window.PutText(Box(station.locator), c.before);
            EXPECT_EQ(Press(station.locatorKey, c.key), c.passed) << c.before << " " << c.key;
            EXPECT_EQ(Box(station.locator).text, c.after) << c.before << " " << c.key;
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KeysTest, EscInALocatorBoxCalculatesEvenWhenItIsFull) {
    struct Case {
        const char* before;
        int passed;
        const char* after;
        const char* latDeg;
    };
    const Case cases[] = {
        {"JN58td", 0, "JN58td", "48"},
        {"fn42", 0, "FN42mm", "42"},  // completed to six characters, so ESC is discarded
    };
    for (const Station& station : kStations) {
        for (const Case& c : cases) {
            window.PutText(Box(station.locator), c.before);
            EXPECT_EQ(Press(station.locatorKey, kEsc), c.passed) << c.before;
            EXPECT_EQ(Box(station.locator).text, c.after);
            EXPECT_EQ(Box(station.latDeg).text, c.latDeg);
        }
    }
    EXPECT_TRUE(messages.shown.empty());

    // A refused locator stays short, so ESC reaches the box.
    window.PutText(window.txtLocatorHome, "JN5");
    EXPECT_EQ(Press(&MainWindowModel::txtLocatorHome_KeyPress, kEsc), kEsc);
    EXPECT_EQ(window.txtLocatorHome.text, "JN5");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Input Required");
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
