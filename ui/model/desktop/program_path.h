// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Program paths as the operator types them into the window. The defaults carry Windows
// references such as %Systemroot%, and a Unix user writes $HOME; both are expanded before the
// path is used.

namespace velmorant {

// The value of an environment variable, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The path with every %NAME%, $NAME and ${NAME} replaced by the variable's value. A reference
// to a variable that is not set stays as it stands, and so does a lone "%" or "$". $NAME takes
// the longest run of letters, digits and underscores that does not start with a digit.
std::string ExpandEnvironment(std::string_view path, const EnvironmentLookup& lookup);

// The environment of this process, for ExpandEnvironment.
std::optional<std::string> ProcessEnvironment(std::string_view name);

}  // namespace velmorant
