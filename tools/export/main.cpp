// rangedesk-export [DATABASE] FILE.XLS: writes the LoadData table of a record database to a
// spreadsheet file, as the Export to Excel button does.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "atomic_file.h"
#include "record_store.h"
#include "store_error.h"
#include "table_sheet.h"

namespace {

using namespace rangedesk::store;
using namespace rangedesk::output;

int Fail(const QString& message) {
    std::fprintf(stderr, "rangedesk-export: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 1 || args.size() > 2) {
        std::fprintf(stderr, "usage: rangedesk-export [DATABASE] FILE.XLS\n");
        return 2;
    }
    const QString database =
        args.size() == 2 ? args[0] : QDir(app.applicationDirPath()).filePath("lib/DistLib.mdb");
    const QString target = QFileInfo(args.back()).absoluteFilePath();
    RecordStore store(database);
    if (!store.ADOConnectAccess()) {
        return Fail(QString("cannot open %1: %2").arg(database, store.LastError()));
    }
    try {
        store.Table().Open();
    } catch (const StoreError& e) {
        return Fail(QString("cannot read %1: %2").arg(database, e.what()));
    }
    if (store.Table().IsEmpty()) {
        return Fail(QString("%1 holds no records; nothing was written").arg(database));
    }
    if (const QString error = WriteFileAtomically(
            target, WriteSheet(SheetFromTable(store.Table(), AllColumns(store.Table()))));
        !error.isEmpty()) {
        return Fail(QString("cannot write %1: %2").arg(target, error));
    }
    std::printf("Exported %d records to %s\n", store.Table().rowCount(), qPrintable(target));
    return 0;
}
