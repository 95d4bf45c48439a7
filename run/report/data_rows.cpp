// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/data_rows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/utf8.h"

namespace velmorant {

namespace {

std::string CsvText(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string IsoDateText(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string UtcClockText(float hhmm) {
    const int whole = static_cast<int>(std::lround(std::clamp(hhmm, 0.0f, 2400.0f)));
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d", whole / 100, whole % 100);
    return text;
}

std::string JsonText(std::string_view text) {
    // JSON is UTF-8: 8-bit text from the station list is read as Latin-1, as the window reads it
    // (converted only when needed: the windows table writes a string per cell).
    std::string converted;
    if (!IsValidUtf8(text)) {
        converted = Utf8OfEightBitText(text);
        text = converted;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (code < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", code);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string ShortestNumber(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

DataRows::DataRows(ReportSink& sink, DataFormat format, std::vector<std::string> columns)
    : sink_(sink), format_(format), columns_(std::move(columns)) {}

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
    Begin();
    std::string line = format_ == DataFormat::Json ? "{" : "";
    for (std::size_t i = 0; i < row.size() && i < columns_.size(); ++i) {
        if (i > 0) {
            line += format_ == DataFormat::Json ? ", " : ",";
        }
        if (format_ == DataFormat::Json) {
            line += JsonText(columns_[i]) + ": ";
        }
        if (const double* number = std::get_if<double>(&row[i])) {
            if (std::isfinite(*number)) {
                line += ShortestNumber(*number);
            } else if (format_ == DataFormat::Json) {
                line += "null";
            }
        } else {
            const std::string& text = std::get<std::string>(row[i]);
            line += format_ == DataFormat::Json ? JsonText(text) : CsvText(text);
        }
    }
    if (format_ == DataFormat::Csv) {
        sink_.WriteLine(line);
        return;
    }
    if (hasPending_) {
        sink_.WriteLine(pending_ + ",");
    }
    pending_ = line + "}";
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
