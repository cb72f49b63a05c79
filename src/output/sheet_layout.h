#pragma once

#include <string>
#include <vector>

#include "biff_sheet.h"

namespace rangedesk::output {

// Column titles split into levels at each "|": level 0 is the part before the first one.
struct TitleLevels {
    int ColCount = 0;
    int LevelCount = 1;
    std::vector<std::vector<std::string>> Cells; // [level][visible column]
};
// `captions` of every grid column, hidden ones included (they still count for the levels).
TitleLevels SplitTitles(const std::vector<std::string>& captions, const std::vector<bool>& visible);

// What a sheet holds, as texts already in the file's code page.
struct SheetContent {
    std::string TitleName;
    TitleLevels Titles;
    std::vector<std::vector<SheetCell>> Rows; // one cell per field, in field order
};

// The whole file: BOF, CODEPAGE 936, the title cell at row 0 column 3, the title rows, the data
// cells row by row, EOF.
std::vector<std::uint8_t> WriteSheet(const SheetContent& content);

} // namespace rangedesk::output
