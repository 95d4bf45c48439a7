// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard automation of the station boxes: with cboEsc on "Y" the operator looks a
// callsign up, browses the station list and completes a locator without leaving the keyboard,
// and the boxes bring typed letters into the usual case. (The model checks cboEsc.)

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/utf8.h"
#include "ui/model/station_dialog/station_workflow.h"

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

}  // namespace

void StationWorkflow::CallsignKey(const StationRow& row, int& key) {
    MainWindowControls& w = window_.Controls;
    WindowWriter& writer = window_.Writer;
    TextBox& callsign = Box(row.Callsign);
    writer.PutText(w.txtSearch, "");
    // The brackets browse only right after a successful lookup, while the status line says so.
    if (StatusShowsFind() && (key == '[' || key == ']')) {
        writer.PutText(w.txtSearch, key == '[' ? "[[[[[" : "]]]]]");
        Lookup(row);
        key = kDiscarded;
    } else {
        if (key == '[' || key == ']') {
            key = kDiscarded;
        }
        // Backspace empties the box; the key itself then reaches the empty box.
        if (key == kBackspace || key > 'z') {
            writer.PutText(callsign, "");
        }
        // A full box takes nothing more, ESC included: the lookup is then up to the button.
        if (CharacterCount(callsign.Text) == kCallsignLimit) {
            key = kDiscarded;
        }
        // Letters and digits go to the end of the text, wherever the caret is; a blank or a
        // hyphen is left to the box and lands at the caret.
        if (key == '*' || key >= '/') {
            if (key > '`') {
                key -= 32;  // capitals
            }
            writer.PutText(callsign, WithCharacter(callsign.Text, key));
            key = kAlreadyAppended;
        }
        if (key == kEscape) {
            Lookup(row);
        }
    }
    if (window_.Hooks.MoveFocus) {
        window_.Hooks.MoveFocus(row.CallsignBox);
    }
}

void StationWorkflow::LocatorKey(const StationRow& row, int& key) {
    WindowWriter& writer = window_.Writer;
    TextBox& locator = Box(row.Locator);
    if (key == kBackspace || key > 'z') {
        writer.PutText(locator, "");
    }
    // ESC comes before the length limit, so a complete locator can still be calculated.
    if (key == kEscape) {
        CalculateLocator(row);
    }
    if (CharacterCount(locator.Text) == kLocatorLimit) {
        key = kDiscarded;
    }
    if (key > '-') {
        if (key > '9') {
            // Field and square in capitals, the subsquare in lower case: JN58td.
            const bool subsquare = CharacterCount(locator.Text) >= kLocatorSquareLength;
            if (!subsquare && key > '`') {
                key -= 32;
            } else if (subsquare && key < 'a') {
                key += 32;
            }
        }
        writer.PutText(locator, WithCharacter(locator.Text, key));
        key = kAlreadyAppended;
    }
}

}  // namespace velmorant
