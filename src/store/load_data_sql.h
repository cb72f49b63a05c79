#pragma once

#include <QString>

namespace rangedesk::store::sql {

// The statements over LoadData and the kept records, built from the one column list
// (records::kLoadDataColumns), so a column is named in one place. DownloadRecords holds the
// record number as an integer and every other column of LoadData as it is.

// "RecNo": the column of the record number.
QString RecordNumberColumn();
// "RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT"
QString LoadDataColumns();
// The same without the record number: the texts a kept record holds beside its number.
QString KeptTextColumns();

QString CheckLoadData();                // reads no row; fails when a column is missing
QString SelectLoadData();               // rowid and the columns, in stored order
QString InsertLoadDataRow();            // one row, a value bound per column
QString UpdateLoadDataCell(int column); // the column's value, then the rowid
QString DeleteLoadData();               // the legacy "delete from LoadData"
QString InsertKeptRecord(); // download, number, reply bytes, the texts, then the search key
// Number, reply, label, note, deduction and texts of one download's records (aliases r and d,
// its download), by number; `where` adds conditions ("" for all).
QString SelectKeptRecords(const QString& where = {});
// The kept records of every download whose search text holds a needle, in one pass over the
// search index: the download's id, then the columns of SelectKeptRecords.
QString SelectMatchingKeptRecords();
// The same pass giving only the download's id and the record's number.
QString SelectMatchingRecordNumbers();
QString UpdateKeptTexts();         // the texts and the search key, then download and number
QString LoadDataFromKeptRecords(); // one download's records into LoadData, by number
// True for a record r of download d that no earlier kept download from the same meter had with
// the same bytes under the same number.
QString NewKeptRecord();

} // namespace rangedesk::store::sql
