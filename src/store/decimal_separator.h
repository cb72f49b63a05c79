#pragma once

#include <string>
#include <vector>

#include "load_data_row.h"

namespace rangedesk::store {

// The decimal separator a download's texts were written with, so that decoding its bytes again
// writes them alike whatever the locale now: the first measurement text with a digit, then "."
// or ",", then a digit, tells. "." when no text tells (blank slots, whole numbers, feet and
// inches), the separator of the C locale the program starts in.
std::string DecimalSeparatorOf(const std::vector<records::LoadDataTexts>& rows);

} // namespace rangedesk::store
