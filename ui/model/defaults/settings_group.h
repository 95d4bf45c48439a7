// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading one group of VELMORANT.INI ([Rotator], [Radio]) key by key: a missing key keeps its
// default silently, a value that does not read keeps it too, with one line for the operator that
// names the group, the key and what was there.

namespace velmorant {

class SettingsGroupReader {
  public:
    SettingsGroupReader(std::string_view group, const std::map<std::string, std::string>& values,
                        std::vector<std::string>& problems)
        : group_(group), values_(values), problems_(problems) {}

    // The value of `key`, or none when the key is absent.
    const std::string* Find(const char* key) const {
        const auto found = values_.find(key);
        return found == values_.end() ? nullptr : &found->second;
    }

    // "[Rotator] Port=abc: not a port from 1 to 65535; 4533 is used."
    void Problem(const char* key, const std::string& text, const std::string& wanted,
                 const std::string& used) {
        problems_.push_back("[" + std::string(group_) + "] " + std::string(key) + "=" + text +
                            ": not " + wanted + "; " + used + " is used.");
    }

    // Reads `key` into `field` with `parse` (text -> optional value), or notes the problem.
    template <typename T, typename Parse>
    void Read(const char* key, T& field, Parse parse, const std::string& wanted,
              const std::string& defaultText) {
        const std::string* text = Find(key);
        if (text == nullptr) {
            return;
        }
        if (const auto value = parse(*text)) {
            field = *value;
        } else {
            Problem(key, *text, wanted, defaultText);
        }
    }

  private:
    std::string_view group_;
    const std::map<std::string, std::string>& values_;
    std::vector<std::string>& problems_;
};

// The text without its leading and trailing blanks and tabs.
std::string_view TrimmedSetting(std::string_view text);

// "true"/"1" or "false"/"0".
std::optional<bool> SettingFlag(std::string_view text);

// A host name or address: not empty, no blanks.
std::optional<std::string> SettingHost(std::string_view text);

// A decimal number from low to high (the '.' point whatever the locale).
std::optional<double> SettingNumberWithin(std::string_view text, double low, double high);

// A whole number from low to high.
std::optional<int> SettingWholeNumberWithin(std::string_view text, int low, int high);

// The TCP and UDP ports a setting may name, and what a bad one is told to be.
inline constexpr int kLowestPort = 1;
inline constexpr int kHighestPort = 65535;
inline constexpr const char* kPortMeaning = "a port from 1 to 65535";

// A port: a whole number from 1 to 65535.
std::optional<int> SettingPort(std::string_view text);

}  // namespace velmorant
