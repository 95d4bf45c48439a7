// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/defaults_file.h"

#include <cmath>

#include "core/common/decimal.h"
#include "core/common/numeric.h"
#include "ui/model/defaults/stored_numbers.h"

namespace velmorant {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    if (line.empty()) {
        return fields;
    }
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        std::size_t comma = std::string_view::npos;
        if (pos < line.size() && line[pos] == '"') {
            const std::size_t close = line.find('"', pos + 1);
            if (close == std::string_view::npos) {
                // An unterminated quote runs to the end of the line.
                fields.emplace_back(line.substr(pos + 1));
                break;
            }
            fields.emplace_back(line.substr(pos + 1, close - pos - 1));
            // Anything between the closing quote and the next comma is not part of the field.
            comma = line.find(',', close + 1);
        } else {
            comma = line.find(',', pos);
            fields.emplace_back(TrimBlanks(line.substr(pos, comma - pos)));
        }
        if (comma == std::string_view::npos) {
            break;
        }
        pos = comma + 1;
    }
    return fields;
}

// The fields of one line, read in the order of the line's table. Each reader leaves its target
// empty and marks the line damaged when the field is missing or unreadable.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : fields_(SplitFields(line)) {}

    bool damaged() const { return damaged_; }

    void Text(std::optional<std::string>& target) {
        if (next_ < fields_.size()) {
            target = fields_[next_];
        } else {
            damaged_ = true;
        }
        ++next_;
    }

    void Integer(std::optional<int>& target, int min = -32768, int max = 32767) {
        const std::optional<double> number = Number();
        const std::optional<std::int16_t> whole =
            number ? ToInteger16(*number) : std::optional<std::int16_t>();
        if (whole && *whole >= min && *whole <= max) {
            target = *whole;
        } else {
            damaged_ = true;
        }
    }

    void Single(std::optional<float>& target) {
        const std::optional<double> number = Number();
        if (number && std::isfinite(ToSingle(*number))) {
            target = ToSingle(*number);
        } else {
            damaged_ = true;
        }
    }

    void Double(std::optional<double>& target) {
        const std::optional<double> number = Number();
        if (number) {
            target = *number;
        } else {
            damaged_ = true;
        }
    }

  private:
    // A plain decimal number filling the whole field; the file has always taken "+-5" as -5.
    std::optional<double> Number() {
        const std::size_t index = next_++;
        return index < fields_.size() ? StrictDecimal(fields_[index], PlusBeforeMinus::Accepted)
                                      : std::nullopt;
    }

    std::vector<std::string> fields_;
    std::size_t next_ = 0;
    bool damaged_ = false;
};

void ReadStation(LineReader& line, StationDefaults& station) {
    line.Integer(station.Display, 0, 1);
    line.Text(station.Callsign);
    line.Text(station.Locator);
    line.Text(station.LatDeg);
    line.Text(station.LatMin);
    line.Text(station.LatSec);
    line.Text(station.LatDir);
    line.Text(station.LonDeg);
    line.Text(station.LonMin);
    line.Text(station.LonSec);
    line.Text(station.LonDir);
    line.Text(station.Above);
    line.Text(station.Below);
}

void ReadObject(LineReader& line, DefaultsRecord& record) {
    line.Integer(record.CelestialIndex, -1, 8);
    line.Text(record.ObjectName);
    line.Text(record.RAhours);
    line.Text(record.RAminutes);
    line.Text(record.Declination);
    line.Integer(record.OperationIndex, -1, 1);
}

void ReadOptions(LineReader& line, DefaultsRecord& record) {
    line.Text(record.IncrementMinutes);
    line.Integer(record.EscFlag);
    line.Integer(record.OutputLines);
    line.Text(record.Band);
    line.Text(record.Region);
    line.Single(record.TimeDif);
    line.Text(record.TextEditor);
    line.Double(record.Noise);
    line.Integer(record.UnitsIndex, -1, 1);
    line.Text(record.AdobeReader);
    line.Single(record.AzMin);
    line.Single(record.AzMax);
    line.Text(record.GmtMin);
    line.Text(record.GmtMax);
}

// A text field in double quotes; the format has no escape, so a quote becomes an apostrophe,
// and a line break would split the record.
std::string Quoted(const std::optional<std::string>& text) {
    std::string field = "\"";
    for (char c : text.value_or("")) {
        if (c == '"') {
            field += '\'';
        } else if (c == '\r' || c == '\n') {
            field += ' ';
        } else {
            field += c;
        }
    }
    field += '"';
    return field;
}

std::string Whole(const std::optional<int>& number) {
    return std::to_string(number.value_or(0));
}

class LineWriter {
  public:
    LineWriter& operator<<(const std::string& field) {
        if (!first_) {
            text_ += ',';
        }
        first_ = false;
        text_ += field;
        return *this;
    }
    std::string Line() const { return text_ + "\r\n"; }

  private:
    std::string text_;
    bool first_ = true;
};

std::string StationLine(const StationDefaults& s) {
    LineWriter line;
    line << Whole(s.Display) << Quoted(s.Callsign) << Quoted(s.Locator) << Quoted(s.LatDeg)
         << Quoted(s.LatMin) << Quoted(s.LatSec) << Quoted(s.LatDir) << Quoted(s.LonDeg)
         << Quoted(s.LonMin) << Quoted(s.LonSec) << Quoted(s.LonDir) << Quoted(s.Above)
         << Quoted(s.Below);
    return line.Line();
}

}  // namespace

ParsedDefaults ParseDefaults(std::string_view text) {
    ParsedDefaults parsed;
    const std::vector<std::string_view> lines = SplitLines(text);
    const auto readLine = [&](int number, auto read) {
        const std::size_t index = static_cast<std::size_t>(number - 1);
        LineReader line(index < lines.size() ? lines[index] : std::string_view());
        read(line);
        if (line.damaged()) {
            parsed.DamagedLines.push_back(number);
        }
    };
    readLine(1, [&](LineReader& line) { ReadStation(line, parsed.Record.Home); });
    readLine(2, [&](LineReader& line) { ReadStation(line, parsed.Record.DX); });
    readLine(3, [&](LineReader& line) { ReadObject(line, parsed.Record); });
    readLine(4, [&](LineReader& line) { ReadOptions(line, parsed.Record); });
    return parsed;
}

std::string FormatDefaults(const DefaultsRecord& r) {
    LineWriter object;
    object << Whole(r.CelestialIndex) << Quoted(r.ObjectName) << Quoted(r.RAhours)
           << Quoted(r.RAminutes) << Quoted(r.Declination) << Whole(r.OperationIndex);
    LineWriter options;
    options << Quoted(r.IncrementMinutes) << Whole(r.EscFlag) << Whole(r.OutputLines)
            << Quoted(r.Band) << Quoted(r.Region) << SingleText(r.TimeDif.value_or(0.0f))
            << Quoted(r.TextEditor) << DoubleText(r.Noise.value_or(0.0)) << Whole(r.UnitsIndex)
            << Quoted(r.AdobeReader) << SingleText(r.AzMin.value_or(0.0f))
            << SingleText(r.AzMax.value_or(0.0f)) << Quoted(r.GmtMin) << Quoted(r.GmtMax);
    return StationLine(r.Home) + StationLine(r.DX) + object.Line() + options.Line();
}

}  // namespace velmorant
