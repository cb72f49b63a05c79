#pragma once

#include <QString>

#include <optional>

namespace rangedesk::store {

inline constexpr int kMaxJobNameLength = 200;
inline constexpr int kMaxLabelLength = 2000;

// Why a job name cannot be used, or nothing: empty or only blanks, longer than 200 characters,
// or holding a control character.
std::optional<QString> JobNameProblem(const QString& name);
// The same for a label, a note or a job's client, address and notes: at most 2,000 characters.
std::optional<QString> TextProblem(const QString& what, const QString& text);

// The key that makes job names unique whatever their case: the name trimmed and case-folded.
QString JobNameKey(const QString& name);

} // namespace rangedesk::store
