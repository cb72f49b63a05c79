#include "sheet_layout.h"

#include <algorithm>

namespace rangedesk::output {
namespace {

constexpr std::uint16_t kTitleColumn = 3;

std::vector<std::string> SplitAtBars(const std::string& caption) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto bar = caption.find('|', start);
        parts.push_back(caption.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) {
            return parts;
        }
        start = bar + 1;
    }
}

} // namespace

TitleLevels SplitTitles(const std::vector<std::string>& captions,
                        const std::vector<bool>& visible) {
    TitleLevels t;
    for (const std::string& caption : captions) {
        t.LevelCount = std::max<int>(
            t.LevelCount, 1 + static_cast<int>(std::count(caption.begin(), caption.end(), '|')));
    }
    t.Cells.assign(static_cast<std::size_t>(t.LevelCount), {});
    for (std::size_t c = 0; c < captions.size(); ++c) {
        if (c < visible.size() && !visible[c]) {
            continue;
        }
        const auto parts = SplitAtBars(captions[c]);
        for (std::size_t level = 0; level < t.Cells.size(); ++level) {
            t.Cells[level].push_back(level < parts.size() ? parts[level] : std::string());
        }
        ++t.ColCount;
    }
    return t;
}

std::vector<std::uint8_t> WriteSheet(const SheetContent& content) {
    BiffSheet sheet;
    sheet.Bof();
    sheet.CodePage(kGbkCodePage);
    sheet.Label(0, kTitleColumn, content.TitleName);
    std::uint32_t row = 1;
    for (const auto& level : content.Titles.Cells) {
        for (std::size_t c = 0; c < level.size(); ++c) {
            sheet.Label(static_cast<std::uint16_t>(row), static_cast<std::uint16_t>(c), level[c]);
        }
        ++row;
    }
    for (const auto& cells : content.Rows) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            sheet.Cell(static_cast<std::uint16_t>(row), static_cast<std::uint16_t>(c), cells[c]);
        }
        ++row;
    }
    sheet.Eof();
    return sheet.Bytes();
}

} // namespace rangedesk::output
