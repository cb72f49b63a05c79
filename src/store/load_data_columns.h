#pragma once

#include <array>
#include <string_view>

namespace rangedesk::store {

// The columns of LoadData, in grid order.
enum class LoadDataColumn { RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT };

inline constexpr std::array<std::string_view, 7> kLoadDataColumnNames = {
    "RecNo", "MODE", "UNIT", "DIST1", "DIST2", "DIST3", "RESULT"};

inline constexpr int kLoadDataColumnCount = static_cast<int>(kLoadDataColumnNames.size());

} // namespace rangedesk::store
