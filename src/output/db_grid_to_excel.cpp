#include "db_grid_to_excel.h"

#include <QAbstractItemModel>

#include <algorithm>
#include <sys/stat.h>

#include "output_target.h"
#include "sheet_layout.h"

namespace rangedesk::output {
namespace {

// A name of nothing but blanks and control characters names no file.
bool IsBlankName(const std::filesystem::path& name) {
    const std::string& bytes = name.native();
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

} // namespace

bool TDBGridToExcel::RunExport() {
    if (!DBGrid || DBGrid->rowCount() == 0 || IsBlankName(FileName)) {
        return false;
    }
    CheckTarget(FileName, SpecialFile::Refuse, Protected); // before any question about it
    struct stat st {};
    if (ConfirmOverwrite && FileName != "-" && ::stat(FileName.c_str(), &st) == 0 &&
        !ConfirmOverwrite(FileName)) {
        return false;
    }
    OutputTarget target(FileName, SpecialFile::Refuse, Protected);
    const std::vector<std::uint8_t> bytes = WriteSheet(SheetFromTable(*DBGrid, Columns, TitleName));
    target.Write(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    target.Commit();
    return true;
}

} // namespace rangedesk::output
