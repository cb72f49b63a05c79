#pragma once

#include <QString>

#include <optional>

namespace rangedesk::store {
class RecordStore;
struct JobInfo;
} // namespace rangedesk::store

namespace rangedesk::app {

class UserPrompts;

// Asks for a new job in the job dialog and makes it; its id, or nothing when cancelled. A
// refusal (a name taken, a text too long, the database in use) is said in the dialog.
std::optional<qint64> AskNewJob(UserPrompts& prompts, store::RecordStore& store);

// Asks for a job's name and details in the job dialog, filled with what it says now, and
// stores both in one edit. False when cancelled.
bool AskEditJob(UserPrompts& prompts, store::RecordStore& store, const store::JobInfo& job);

} // namespace rangedesk::app
