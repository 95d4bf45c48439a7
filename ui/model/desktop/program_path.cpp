// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/desktop/program_path.h"

#include <cstdlib>

namespace velmorant {

namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

// One reference found at the start of a text: how many characters it covers and its name.
struct Reference {
    std::size_t Length = 0;  // 0: no reference starts here
    std::string_view Name;
};

Reference PercentReference(std::string_view text) {
    const std::size_t close = text.find('%', 1);
    if (close == std::string_view::npos || close == 1) {
        return {};
    }
    return {close + 1, text.substr(1, close - 1)};
}

Reference DollarReference(std::string_view text) {
    if (text.size() > 1 && text[1] == '{') {
        const std::size_t close = text.find('}', 2);
        if (close == std::string_view::npos || close == 2) {
            return {};
        }
        return {close + 1, text.substr(2, close - 2)};
    }
    if (text.size() < 2 || !IsNameStart(text[1])) {
        return {};
    }
    std::size_t end = 2;
    while (end < text.size() && IsNameChar(text[end])) {
        ++end;
    }
    return {end, text.substr(1, end - 1)};
}

}  // namespace

std::string ExpandEnvironment(std::string_view path, const EnvironmentLookup& lookup) {
    std::string expanded;
    expanded.reserve(path.size());
    std::size_t at = 0;
    while (at < path.size()) {
        const char c = path[at];
        Reference reference;
        if (c == '%') {
            reference = PercentReference(path.substr(at));
        } else if (c == '$') {
            reference = DollarReference(path.substr(at));
        }
        std::optional<std::string> value;
        if (reference.Length > 0 && lookup) {
            value = lookup(reference.Name);
        }
        if (value) {
            expanded += *value;
            at += reference.Length;
        } else {
            // An unknown %A% keeps its closing "%" free to open the next reference, as the
            // Windows shell reads "%A%B%"; the other characters are copied one by one.
            expanded += c;
            ++at;
        }
    }
    return expanded;
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace velmorant
