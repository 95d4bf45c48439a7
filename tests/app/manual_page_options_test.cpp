// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page names every command and every option of the program's tables, so that a new
// option cannot be left out of it.

#include <string>

#include <gtest/gtest.h>

#include "app/command_options.h"
#include "tests/app/command_fixture.h"

namespace {

// An option as roff writes it: each dash escaped ("\-\-max\-spread").
std::string Escaped(std::string_view option) {
    std::string escaped;
    for (const char c : option) {
        escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return escaped;
}

TEST(ManualPage, NamesEveryCommandAndOption) {
    const std::string page = velmorant::testing_support::ReadWhole(VELMORANT_MANUAL_PAGE);
    ASSERT_FALSE(page.empty());
    for (const velmorant::CommandOptions& command : velmorant::HeadlessCommands()) {
        const std::string name(command.Command);
        EXPECT_NE(page.find(".B " + name + "\n"), std::string::npos) << name;
        for (const velmorant::OptionEntry& option : command.Options) {
            EXPECT_NE(page.find(Escaped(option.Name)), std::string::npos)
                << name << " " << option.Name;
        }
    }
}

}  // namespace
