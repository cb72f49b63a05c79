#pragma once

#include <QString>

class QTableView;

namespace rangedesk::app {

class UserPrompts;

// Writes the rows behind a grid as a bare BIFF cell stream: the grid's column titles, then
// every field of every row. The file is replaced only once it is complete.
class TDBGridToExcel {
public:
    explicit TDBGridToExcel(UserPrompts& prompts) : prompts_(prompts) {}

    QTableView* DBGrid = nullptr;
    QString TitleName;
    QString FileName;
    // Asks before replacing an existing file (the export command asks the user itself).
    bool ConfirmOverwrite = true;

    // True when the file was written; otherwise ErrorText() tells why (empty when there was
    // nothing to write or the user kept the old file).
    bool RunExport();
    const QString& ErrorText() const { return error_; }

private:
    UserPrompts& prompts_;
    QString error_;
};

} // namespace rangedesk::app
