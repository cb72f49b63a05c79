// Exports of 999 and 100,000 rows to each format, each in a process of its own so that its
// peak memory is its own; then the window's Export to Excel and Print of 999 rows.
#include <QAbstractTableModel>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

#include "bench_util.h"
#include "export_error.h"
#include "file_names.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "recording_prompts.h"
#include "store_record_sink.h"
#include "table_export.h"

using namespace rangedesk;

namespace {

// LoadData-like rows made on the fly, so the table itself takes no memory.
class GeneratedTable : public QAbstractTableModel {
public:
    explicit GeneratedTable(int rows) : rows_(rows) {}
    int rowCount(const QModelIndex& = {}) const override { return rows_; }
    int columnCount(const QModelIndex& = {}) const override { return 7; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) {
            return {};
        }
        const int i = index.row() + 1;
        switch (index.column()) {
        case 0:
            return QString::number(i);
        case 1:
            return i % 3 ? QStringLiteral("Area") : QStringLiteral("体积累加");
        case 2:
            return QStringLiteral("m");
        case 6:
            return QString(" %1 m2").arg(i * 0.01, 0, 'f', 2);
        default:
            return QString("%1 m").arg(i * 0.001 + index.column(), 0, 'f', 3);
        }
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        static const char* names[] = {"RecNo", "MODE", "UNIT", "DIST1", "DIST2", "DIST3", "RESULT"};
        return role == Qt::DisplayRole ? QVariant(QString(names[section])) : QVariant();
    }

private:
    int rows_;
};

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// One export, in this process: prints the time and the peak memory.
int ExportOnce(const QString& format, int rows) {
    const GeneratedTable table(rows);
    const output::ExportFormat which = format == "xlsx"  ? output::ExportFormat::Xlsx
                                       : format == "csv" ? output::ExportFormat::Csv
                                                         : output::ExportFormat::Xls;
    QTemporaryDir dir;
    const QString path = dir.filePath("bench" + output::ExtensionOf(which));
    const double before = PeakMegabytes();
    const double start = bench::NowSeconds();
    QString error;
    try {
        output::ExportTable(table, output::AllColumns(table), which, files::LocalPath(path));
    } catch (const output::ExportError& e) {
        error = QString::fromUtf8(e.what());
    }
    const double ms = (bench::NowSeconds() - start) * 1000;
    std::printf("%-4s %7d rows: %8.1f ms, %9lld bytes, peak memory %.1f MB (%.1f MB before)%s\n",
                qPrintable(format), rows, ms, QFileInfo(path).size(), PeakMegabytes(), before,
                error.isEmpty() ? "" : qPrintable(" FAILED: " + error));
    return error.isEmpty() ? 0 : 1;
}

void WindowExportAndPrint() {
    RecordingPrompts prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    app::TMainForm w(bus, prompts, folder.Path());
    w.Sink().EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "体积累加";
    record.Slots[0] = {"1.234", "米"};
    record.Slots[3] = {" 12.34", "m3"};
    for (int i = 1; i <= 999; ++i) {
        w.Sink().AddRecToLib(i, record, RecordLayout::Compact);
    }
    w.SetRecordsLoaded();

    prompts.saveName = folder.Path() + "/bench.XLS";
    double start = bench::NowSeconds();
    w.ExpToExcelClick();
    const double exportMs = (bench::NowSeconds() - start) * 1000;
    std::printf("window: Export to Excel of 999 rows: %.1f ms (%lld bytes)\n", exportMs,
                QFileInfo(prompts.saveName).size());

    w.SetPrintToPdf(folder.Path() + "/bench.pdf");
    start = bench::NowSeconds();
    w.PrintBtnClick();
    const double printMs = (bench::NowSeconds() - start) * 1000;
    std::printf("window: print 999 rows to PDF: %.1f ms (%lld bytes)\n", printMs,
                QFileInfo(folder.Path() + "/bench.pdf").size());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    app::RangeDeskApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() == 4 && args[1] == "--one") {
        return ExportOnce(args[2], args[3].toInt());
    }
    for (const char* format : {"xls", "xlsx", "csv"}) {
        for (const int rows : {999, 100000}) {
            if (QString(format) == "xls" && rows > 16383) {
                continue; // more than the legacy format holds
            }
            QProcess one;
            one.setProcessChannelMode(QProcess::ForwardedChannels);
            one.start(args[0], {"--one", format, QString::number(rows)});
            one.waitForFinished(300000);
        }
    }
    WindowExportAndPrint();
    return 0;
}
