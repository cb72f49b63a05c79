#include "load_data_sql.h"

#include <QStringList>

#include "load_data_columns.h"

namespace rangedesk::store::sql {
namespace {

using records::ColumnKind;

QStringList Names(bool withRecordNumber, const QString& prefix = {}) {
    QStringList names;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        if (withRecordNumber || records::ColumnInfo(c).Kind != ColumnKind::RecordNumber) {
            names << prefix + records::ColumnName(c);
        }
    }
    return names;
}

} // namespace

QString RecordNumberColumn() {
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        if (records::ColumnInfo(c).Kind == ColumnKind::RecordNumber) {
            return records::ColumnName(c);
        }
    }
    return {};
}

namespace {

QString Placeholders(qsizetype count) {
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i) {
        marks << "?";
    }
    return marks.join(", ");
}

} // namespace

QString LoadDataColumns() {
    return Names(true).join(", ");
}

QString KeptTextColumns() {
    return Names(false).join(", ");
}

QString CheckLoadData() {
    return "SELECT " + LoadDataColumns() + " FROM LoadData LIMIT 0";
}

QString SelectLoadData() {
    return "SELECT rowid, " + LoadDataColumns() + " FROM LoadData ORDER BY rowid";
}

QString InsertLoadDataRow() {
    return "INSERT INTO LoadData (" + LoadDataColumns() + ") VALUES (" +
           Placeholders(records::kLoadDataColumnCount) + ")";
}

QString UpdateLoadDataCell(int column) {
    // The name comes from the program's own table, never from the user.
    return "UPDATE LoadData SET " + records::ColumnName(column) + " = ? WHERE rowid = ?";
}

QString DeleteLoadData() {
    return "delete from LoadData";
}

QString InsertKeptRecord() {
    const QStringList texts = Names(false);
    return "INSERT OR REPLACE INTO DownloadRecords (download_id, " + RecordNumberColumn() +
           ", reply, " + texts.join(", ") + ", search) VALUES (?, ?, ?, " +
           Placeholders(texts.size()) + ", ?)";
}

QString SelectKeptRecords(const QString& where) {
    const QString number = RecordNumberColumn();
    return "SELECT r." + number + ", r.reply, r.label, r.note, r.deduction, " +
           Names(false, "r.").join(", ") +
           " FROM DownloadRecords r JOIN Downloads d ON r.download_id = d.id WHERE "
           "r.download_id = ?" +
           where + " ORDER BY r." + number;
}

QString SelectMatchingKeptRecords() {
    // The matching rows are found in the search index, then read by their key (an older file
    // read in place shows its records through a view, which has no rowid).
    const QString number = RecordNumberColumn();
    return "SELECT r.download_id, r." + number + ", r.reply, r.label, r.note, r.deduction, " +
           Names(false, "r.").join(", ") + " FROM DownloadRecords AS r WHERE (r.download_id, r." +
           number + ") IN (" + SelectMatchingRecordNumbers() + ")";
}

QString SelectMatchingRecordNumbers() {
    return "SELECT download_id, " + RecordNumberColumn() +
           " FROM DownloadRecords WHERE instr(search, ?) > 0";
}

QString UpdateKeptTexts() {
    QStringList sets;
    for (const QString& name : Names(false)) {
        sets << name + " = ?";
    }
    return "UPDATE DownloadRecords SET " + sets.join(", ") +
           ", search = ? WHERE download_id = ? "
           "AND " +
           RecordNumberColumn() + " = ?";
}

QString LoadDataFromKeptRecords() {
    QStringList values;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        const QString name = records::ColumnName(c);
        values << (records::ColumnInfo(c).Kind == ColumnKind::RecordNumber
                       ? "CAST(" + name + " AS TEXT)"
                       : name);
    }
    return "INSERT INTO LoadData (" + LoadDataColumns() + ") SELECT " + values.join(", ") +
           " FROM DownloadRecords WHERE download_id = ? ORDER BY " + RecordNumberColumn();
}

QString NewKeptRecord() {
    const QString number = RecordNumberColumn();
    // The same meter: by vendor, product and serial number where it reports one, else by model;
    // a simulated meter is never a real one.
    return "NOT EXISTS (SELECT 1 FROM DownloadRecords p JOIN Downloads pd ON p.download_id = "
           "pd.id WHERE p." +
           number + " = r." + number +
           " AND p.reply IS r.reply AND pd.id < "
           "d.id AND pd.simulated = d.simulated AND pd.serial = d.serial AND CASE WHEN d.serial "
           "= '' THEN pd.model = d.model ELSE pd.vendor = d.vendor AND pd.product = d.product "
           "END)";
}

} // namespace rangedesk::store::sql
