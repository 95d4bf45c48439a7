// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/desktop/program_path.h"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

std::optional<std::string> FakeEnvironment(std::string_view name) {
    static const std::map<std::string, std::string, std::less<>> variables = {
        {"Systemroot", "C:\\Windows"},
        {"HOME", "/home/op"},
        {"EDITOR_DIR", "/opt/edit"},
        {"EMPTY", ""},
        {"A_1", "x"},
        {"PROGRAMFILES(X86)", "C:\\Program Files (x86)"},
        {"DOLLAR", "$HOME"},
    };
    const auto found = variables.find(name);
    if (found == variables.end()) {
        return std::nullopt;
    }
    return found->second;
}

struct Case {
    std::string Path;
    std::string Expanded;
};

TEST(ExpandEnvironment, ReplacesKnownNamesAndKeepsTheRest) {
    const std::vector<Case> cases = {
        {"", ""},
        {"/usr/bin/gedit", "/usr/bin/gedit"},
        // The window's Windows defaults: one known reference, one path with blanks.
        {"%Systemroot%\\notepad.exe", "C:\\Windows\\notepad.exe"},
        {"C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe",
         "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe"},
        {"%PROGRAMFILES(X86)%\\ed.exe", "C:\\Program Files (x86)\\ed.exe"},
        {"$HOME/bin/ed", "/home/op/bin/ed"},
        {"${HOME}/bin/ed", "/home/op/bin/ed"},
        {"${EDITOR_DIR}bin", "/opt/editbin"},
        {"$EDITOR_DIR/ed $HOME", "/opt/edit/ed /home/op"},
        // A name runs as long as letters, digits and underscores follow.
        {"$A_1-$A_1.x", "x-x.x"},
        {"$A_12", "$A_12"},
        {"$HOME.d", "/home/op.d"},
        // A variable set to nothing is known.
        {"a%EMPTY%b$EMPTY${EMPTY}c", "abc"},
        // Unknown names stand as they are.
        {"%windir%\\notepad.exe", "%windir%\\notepad.exe"},
        {"$NOPE/ed", "$NOPE/ed"},
        {"${NOPE}/ed", "${NOPE}/ed"},
        // Lone or unfinished markers are ordinary characters.
        {"100%", "100%"},
        {"%%", "%%"},
        {"%HOME", "%HOME"},
        {"$", "$"},
        {"$1/$/$-", "$1/$/$-"},
        {"${}", "${}"},
        {"${HOME", "${HOME"},
        // An unknown %NAME% leaves its closing mark to the next reference.
        {"%NOPE%HOME%", "%NOPE/home/op"},
        // A value is not expanded again.
        {"%DOLLAR%", "$HOME"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandEnvironment(c.Path, FakeEnvironment), c.Expanded) << c.Path;
    }
}

TEST(ExpandEnvironment, WithoutALookupNothingIsKnown) {
    EXPECT_EQ(ExpandEnvironment("%HOME%/$HOME", EnvironmentLookup()), "%HOME%/$HOME");
}

TEST(ProcessEnvironment, ReadsThisProcess) {
    const char* path = std::getenv("PATH");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(ProcessEnvironment("PATH"), std::string(path));
    EXPECT_EQ(ExpandEnvironment("${PATH}", ProcessEnvironment), std::string(path));
    EXPECT_EQ(ProcessEnvironment("VELMORANT_NEVER_SET_4711"), std::nullopt);
    EXPECT_EQ(ExpandEnvironment("$VELMORANT_NEVER_SET_4711/ed", ProcessEnvironment),
              "$VELMORANT_NEVER_SET_4711/ed");
}

}  // namespace
}  // namespace velmorant
