#include "report_definition.h"

#include <charconv>
#include <optional>

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

std::optional<double> Number(const std::string& word) {
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void Fail(int line, const std::string& what) {
    throw ReportError("line " + std::to_string(line) + ": " + what);
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
        } else if (key == "page" && w.size() == 3 && (w[2] == "portrait" || w[2] == "landscape")) {
            def.PageSize = w[1];
            def.Landscape = w[2] == "landscape";
        } else if (key == "margins" && w.size() == 5) {
            double m[4];
            for (int i = 0; i < 4; ++i) {
                const auto v = Number(w[static_cast<std::size_t>(i) + 1]);
                if (!v) {
                    Fail(lineNumber, "margins need four numbers of millimetres");
                }
                m[i] = *v;
            }
            def.MarginLeftMm = m[0];
            def.MarginTopMm = m[1];
            def.MarginRightMm = m[2];
            def.MarginBottomMm = m[3];
        } else if (key == "title" && w.size() == 2) {
            def.Title = w[1];
        } else if (key == "font" && w.size() == 3 && Number(w[2]) && *Number(w[2]) > 0) {
            def.FontFamily = w[1];
            def.FontPoints = *Number(w[2]);
        } else if (key == "connection" && w.size() == 2) {
            def.Connection = w[1];
        } else if (key == "column" && w.size() == 5) {
            ReportColumn column{w[1], w[2], 0, ColumnAlignment::Left};
            const auto width = Number(w[3]);
            if (!width || *width <= 0) {
                Fail(lineNumber, "a column width is a positive number of millimetres");
            }
            column.WidthMm = *width;
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
            Fail(lineNumber, "cannot read \"" + std::string(line) + "\"");
        }
    }
    if (!sawHeader) {
        Fail(lineNumber, "the file is empty");
    }
    if (def.Columns.empty()) {
        Fail(lineNumber, "no column is printed");
    }
    return def;
}

} // namespace rangedesk::output
