// The keyboard automation of the station boxes: with cboEsc on "Y" the operator looks a
// callsign up, browses the station list and completes a locator without leaving the keyboard,
// and the boxes bring typed letters into the usual case.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/utf8.h"
#include "ui/model/main_window_model.h"

namespace velmorant {

namespace {

constexpr int kBackspace = 8;
// The key a single-line box does not insert: the handler has already put the character in.
constexpr int kAlreadyAppended = 10;
constexpr int kEscape = 27;
constexpr int kDiscarded = 0;

constexpr std::size_t kCallsignLimit = 12;
constexpr std::size_t kLocatorLimit = 6;
// Characters of the field and square; the subsquare letters follow.
constexpr std::size_t kLocatorSquareLength = 4;

// The text with one more character. A code that names no character (a surrogate, or beyond
// Unicode: the case shift can produce one from a private-use character) is appended as the
// replacement character, so the box always holds valid UTF-8.
std::string WithCharacter(std::string_view utf8Text, int key) {
    auto code = static_cast<std::uint32_t>(key);
    if (key < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    std::string text(utf8Text);
    AppendCodePoint(text, code);
    return text;
}

bool Active(const MainWindowModel& window) {
    return window.cboEsc.text == "Y";
}

using ButtonHandler = void (MainWindowModel::*)();

// One key in a callsign box; `lookup` is the station's lookup button.
void CallsignKey(MainWindowModel& window, TextBox& callsign, std::string_view boxName,
                 ButtonHandler lookup, int& key) {
    window.PutText(window.txtSearch, "");
    // The brackets browse only right after a successful lookup; the status line says so.
    const bool browsable = window.txtDateCalc.text.starts_with("Exact");
    if (browsable && (key == '[' || key == ']')) {
        window.PutText(window.txtSearch, key == '[' ? "[[[[[" : "]]]]]");
        (window.*lookup)();
        key = kDiscarded;
    } else {
        if (key == '[' || key == ']') {
            key = kDiscarded;
        }
        // Backspace empties the box; the key itself then reaches the empty box.
        if (key == kBackspace || key > 'z') {
            window.PutText(callsign, "");
        }
        // A full box takes nothing more, ESC included: the lookup is then up to the button.
        if (CharacterCount(callsign.text) == kCallsignLimit) {
            key = kDiscarded;
        }
        // Letters and digits go to the end of the text, wherever the caret is; a blank or a
        // hyphen is left to the box and lands at the caret.
        if (key == '*' || key >= '/') {
            if (key > '`') {
                key -= 32;  // capitals
            }
            window.PutText(callsign, WithCharacter(callsign.text, key));
            key = kAlreadyAppended;
        }
        if (key == kEscape) {
            (window.*lookup)();
        }
    }
    if (window.Hooks.MoveFocus) {
        window.Hooks.MoveFocus(boxName);
    }
}

// One key in a locator box; `calculate` is the station's calculation button.
void LocatorKey(MainWindowModel& window, TextBox& locator, ButtonHandler calculate, int& key) {
    if (key == kBackspace || key > 'z') {
        window.PutText(locator, "");
    }
    // ESC comes before the length limit, so a complete locator can still be calculated.
    if (key == kEscape) {
        (window.*calculate)();
    }
    if (CharacterCount(locator.text) == kLocatorLimit) {
        key = kDiscarded;
    }
    if (key > '-') {
        if (key > '9') {
            // Field and square in capitals, the subsquare in lower case: JN58td.
            const bool subsquare = CharacterCount(locator.text) >= kLocatorSquareLength;
            if (!subsquare && key > '`') {
                key -= 32;
            } else if (subsquare && key < 'a') {
                key += 32;
            }
        }
        window.PutText(locator, WithCharacter(locator.text, key));
        key = kAlreadyAppended;
    }
}

}  // namespace

void MainWindowModel::txtCallsignHome_KeyPress(int& key) {
    if (Active(*this)) {
        CallsignKey(*this, txtCallsignHome, "txtCallsignHome",
                    &MainWindowModel::cmdHomeLookup_Click, key);
    }
}

void MainWindowModel::txtCallsignDX_KeyPress(int& key) {
    if (Active(*this)) {
        CallsignKey(*this, txtCallsignDX, "txtCallsignDX", &MainWindowModel::cmdDXLookup_Click,
                    key);
    }
}

void MainWindowModel::txtLocatorHome_KeyPress(int& key) {
    if (Active(*this)) {
        LocatorKey(*this, txtLocatorHome, &MainWindowModel::cmdLocatorHomeCalc_Click, key);
    }
}

void MainWindowModel::txtLocatorDX_KeyPress(int& key) {
    if (Active(*this)) {
        LocatorKey(*this, txtLocatorDX, &MainWindowModel::cmdLocatorDXCalc_Click, key);
    }
}

}  // namespace velmorant
