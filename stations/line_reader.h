// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace velmorant {

// Hands out the lines of a text one after another, as views into it. A lookup usually stops
// long before the end of the station list, so the text is not split up front. A line ends at
// CR LF, at a lone CR or at a lone LF: the list may have been edited on any system. A text that
// ends with a line end has no empty line after it.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next line without its line end in `line`; false (and `line` untouched) when the text
    // is used up.
    bool Next(std::string_view& line) {
        if (position_ >= text_.size()) {
            return false;
        }
        std::size_t end = position_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') {
            ++end;
        }
        line = text_.substr(position_, end - position_);
        position_ = end + 1;
        if (end < text_.size() && text_[end] == '\r' && position_ < text_.size() &&
            text_[position_] == '\n') {
            ++position_;
        }
        return true;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace velmorant
