// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/rows/data_rows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/common/utf8.h"

namespace velmorant {

namespace {

void AppendCsvText(std::string& line, std::string_view text) {
    // One look at each character (find_first_of searched the text once per special character).
    if (std::none_of(text.begin(), text.end(),
                     [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; })) {
        line += text;
        return;
    }
    line += '"';
    for (const char c : text) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

std::string CsvText(std::string_view text) {
    std::string quoted;
    AppendCsvText(quoted, text);
    return quoted;
}

void AppendJsonText(std::string& line, std::string_view text) {
    // JSON is UTF-8: 8-bit text from the station list is read as Latin-1, as the window reads it
    // (converted only when needed: the windows table writes a string per cell).
    std::string converted;
    if (!IsValidUtf8(text)) {
        converted = Utf8OfEightBitText(text);
        text = converted;
    }
    line += '"';
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            line += '\\';
            line += c;
        } else if (code < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", code);
            line += escape;
        } else {
            line += c;
        }
    }
    line += '"';
}

// The number in the shortest form that reads back as the same double, appended.
void AppendShortestNumber(std::string& line, double value) {
    char buffer[32];
    line.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Writes `value` (0 <= value < 10^digits) as `digits` digits, with leading zeros, ending at end.
void PutDigits(char* end, int value, int digits) {
    for (int i = 0; i < digits; ++i) {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

}  // namespace

// The machine-readable outputs write a date and a time on every row: digits are put by hand
// (snprintf was a tenth of a whole-list windows run).
std::string IsoDateText(int year, int month, int day) {
    if (year < 0 || year > 9999 || month < 0 || month > 99 || day < 0 || day > 99) {
        char text[48];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        return text;
    }
    char text[10] = {0, 0, 0, 0, '-', 0, 0, '-', 0, 0};
    PutDigits(text + 4, year, 4);
    PutDigits(text + 7, month, 2);
    PutDigits(text + 10, day, 2);
    return std::string(text, sizeof text);
}

std::string UtcClockText(float hhmm) {
    const int whole = static_cast<int>(std::lround(std::clamp(hhmm, 0.0f, 2400.0f)));
    char text[5] = {0, 0, ':', 0, 0};
    PutDigits(text + 2, whole / 100, 2);
    PutDigits(text + 5, whole % 100, 2);
    return std::string(text, sizeof text);
}

std::string JsonText(std::string_view text) {
    std::string quoted;
    AppendJsonText(quoted, text);
    return quoted;
}

std::string ShortestNumber(double value) {
    std::string text;
    AppendShortestNumber(text, value);
    return text;
}

DataRows::DataRows(ReportSink& sink, DataFormat format, std::vector<std::string> columns)
    : sink_(sink), format_(format), columns_(std::move(columns)) {
    if (format_ == DataFormat::Json) {
        for (const std::string& column : columns_) {
            jsonKeys_.push_back(JsonText(column) + ": ");
        }
    }
}

void DataRows::Begin() {
    if (begun_) {
        return;
    }
    begun_ = true;
    if (format_ == DataFormat::Json) {
        sink_.WriteLine("[");
        return;
    }
    std::string header;
    for (const std::string& column : columns_) {
        header += (header.empty() ? "" : ",") + CsvText(column);
    }
    sink_.WriteLine(header);
}

void DataRows::Write(const std::vector<DataValue>& row) {
    BeginRow();
    for (std::size_t i = 0; i < row.size() && i < columns_.size(); ++i) {
        if (const double* number = std::get_if<double>(&row[i])) {
            Number(*number);
        } else {
            Text(std::get<std::string>(row[i]));
        }
    }
    EndRow();
}

void DataRows::BeginRow() {
    Begin();
    // A line buffer kept from row to row: the rows are many and alike.
    line_.clear();
    if (format_ == DataFormat::Json) {
        line_ += '{';
    }
    field_ = 0;
}

void DataRows::NextField() {
    const bool json = format_ == DataFormat::Json;
    if (field_ > 0) {
        line_ += json ? ", " : ",";
    }
    if (json) {
        line_ += jsonKeys_[field_];
    }
    ++field_;
}

void DataRows::Text(std::string_view text) {
    if (field_ >= columns_.size()) {
        return;
    }
    NextField();
    if (format_ == DataFormat::Json) {
        AppendJsonText(line_, text);
    } else {
        AppendCsvText(line_, text);
    }
}

void DataRows::Number(double value) {
    if (field_ >= columns_.size()) {
        return;
    }
    NextField();
    if (std::isfinite(value)) {
        AppendShortestNumber(line_, value);
    } else if (format_ == DataFormat::Json) {
        line_ += "null";
    }
}

void DataRows::EndRow() {
    if (format_ == DataFormat::Csv) {
        sink_.WriteLine(line_);
        return;
    }
    if (hasPending_) {
        pending_ += ',';
        sink_.WriteLine(pending_);
    }
    line_ += '}';
    std::swap(pending_, line_);
    hasPending_ = true;
}

void DataRows::Finish() {
    Begin();
    if (format_ == DataFormat::Json) {
        if (hasPending_) {
            sink_.WriteLine(pending_);
            hasPending_ = false;
        }
        sink_.WriteLine("]");
    }
}

}  // namespace velmorant
