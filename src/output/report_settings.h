#pragma once

#include <QString>

namespace rangedesk::output {

// What heads every client report, set once for the program (the user's configuration, keys
// "report/company" and "report/contact"), never in the database.
struct ReportSettings {
    QString Company; // "Example Surveys Ltd"
    QString Contact; // "+44 20 7946 0000, office@example.com"

    static ReportSettings Load();
    // Throws std::runtime_error naming the file when it cannot be written.
    void Save() const;
    bool operator==(const ReportSettings&) const = default;
};

} // namespace rangedesk::output
