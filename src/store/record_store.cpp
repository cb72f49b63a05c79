#include "record_store.h"

#include <QCoreApplication>

#include "database_opener.h"
#include "download_writer.h"
#include "load_data_sql.h"
#include "schema.h"
#include "sql_connection.h"
#include "store_error.h"

namespace rangedesk::store {

RecordStore::RecordStore(QString databasePath, StoreAccess access, QObject* parent)
    : QObject(parent), path_(std::move(databasePath)), access_(access) {}

RecordStore::~RecordStore() {
    Checkpoint();
}

void RecordStore::Open() {
    if (IsOpen()) {
        return;
    }
    OpenedDatabase opened = OpenDatabase(path_, access_);
    connection_ = std::move(opened.Connection);
    version_ = opened.Version;
    historyDerived_ = false;
    if (access_ == StoreAccess::ReadWrite) {
        try {
            DownloadWriter(*this).MarkInterrupted();
        } catch (const StoreError&) {
            connection_.reset();
            throw;
        }
    }
}

SqlConnection& RecordStore::Connection() {
    Open();
    return *connection_;
}

int RecordStore::SchemaVersion() {
    Open();
    return version_;
}

void RecordStore::RequireHistory() {
    Open();
    if (version_ > kSchemaVersion) {
        throw StoreError(
            StoreErrorKind::NewerVersion, StoreAction::Read, path_,
            QCoreApplication::translate("StoreError",
                                        "its layout is version %1, this program knows version %2; "
                                        "install the newer RangeDesk to read its history.")
                .arg(version_)
                .arg(kSchemaVersion));
    }
    if (version_ < kSchemaVersion && !historyDerived_) {
        DeriveHistoryOfOlderFile(*connection_);
        historyDerived_ = true;
    }
}

std::vector<LoadDataRow> RecordStore::ReadLoadData() {
    QSqlQuery query = Connection().Run(sql::SelectLoadData());
    std::vector<LoadDataRow> rows;
    while (query.next()) {
        LoadDataRow row;
        row.RowId = query.value(0).toLongLong();
        for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
            row.Texts[std::size_t(c)] = query.value(c + 1).toString();
            row.Nulls[std::size_t(c)] = query.isNull(c + 1);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void RecordStore::EmptyLoadData() {
    Open();
    emit loadDataClosing();
    ReplaceLoadData({});
}

void RecordStore::ReplaceLoadData(const std::function<void()>& fill) {
    SqlConnection& connection = Connection();
    connection.InWriteTransaction([&] {
        connection.Run(sql::DeleteLoadData(), {}, StoreAction::Write);
        if (fill) {
            fill();
        }
    });
    emit loadDataReplaced();
}

qint64 RecordStore::AppendLoadDataRow(const records::LoadDataTexts& texts,
                                      const std::function<void()>& withRow) {
    SqlConnection& connection = Connection();
    qint64 rowid = 0;
    connection.InWriteTransaction([&] {
        QSqlQuery& insert = connection.RunPrepared(sql::InsertLoadDataRow(),
                                                   QVariantList(texts.begin(), texts.end()));
        rowid = insert.lastInsertId().toLongLong();
        insert.finish();
        if (withRow) {
            withRow();
        }
    });
    emit loadDataRowAppended(rowid, texts);
    return rowid;
}

bool RecordStore::UpdateLoadDataCell(qint64 rowid, int column, const QString& text) {
    QSqlQuery& update = Connection().RunPrepared(sql::UpdateLoadDataCell(column), {text, rowid});
    const bool changed = update.numRowsAffected() == 1;
    update.finish();
    return changed;
}

void RecordStore::Checkpoint() {
    if (!IsOpen() || access_ == StoreAccess::ReadOnly) {
        return;
    }
    try {
        connection_->Run("PRAGMA wal_checkpoint(TRUNCATE)", {}, StoreAction::Write);
    } catch (const StoreError&) {
        // Another program reads or writes now: the rows stay safe in the log until later.
    }
}

} // namespace rangedesk::store
