#include "report_definition.h"

#include <charconv>

#include "escaped_text.h"

namespace rangedesk::output {
namespace {

// Splits a line into words; a word in double quotes may hold blanks.
std::optional<std::vector<std::string>> Words(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            const auto end = line.find('"', i + 1);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
            words.emplace_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') {
            ++end;
        }
        words.emplace_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

[[noreturn]] void Fail(int line, const std::string& what) {
    throw ReportError("line " + std::to_string(line) + ": " + what);
}

// A text of the file quoted in a message, its control characters escaped.
std::string Quoted(std::string_view text) {
    return "\"" + files::EscapeControls(text) + "\"";
}

// The sensible range of each kind of number; anything else (nan, inf, 1e308) is refused.
struct Range {
    double min;
    double max;
    const char* what;
};
constexpr Range kMargin{0, 100, "a margin is 0 to 100 millimetres"};
constexpr Range kWidth{1, 500, "a column width is 1 to 500 millimetres"};
constexpr Range kFontPoints{4, 72, "a font size is 4 to 72 points"};

double Number(const std::string& word, const Range& range, int line) {
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    // NaN fails both comparisons, infinities the range.
    if (ec != std::errc() || end != word.data() + word.size() || !(value >= range.min) ||
        !(value <= range.max)) {
        Fail(line, std::string(range.what) + ", not " + Quoted(word));
    }
    return value;
}

constexpr const char* kPageSizes[] = {"A4", "A5", "Letter"};

bool KnownPageSize(const std::string& name) {
    for (const char* known : kPageSizes) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

} // namespace

ReportDefinition ParseReportDefinition(std::string_view text) {
    ReportDefinition def;
    bool sawHeader = false;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        const auto words = Words(line);
        if (!words) {
            Fail(lineNumber, "unterminated quote");
        }
        if (words->empty() || (*words)[0].starts_with('#')) {
            continue;
        }
        const std::vector<std::string>& w = *words;
        const std::string& key = w[0];
        if (!sawHeader) {
            if (key != "rangedesk-report" || w.size() != 2 || w[1] != "1") {
                Fail(lineNumber, "expected \"rangedesk-report 1\"");
            }
            sawHeader = true;
        } else if (key == "page" && w.size() == 3) {
            if (!KnownPageSize(w[1])) {
                Fail(lineNumber, "the page size is A4, A5 or Letter, not " + Quoted(w[1]));
            }
            if (w[2] != "portrait" && w[2] != "landscape") {
                Fail(lineNumber, "the page is portrait or landscape, not " + Quoted(w[2]));
            }
            def.PageSize = w[1];
            def.Landscape = w[2] == "landscape";
        } else if (key == "margins" && w.size() == 5) {
            def.MarginLeftMm = Number(w[1], kMargin, lineNumber);
            def.MarginTopMm = Number(w[2], kMargin, lineNumber);
            def.MarginRightMm = Number(w[3], kMargin, lineNumber);
            def.MarginBottomMm = Number(w[4], kMargin, lineNumber);
        } else if (key == "title" && w.size() == 2) {
            def.Title = w[1];
        } else if (key == "font" && w.size() == 3) {
            def.FontFamily = w[1];
            def.FontPoints = Number(w[2], kFontPoints, lineNumber);
        } else if (key == "connection" && w.size() == 2) {
            def.Connection = w[1];
        } else if (key == "header" && w.size() == 2) {
            def.Header.push_back(w[1]);
        } else if (key == "group" && (w.size() == 2 || w.size() == 3)) {
            def.Group = ReportGroup{w[1], w.size() == 3 ? w[2] : "{value}"};
        } else if (key == "totals" && w.size() == 2) {
            def.TotalsHeading = w[1];
        } else if (key == "column" && w.size() == 5) {
            ReportColumn column{w[1], w[2], 0, ColumnAlignment::Left};
            column.WidthMm = Number(w[3], kWidth, lineNumber);
            if (w[4] == "left") {
                column.Alignment = ColumnAlignment::Left;
            } else if (w[4] == "center") {
                column.Alignment = ColumnAlignment::Center;
            } else if (w[4] == "right") {
                column.Alignment = ColumnAlignment::Right;
            } else {
                Fail(lineNumber, "alignment is left, center or right");
            }
            def.Columns.push_back(std::move(column));
        } else {
            Fail(lineNumber, "cannot read " + Quoted(line));
        }
    }
    if (!sawHeader) {
        Fail(lineNumber, "the file is empty");
    }
    if (def.Columns.empty()) {
        Fail(lineNumber, "no column is printed");
    }
    // Margins that leave no room on the smallest page print nothing.
    if (def.MarginLeftMm + def.MarginRightMm > 120 || def.MarginTopMm + def.MarginBottomMm > 180) {
        Fail(lineNumber, "the margins leave no room to print on the page");
    }
    return def;
}

} // namespace rangedesk::output
